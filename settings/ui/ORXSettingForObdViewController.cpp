#include "ORXSettingForObdViewController.h"

#include "ORXLocalizedString.h"
#include "ORXSettingPageModels.h"
#include "SMDoubleSlider.h"
#include "ui_ORXSettingForObdViewController.h"

ORXSettingForObdViewController::ORXSettingForObdViewController(QWidget* parent)
    : ORXSettingPage(ORXSettingPageModels::byName(QStringLiteral("obd")), parent),
      m_ui(std::make_unique<Ui::ORXSettingForObdViewController>())
{
    m_ui->setupUi(this);
    SMDoubleSlider* slider = m_ui->ecoSlider;
    slider->setMinValue(0);
    slider->setMaxValue(100);
    slider->setAltIncrementValue(1);
    slider->setTrackingLoKnob(true);
    slider->setImageNames(QStringLiteral("eco_knob_left"), QStringLiteral("eco_knob_right"),
                          QStringLiteral("eco_barFill"));
    slider->setAccessibleName(ORXLocalizedString("setting.obd.eco_drive_range"));
    slider->setToolTip(ORXLocalizedString("setting.obd.eco_range"));
    m_ui->axisView->setSlider(slider);
    setupPage();
    const QString outlet = slider->objectName();
    connect(slider, &SMDoubleSlider::objectLoValueChanged, this, [this, outlet] { userChanged(outlet); });
    connect(slider, &SMDoubleSlider::objectHiValueChanged, this, [this, outlet] { userChanged(outlet); });
}

ORXSettingForObdViewController::~ORXSettingForObdViewController() = default;

SMDoubleSlider* ORXSettingForObdViewController::ecoSlider() const
{
    return m_ui->ecoSlider;
}

double ORXSettingForObdViewController::ecoLoValue() const
{
    return m_ui->ecoSlider->doubleLoValue();
}

double ORXSettingForObdViewController::ecoHiValue() const
{
    return m_ui->ecoSlider->doubleHiValue();
}

bool ORXSettingForObdViewController::applyControl(QWidget* widget, const ORXControlState& state)
{
    auto* slider = qobject_cast<SMDoubleSlider*>(widget);
    if (!slider)
        return ORXSettingPage::applyControl(widget, state);
    // High, low, then high again: whichever way the range moved, no value is cut by the
    // other knob standing where it stood before.
    slider->setDoubleHiValue(state.high);
    slider->setDoubleLoValue(state.low);
    slider->setDoubleHiValue(state.high);
    return true;
}

bool ORXSettingForObdViewController::collectControl(const QWidget* widget, ORXControlState& state) const
{
    const auto* slider = qobject_cast<const SMDoubleSlider*>(widget);
    if (!slider)
        return ORXSettingPage::collectControl(widget, state);
    state.kind = ORXControlState::Range;
    state.low = slider->doubleLoValue();
    state.high = slider->doubleHiValue();
    return true;
}
