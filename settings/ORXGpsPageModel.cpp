#include "ORXGpsPageModel.h"

#include "ORXLocalizedString.h"

#include <cstdlib>

namespace {
const QString kDay = QStringLiteral("drivingDaySeg");
const QString kUnit = QStringLiteral("speedDisplayUnitSeg");
const QString kZone = QStringLiteral("timeGmtCombo");
const QString kSummer = QStringLiteral("summerTimeChk");
const QString kOsdSpeed = QStringLiteral("osdSpeedDisplaySeg");
const QString kSaveDuration = QStringLiteral("saveDurationSeg");
const QString kNightTime = QStringLiteral("nightTimeSeg");

constexpr int kDays = 8;
constexpr int kSaveSeconds[] = {1, 3, 5, 10, 15, 30, 60}; // after "none"
} // namespace

QStringList ORXGpsPageModel::timeZoneItems()
{
    QStringList list;
    for (int offset : kORXTimeZoneOffsets) {
        const QString sign = offset < 0 ? QStringLiteral("-") : offset > 0 ? QStringLiteral("+") : QString();
        const int magnitude = std::abs(offset);
        list << QStringLiteral("%1%2:%3")
                    .arg(sign)
                    .arg(magnitude / 100, 2, 10, QLatin1Char('0'))
                    .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    }
    return list;
}

QStringList ORXGpsPageModel::items(const QString& outlet) const
{
    if (outlet == kDay) {
        QStringList list;
        for (const char* key : {"none", "mon", "tue", "wed", "thu", "fri", "sat", "sun"})
            list << ORXLocalizedString(key);
        return list;
    }
    if (outlet == kUnit)
        return {QStringLiteral("Km/h"), QStringLiteral("Mi/h")};
    if (outlet == kZone)
        return timeZoneItems();
    if (outlet == kOsdSpeed || outlet == kNightTime)
        return {ORXLocalizedString("off"), ORXLocalizedString("on")};
    if (outlet == kSaveDuration) {
        QStringList list{ORXLocalizedString("none")};
        for (int seconds : kSaveSeconds)
            list << ORXLocalizedString("nSecond_fmt").arg(seconds);
        return list;
    }
    return {};
}

ORXPageState ORXGpsPageModel::display(const _FILEDATA& record) const
{
    // An index with no item shows no selection (time_gmt -1 among them) and is kept.
    ORXPageState state;
    state.choice(kDay, indexIn(record.nodriving_day, kDays))
        .choice(kUnit, indexIn(record.speed_disp_unit, 2))
        .choice(kOsdSpeed, indexIn(record.osd_speed_flag, 2))
        .choice(kZone, indexIn(record.time_gmt, int(kORXTimeZoneOffsets.size())))
        .check(kSummer, record.summer_time != 0)
        .choice(kSaveDuration, indexIn(record.SaveDuration, 1 + int(std::size(kSaveSeconds))))
        .choice(kNightTime, indexIn(record.NightTime, 2));
    return state;
}

bool ORXGpsPageModel::store(const ORXPageState& state, _FILEDATA& record) const
{
    record.nodriving_day = chosenIndex(state, kDay, record.nodriving_day);
    record.speed_disp_unit = chosenIndex(state, kUnit, record.speed_disp_unit);
    const int osdSpeed = state.index(kOsdSpeed);
    if (osdSpeed >= 0)
        record.osd_speed_flag = osdSpeed;
    const int zone = state.index(kZone);
    if (zone >= 0)
        record.time_gmt = zone;
    record.summer_time = state.isChecked(kSummer) ? 1 : 0;
    record.SaveDuration = chosenIndex(state, kSaveDuration, record.SaveDuration);
    record.NightTime = chosenIndex(state, kNightTime, record.NightTime);
    return true;
}
