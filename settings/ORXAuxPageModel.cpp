#include "ORXAuxPageModel.h"

#include "ORXCFormat.h"
#include "ORXLocalizedString.h"

#include <array>
#include <cstring>

namespace {
const QString kRatio = QStringLiteral("memeryRatioSlider");
const QString kAlways = QStringLiteral("alwaysField");
const QString kMotion = QStringLiteral("motionField");
const QString kDayTime = QStringLiteral("dayTimeAESeg");
const QString kLcdOff = QStringLiteral("lcdAutoPowerOffSeg");
const QString kGamma = QStringLiteral("gammaSeg");
const QString kLcdBrightness = QStringLiteral("lcdBrightnessSeg");
const QString kLcdNight = QStringLiteral("lcdNightBrightnessSeg");
const QString kParkingRear = QStringLiteral("parkingRearOffSeg");
const QString kScreenSaver = QStringLiteral("lcdScreenSaverSeg");
const QString kParkingAlarm = QStringLiteral("parkingAlarmSeg");
const QString kLength = QStringLiteral("recordingLengthSeg");
const QString kPip = QStringLiteral("pipPositionRadio");
const QString kAutoFormat = QStringLiteral("autoFormatSeg");
const QString kSsid = QStringLiteral("ssidLabel");
const QString kPassword = QStringLiteral("passwordLabel");
const QString kChannel = QStringLiteral("wifiChannelCombo");

constexpr int kMinimumShare = 20; // percent
constexpr int kSsidMin = 6;
constexpr int kPasswordMin = 8;
constexpr int kChannels = 14; // automatic, 1 .. 13
// parking_rear_off by segment: "unuse" turns the rear camera off while parked.
constexpr std::array<int, 2> kParkingRearOff = {1, 0};
// lcd_screensaver by segment: "unuse", "default", "customize".
constexpr std::array<int, 3> kScreenSaverValues = {1, 0, 2};
// pip_position by cell of the 2 x 2 matrix, row by row: top left, top right, bottom left,
// bottom right. Anything else shows the bottom right cell.
constexpr std::array<int, 4> kPipValues = {2, 1, 3, 0};
constexpr int kPipFallback = 3;

QString percent(qint64 value)
{
    return ORXCFormat("%lld%%", static_cast<long long>(value));
}

QStringList localized(std::initializer_list<const char*> keys)
{
    QStringList list;
    for (const char* key : keys)
        list << ORXLocalizedString(key);
    return list;
}

int sliderSteps(const ORXPageState& state)
{
    return qBound(0, qRound(state.value(kRatio)), ORXAuxPageModel::kRatioSteps);
}

// The camera takes the 94 printable ASCII characters from '!' to '~'.
bool isPrintableAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x21 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

std::optional<ORXPageIssue> wifiTextIssue(const QString& outlet, const QString& text, int minimum,
                                          const char* lengthKey, const char* invalidKey)
{
    // At most 16 characters: a longer text would be cut and the camera's name or password
    // would differ from what the user typed.
    if (text.size() < minimum || text.size() > ORXAuxPageModel::kWifiTextMax)
        return ORXPageIssue{outlet, ORXLocalizedString(lengthKey)};
    if (!isPrintableAscii(text))
        return ORXPageIssue{outlet, ORXLocalizedString(invalidKey)};
    return std::nullopt;
}

void storeWifiText(char (&field)[16], const QString& text)
{
    const QByteArray bytes = text.toLatin1().left(ORXAuxPageModel::kWifiTextMax);
    std::memset(field, 0, sizeof field);
    std::memcpy(field, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
} // namespace

QString ORXAuxPageModel::validateSDCardSizeRatio(int share)
{
    return share < kMinimumShare ? ORXLocalizedString("msg.sdcard_ratio_too_low") : QString();
}

QString ORXAuxPageModel::wifiText(const char* field)
{
    const auto length = static_cast<qsizetype>(qstrnlen(field, kWifiTextMax));
    return QString::fromUtf8(field, length);
}

QStringList ORXAuxPageModel::items(const QString& outlet) const
{
    if (outlet == kDayTime)
        return localized({"setting.aux.low", "setting.aux.medium_sedan", "setting.aux.high_suv"});
    if (outlet == kLcdOff) {
        QStringList list{ORXLocalizedString("none")};
        for (int seconds : {15, 30, 60})
            list << ORXLocalizedString("nSecond_fmt").arg(seconds);
        return list;
    }
    if (outlet == kGamma)
        return {QStringLiteral("60Hz(30fps)"), QStringLiteral("50Hz(25fps)")};
    if (outlet == kLcdBrightness)
        return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    if (outlet == kLcdNight || outlet == kParkingRear || outlet == kParkingAlarm)
        return localized({"unuse", "use"});
    if (outlet == kScreenSaver)
        return localized({"unuse", "default", "customize"});
    if (outlet == kLength)
        return localized({"5min", "3min"});
    if (outlet == kAutoFormat)
        return localized(
            {"unuse", "setting.aux.4week", "setting.aux.8week", "setting.aux.16week", "setting.aux.32week"});
    if (outlet == kChannel) {
        QStringList list{QStringLiteral("   0(Auto)")};
        for (int channel = 1; channel < kChannels; ++channel)
            list << QStringLiteral("%1").arg(channel, 4);
        return list;
    }
    return {};
}

ORXPageState ORXAuxPageModel::display(const _FILEDATA& record) const
{
    // A stored number with no segment or item shows none and is kept by store(); only the
    // picture-in-picture matrix falls back (to the bottom right cell).
    ORXPageState state;
    state.number(kRatio, qMin<qint64>(record.sd_mem_always_ratio / 10, kRatioSteps))
        .text(kAlways, percent(record.sd_mem_always_ratio))
        .text(kMotion, percent(record.sd_mem_motion_ratio))
        .choice(kDayTime, indexIn(record.DayTime, 3))
        .choice(kLcdOff, indexIn(record.lcd_autopoweroff, 4))
        .choice(kGamma, indexIn(record.Gamma, 2))
        .choice(kLcdBrightness, indexIn(record.lcd_brightness, 3))
        .choice(kLcdNight, indexIn(record.lcd_brightness_night, 2))
        .choice(kParkingRear, indexOf<int>(kParkingRearOff, record.parking_rear_off))
        .choice(kScreenSaver, indexOf<int>(kScreenSaverValues, record.lcd_screensaver))
        .choice(kParkingAlarm, indexIn(record.parking_alarm, 2))
        .choice(kLength, indexIn(record.always_mode_recording_time, 2))
        .choice(kPip, indexOf<int>(kPipValues, record.pip_position, kPipFallback))
        .choice(kAutoFormat, indexIn(record.autoFormatAlarm, 5))
        .text(kSsid, wifiText(record.wifi_ssid))
        .text(kPassword, wifiText(record.wifi_password))
        .choice(kChannel, indexIn(record.wifi_channel, kChannels));
    return state;
}

void ORXAuxPageModel::clicked(const QString& outlet, ORXPageState& state, _FILEDATA& record) const
{
    Q_UNUSED(record)
    // Moving the slider shows the split it stands for; the record changes on store.
    if (outlet == kRatio) {
        const int always = sliderSteps(state) * 10;
        state.text(kAlways, percent(always)).text(kMotion, percent(100 - always));
    }
}

std::optional<ORXPageIssue> ORXAuxPageModel::validate(const ORXPageState& state) const
{
    const int always = sliderSteps(state) * 10;
    for (int share : {always, 100 - always}) {
        if (const QString message = validateSDCardSizeRatio(share); !message.isNull())
            return ORXPageIssue{kRatio, message};
    }
    return std::nullopt;
}

std::optional<ORXPageIssue> ORXAuxPageModel::wifiIssue(const ORXPageState& state)
{
    if (auto issue = wifiTextIssue(kSsid, state.textOf(kSsid), kSsidMin, "setting.aux.ssid_length",
                                   "setting.aux.ssid_invalid"))
        return issue;
    return wifiTextIssue(kPassword, state.textOf(kPassword), kPasswordMin, "setting.aux.password_length",
                         "setting.aux.password_invalid");
}

bool ORXAuxPageModel::store(const ORXPageState& state, _FILEDATA& record) const
{
    const int always = sliderSteps(state) * 10;
    record.sd_mem_always_ratio = static_cast<quint32>(always);
    record.sd_mem_motion_ratio = static_cast<quint32>(100 - always);
    record.DayTime = chosenIndex(state, kDayTime, record.DayTime);
    record.lcd_autopoweroff = chosenIndex(state, kLcdOff, record.lcd_autopoweroff);
    record.Gamma = chosenIndex(state, kGamma, record.Gamma);
    record.lcd_brightness = chosenIndex(state, kLcdBrightness, record.lcd_brightness);
    record.lcd_brightness_night = chosenIndex(state, kLcdNight, record.lcd_brightness_night);
    record.parking_rear_off =
        static_cast<quint32>(chosenValue<int>(state, kParkingRear, kParkingRearOff, record.parking_rear_off));
    record.lcd_screensaver = static_cast<quint32>(
        chosenValue<int>(state, kScreenSaver, kScreenSaverValues, record.lcd_screensaver));
    record.parking_alarm = chosenIndex(state, kParkingAlarm, record.parking_alarm);
    record.always_mode_recording_time = chosenIndex(state, kLength, record.always_mode_recording_time);
    record.pip_position =
        static_cast<quint32>(chosenValue<int>(state, kPip, kPipValues, record.pip_position));
    record.autoFormatAlarm = chosenIndex(state, kAutoFormat, record.autoFormatAlarm);
    // The Wi-Fi fields last: a name or password the camera cannot take leaves them, and the
    // channel, as they were.
    if (wifiIssue(state))
        return false;
    storeWifiText(record.wifi_ssid, state.textOf(kSsid));
    storeWifiText(record.wifi_password, state.textOf(kPassword));
    record.wifi_channel = chosenIndex(state, kChannel, record.wifi_channel);
    return true;
}
