#include "ORXObdPageModel.h"

#include "ORXCFormat.h"
#include "ORXGpsPageModel.h"
#include "ORXLocalizedString.h"

#include <cmath>

namespace {
const QString kDay = QStringLiteral("drivingDaySeg");
const QString kUnit = QStringLiteral("speedDisplayUnitSeg");
const QString kOsdSpeed = QStringLiteral("osdSpeedDisplaySeg");
const QString kZone = QStringLiteral("timeGmtCombo");
const QString kSummer = QStringLiteral("summerTimeChk");
const QString kSaveDuration = QStringLiteral("saveDurationSeg");
const QString kParking = QStringLiteral("useObdParkingSeg");
const QString kVoltage = QStringLiteral("powerVoltageCombo");
const QString kExternalPower = QStringLiteral("useExternalPowerChk");
const QString kEcoDrive = QStringLiteral("useEcoDriveChk");
const QString kSlider = QStringLiteral("ecoSlider");
const QString kEcoLabel = QStringLiteral("ecoDriveLabel");
const QString kNormalLabel = QStringLiteral("normalDriveLabel");
const QString kUnecoLabel = QStringLiteral("unecoDriveLabel");

constexpr int kDays = 8;
// Interval codes of bits 0-3 by segment.
constexpr quint32 kIntervalCodes[] = {1, 2, 4};
constexpr quint32 kParkingBits = 0x10;

// A knob value from a threshold field: 100 - value, in signed arithmetic, within 0..100.
int knobFor(quint32 field)
{
    return int(qBound(qint64(0), 100 - qint64(field), qint64(100)));
}

int whole(double value)
{
    return int(qBound(0.0, std::floor(value), 100.0));
}

int parkingIndex(quint32 saveDuration)
{
    return (saveDuration & 0xF0) == kParkingBits ? 1 : 0;
}

// A check box shown checked for any non-zero value: unchanged, the field keeps its value.
quint32 checkValue(const ORXPageState& state, const QString& outlet, quint32 current)
{
    const bool checked = state.isChecked(outlet);
    return checked == (current != 0) ? current : (checked ? 1 : 0);
}
} // namespace

QString ORXObdPageModel::ecoDriveText(int lo)
{
    return ORXCFormat("Eco Drive : %.2f ", (100 - lo) / 100.0) + ORXLocalizedString("over");
}

QString ORXObdPageModel::normalDriveText(int lo, int hi)
{
    return ORXCFormat("Normal Drive : %.2f ~ %.2f", (100 - lo) / 100.0, (100 - hi) / 100.0);
}

QString ORXObdPageModel::unecoDriveText(int hi)
{
    return ORXCFormat("Uneco Drive : %.2f ", (100 - hi) / 100.0) + ORXLocalizedString("under");
}

QStringList ORXObdPageModel::items(const QString& outlet) const
{
    if (outlet == kDay) {
        QStringList list;
        for (const char* key : {"none", "mon", "tue", "wed", "thu", "fri", "sat", "sun"})
            list << ORXLocalizedString(key);
        return list;
    }
    if (outlet == kUnit)
        return {QStringLiteral("Km/h"), QStringLiteral("Mi/h")};
    if (outlet == kOsdSpeed || outlet == kParking)
        return {ORXLocalizedString("off"), ORXLocalizedString("on")};
    if (outlet == kZone)
        return ORXGpsPageModel::timeZoneItems();
    if (outlet == kSaveDuration) {
        QStringList list;
        for (quint32 code : kIntervalCodes)
            list << ORXLocalizedString("nSecond_fmt").arg(code);
        return list;
    }
    if (outlet == kVoltage) {
        QStringList list;
        for (int i = 0; i < kVoltageItems; ++i)
            list << ORXCFormat("%.1fv", (kVoltageBase + i * kVoltageStep) / 1000.0);
        return list;
    }
    return {};
}

ORXPageState ORXObdPageModel::display(const _FILEDATA& r) const
{
    ORXPageState state;
    const qint64 millivolts = r.sd_mem_always_reserved;
    const int voltage = millivolts >= kVoltageBase && millivolts < kVoltageBase + kVoltageItems * kVoltageStep
                            ? int((millivolts - kVoltageBase) / kVoltageStep)
                            : -1;
    int interval = -1;
    for (int i = 0; i < int(std::size(kIntervalCodes)); ++i) {
        if ((r.SaveDuration & 0x0F) == kIntervalCodes[i])
            interval = i;
    }
    // The slider keeps lo <= hi: a record with the eco threshold under the uneco one shows
    // both knobs at hi, as the slider would place them.
    const int hi = knobFor(r.parkingSecurity);
    const int lo = qMin(knobFor(r.drivingSecurity), hi);
    state.choice(kDay, indexIn(r.nodriving_day, kDays))
        .choice(kUnit, indexIn(r.speed_disp_unit, 2))
        .choice(kOsdSpeed, indexIn(r.osd_speed_flag, 2))
        .choice(kZone, indexIn(r.time_gmt, int(kORXTimeZoneOffsets.size())))
        .check(kSummer, r.summer_time != 0)
        .choice(kSaveDuration, interval)
        .choice(kParking, parkingIndex(r.SaveDuration))
        .choice(kVoltage, voltage)
        .check(kExternalPower, r.sd_mem_event_reserved == 1)
        .check(kEcoDrive, r.MemConfig != 0)
        .range(kSlider, lo, hi);
    applyRules(state);
    return state;
}

void ORXObdPageModel::applyRules(ORXPageState& state) const
{
    // External power: no cut-off voltage and no OBD in parking mode.
    const bool external = state.isChecked(kExternalPower);
    state.setEnabled(kVoltage, !external).setEnabled(kParking, !external);
    // A dragged knob snaps to a whole number; the texts follow the knobs.
    const ORXControlState range = state.control(kSlider);
    const int hi = whole(range.high);
    const int lo = qMin(whole(range.low), hi);
    state.range(kSlider, lo, hi)
        .text(kEcoLabel, ecoDriveText(lo))
        .text(kNormalLabel, normalDriveText(lo, hi))
        .text(kUnecoLabel, unecoDriveText(hi));
}

void ORXObdPageModel::clicked(const QString& outlet, ORXPageState& state, _FILEDATA& record) const
{
    if (outlet == kExternalPower)
        record.sd_mem_event_reserved = state.isChecked(kExternalPower) ? 1 : 0;
}

bool ORXObdPageModel::store(const ORXPageState& state, _FILEDATA& r) const
{
    r.nodriving_day = chosenIndex(state, kDay, r.nodriving_day);
    r.speed_disp_unit = chosenIndex(state, kUnit, r.speed_disp_unit);
    if (const int osd = state.index(kOsdSpeed); osd >= 0)
        r.osd_speed_flag = osd;
    if (const int zone = state.index(kZone); zone >= 0)
        r.time_gmt = zone;
    r.summer_time = checkValue(state, kSummer, r.summer_time);

    // Interval: a segment the user picked writes its code; none (a stored 3 or another
    // unknown code) keeps bits 0-3. Parking: only a changed choice touches bits 4-7.
    quint32 save = r.SaveDuration;
    if (const int interval = state.index(kSaveDuration);
        interval >= 0 && interval < int(std::size(kIntervalCodes)))
        save = (save & 0xF0) | kIntervalCodes[interval];
    if (const int parking = state.index(kParking); parking >= 0 && parking != parkingIndex(save))
        save = parking == 1 ? ((save & 0x0F) | kParkingBits) : (save & 0x0F);
    r.SaveDuration = save;

    if (const int voltage = state.index(kVoltage); voltage >= 0 && voltage < kVoltageItems)
        r.sd_mem_always_reserved = quint32(kVoltageBase + voltage * kVoltageStep);
    // External power was stored when it was clicked.
    r.MemConfig = checkValue(state, kEcoDrive, r.MemConfig);

    // The knobs as the record shows them leave both thresholds as stored (a value out of
    // 0..100 or the two the wrong way round stays until the user moves a knob).
    const ORXControlState range = state.control(kSlider);
    const int hi = whole(range.high);
    const int lo = qMin(whole(range.low), hi);
    const int shownHi = knobFor(r.parkingSecurity);
    const int shownLo = qMin(knobFor(r.drivingSecurity), shownHi);
    if (range.kind == ORXControlState::Range && (lo != shownLo || hi != shownHi)) {
        r.drivingSecurity = quint32(100 - lo);
        r.parkingSecurity = quint32(100 - hi);
    }
    return true;
}
