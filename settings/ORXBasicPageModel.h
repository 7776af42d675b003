#pragma once

#include "ORXSettingPageModel.h"

#include <optional>

// Tab 1: display mode, auto-parking waiting time, impact (G-sensor) sensitivity for driving
// and parking, security lamps, video-out standard, plate text, power cut-off, cable voltage
// loss and the external rear camera bits.
class ORXBasicPageModel : public ORXSettingPageModel
{
public:
    QString name() const override { return QStringLiteral("basic"); }
    ORXPageState display(const _FILEDATA& record) const override;
    void applyRules(ORXPageState& state) const override;
    std::optional<ORXPageIssue> validate(const ORXPageState& state) const override;
    bool store(const ORXPageState& state, _FILEDATA& record) const override;
    QStringList items(const QString& outlet) const override;
    void clicked(const QString& outlet, ORXPageState& state, _FILEDATA& record) const override;

    // The custom segment of the two sensitivity controls.
    static constexpr int kCustomSensitivity = 5;

    // A threshold as typed: the decimal number at the start of the text (after any white
    // space; "." or "," as decimal separator), or nothing when it does not start with one.
    static std::optional<double> thresholdNumber(const QString& text);
    // Null when the text is an acceptable custom threshold (0.05 to 1.5), else the message.
    static QString validateGsensorThreshold(const QString& text);
    // The plate as the camera takes it: the first 8 ASCII letters and digits, in order.
    static QString plateText(const QString& typed);
};
