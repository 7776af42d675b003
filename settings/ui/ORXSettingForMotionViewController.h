#pragma once

#include "ORXSettingPage.h"

#include <memory>

namespace Ui {
class ORXSettingForMotionViewController;
}

// Tab 4: motion-detection sensitivity and the twelve watched blocks of each camera, over
// ORXMotionPageModel. The blocks are check boxes in three rows of four, numbered row by row.
class ORXSettingForMotionViewController : public ORXSettingPage
{
    Q_OBJECT
public:
    explicit ORXSettingForMotionViewController(QWidget* parent = nullptr);
    ~ORXSettingForMotionViewController() override;

private:
    std::unique_ptr<Ui::ORXSettingForMotionViewController> m_ui;
};
