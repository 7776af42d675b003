#pragma once

#include "ORXSettingPageModel.h"

// Tab 2: the weekly no-driving reminder, speed unit, time zone and summer time of the
// camera's clock, the speed overlay, the driving-route saving interval and the GPS in
// parking mode. Every control stores its index unchanged; no rules, no checks.
class ORXGpsPageModel : public ORXSettingPageModel
{
public:
    QString name() const override { return QStringLiteral("gps"); }
    ORXPageState display(const _FILEDATA& record) const override;
    bool store(const ORXPageState& state, _FILEDATA& record) const override;
    QStringList items(const QString& outlet) const override;

    // "-12:00" ... "00:00" ... "+13:00": the camera's 34 time zones in table order.
    static QStringList timeZoneItems();
};
