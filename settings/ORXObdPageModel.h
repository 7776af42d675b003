#pragma once

#include "ORXSettingPageModel.h"

// The page of a camera with an OBD connection: the weekly no-driving reminder, speed unit,
// time zone and summer time, the speed overlay, the route saving interval and OBD in parking
// mode (both in `SaveDuration`), the cut-off voltage and external power, and the eco-drive
// range that splits the economy scale 0.00..1.00 into eco, normal and uneco driving.
//
// The range slider's knobs are lo = 100 - `drivingSecurity` and hi = 100 - `parkingSecurity`,
// computed signed and kept within 0..100 (the fields are unsigned: a stored 150 must not wrap);
// the thresholds are written only when the user moved a knob.
// `SaveDuration` holds the interval code in bits 0-3 (the camera knows 1, 2 and 4; a stored 3
// shows no segment and stays as it is unless the user picks one) and OBD parking in bit 4.
// A choice with nothing selected leaves its field unchanged; check boxes shown checked for
// any non-zero value keep that value unless the user changes them.
class ORXObdPageModel : public ORXSettingPageModel
{
public:
    static constexpr int kVoltageBase = 11500; // millivolts of item 0, "11.5v"
    static constexpr int kVoltageStep = 100;
    static constexpr int kVoltageItems = 10;

    QString name() const override { return QStringLiteral("obd"); }
    ORXPageState display(const _FILEDATA& record) const override;
    void applyRules(ORXPageState& state) const override;
    bool store(const ORXPageState& state, _FILEDATA& record) const override;
    QStringList items(const QString& outlet) const override;
    void clicked(const QString& outlet, ORXPageState& state, _FILEDATA& record) const override;

    // The three texts under the slider for whole knob values lo and hi.
    static QString ecoDriveText(int lo);
    static QString normalDriveText(int lo, int hi);
    static QString unecoDriveText(int hi);
};
