#pragma once

#include "ORXSettingPage.h"

#include <memory>

namespace Ui {
class ORXSettingForGpsViewController;
}

// The settings window's "gps" tab: its .ui over the page model.
class ORXSettingForGpsViewController : public ORXSettingPage
{
    Q_OBJECT
public:
    explicit ORXSettingForGpsViewController(QWidget* parent = nullptr);
    ~ORXSettingForGpsViewController() override;

private:
    std::unique_ptr<Ui::ORXSettingForGpsViewController> m_ui;
};
