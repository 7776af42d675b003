#pragma once

#include "ORXSettingPage.h"

#include <memory>

namespace Ui {
class ORXSettingForBasicViewController;
}

// The settings window's "basic" tab: its .ui over the page model, plus the plate field's
// filter when editing ends, the warning for the external-power voltage item and the user
// setting that keeps the external rear camera bits for the next reset.
class ORXSettingForBasicViewController : public ORXSettingPage
{
    Q_OBJECT
public:
    explicit ORXSettingForBasicViewController(QWidget* parent = nullptr);
    ~ORXSettingForBasicViewController() override;

    bool populate() override;

private:
    std::unique_ptr<Ui::ORXSettingForBasicViewController> m_ui;
};
