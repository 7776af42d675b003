#pragma once

#include "ORXSettingPage.h"

#include <memory>

namespace Ui {
class ORXSettingForObdViewController;
}
class SMDoubleSlider;

// The OBD camera's settings page over ORXObdPageModel. Besides the common controls it has
// the eco-drive range slider: a moved knob goes through the model's rules once (whole
// numbers, the three texts under it) and comes back to the slider without a second round.
class ORXSettingForObdViewController : public ORXSettingPage
{
    Q_OBJECT

public:
    explicit ORXSettingForObdViewController(QWidget* parent = nullptr);
    ~ORXSettingForObdViewController() override;

    SMDoubleSlider* ecoSlider() const;
    // The knobs, 0..100 (lo = 100 - drivingSecurity, hi = 100 - parkingSecurity).
    double ecoLoValue() const;
    double ecoHiValue() const;

protected:
    bool applyControl(QWidget* widget, const ORXControlState& state) override;
    bool collectControl(const QWidget* widget, ORXControlState& state) const override;

private:
    std::unique_ptr<Ui::ORXSettingForObdViewController> m_ui;
};
