#pragma once

#include "ORXSettingPage.h"

#include <memory>

namespace Ui {
class ORXSettingForAudioViewController;
}

// Tab 5: microphone and speaker volume, hourly chime and the voice-guidance language (a
// matrix of twenty cells and the separate Malaysia radio), over ORXAudioPageModel.
class ORXSettingForAudioViewController : public ORXSettingPage
{
    Q_OBJECT
public:
    explicit ORXSettingForAudioViewController(QWidget* parent = nullptr);
    ~ORXSettingForAudioViewController() override;

private:
    std::unique_ptr<Ui::ORXSettingForAudioViewController> m_ui;
};
