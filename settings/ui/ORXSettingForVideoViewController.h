#pragma once

#include "ORXSettingPage.h"

#include <memory>

namespace Ui {
class ORXSettingForVideoViewController;
}

// The settings window's "video" tab: its .ui over the page model.
class ORXSettingForVideoViewController : public ORXSettingPage
{
    Q_OBJECT
public:
    explicit ORXSettingForVideoViewController(QWidget* parent = nullptr);
    ~ORXSettingForVideoViewController() override;

private:
    std::unique_ptr<Ui::ORXSettingForVideoViewController> m_ui;
};
