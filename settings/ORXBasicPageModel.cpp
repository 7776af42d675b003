#include "ORXBasicPageModel.h"

#include "ORXCFormat.h"
#include "ORXLocalizedString.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <array>
#include <cmath>

namespace {
const QString kDisplayMode = QStringLiteral("osdOptionSeg");
const QString kTimeout = QStringLiteral("alwaysModeTimeoutSeg");
const QString kGsensorEnable = QStringLiteral("gsensorEnableChk");
const QString kDriving = QStringLiteral("gsensorSensitivityDrivingSeg");
const QString kParking = QStringLiteral("gsensorSensitivityParkingSeg");
const QString kDrivingFields[] = {QStringLiteral("gsensorSensitivityThresholdXDrivingField"),
                                  QStringLiteral("gsensorSensitivityThresholdYDrivingField"),
                                  QStringLiteral("gsensorSensitivityThresholdZDrivingField")};
const QString kParkingFields[] = {QStringLiteral("gsensorSensitivityThresholdXParkingField"),
                                  QStringLiteral("gsensorSensitivityThresholdYParkingField"),
                                  QStringLiteral("gsensorSensitivityThresholdZParkingField")};
const QString kFrontLed = QStringLiteral("frontLedOffChk");
const QString kRearLed = QStringLiteral("rearLedOffChk");
const QString kComposite = QStringLiteral("compositeModeSeg");
const QString kPlate = QStringLiteral("carNumberField");
const QString kVoltage = QStringLiteral("powerVoltageCombo");
const QString kTimer = QStringLiteral("powerTimeCombo");
const QString kExternalPower = QStringLiteral("useExternalPowerChk");
const QString kCableLoss = QStringLiteral("cableLossCombo");
const QString kRearCamera[] = {QStringLiteral("externalRearCameraUse"),
                               QStringLiteral("externalRearCameraUseEvent"),
                               QStringLiteral("externalRearCameraUseMotion")};

// T1: auto-parking waiting time, seconds; an unknown value shows index 2.
constexpr std::array<int, 9> kTimeouts = {0, 10, 30, 60, 120, 180, 300, 420, 600};
constexpr int kTimeoutFallback = 2;
// T2: impact presets in hundredths of g: driving X, driving Y and Z, parking X, Y and Z.
struct Preset
{
    int drivingX;
    int drivingYZ;
    int parking;
};
constexpr std::array<Preset, 5> kPresets = {
    {{70, 65, 25}, {60, 55, 20}, {50, 45, 15}, {40, 35, 12}, {30, 25, 8}}};
// T3: cut-off voltage, millivolts; an unknown value shows index 8 (12.0 V).
constexpr std::array<int, 13> kVoltages = {0,     1,     10000, 11500, 11600, 11700, 11800,
                                           11900, 12000, 12100, 12200, 12300, 12400};
constexpr int kVoltageFallback = 8;
// T4: cut-off timer, hours; an unknown value shows index 0.
constexpr std::array<int, 8> kTimerHours = {0, 3, 6, 9, 12, 24, 36, 48};
constexpr int kCableLossItems = 7;
constexpr double kThresholdMin = 0.05;
constexpr double kThresholdMax = 1.5;

QString hundredths(qint64 value)
{
    return ORXCFormat("%.2f", double(value) / 100.0);
}

int drivingPresetIndex(qint64 x, qint64 y, qint64 z)
{
    for (std::size_t i = 0; i < kPresets.size(); ++i) {
        if (kPresets[i].drivingX == x && kPresets[i].drivingYZ == y && kPresets[i].drivingYZ == z)
            return int(i);
    }
    return ORXBasicPageModel::kCustomSensitivity;
}

int parkingPresetIndex(qint64 x, qint64 y, qint64 z)
{
    for (std::size_t i = 0; i < kPresets.size(); ++i) {
        if (kPresets[i].parking == x && kPresets[i].parking == y && kPresets[i].parking == z)
            return int(i);
    }
    return ORXBasicPageModel::kCustomSensitivity;
}

QString plateFromRecord(const _FILEDATA& record)
{
    const QByteArray bytes = QByteArray(record.szPlateNumber, sizeof record.szPlateNumber);
    const QByteArray text = bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder(text);
    return decoder.hasError() ? QString() : decoded;
}

// The stored threshold for a field: round(number * 100); the current value when the field
// holds no number.
qint32 thresholdValue(const ORXPageState& state, const QString& outlet, qint32 current)
{
    const std::optional<double> number = ORXBasicPageModel::thresholdNumber(state.textOf(outlet));
    return number ? static_cast<qint32>(std::lround(*number * 100.0)) : current;
}

quint32 withBit(quint32 value, int bit, bool on)
{
    return on ? value | (1u << bit) : value & ~(1u << bit);
}
} // namespace

std::optional<double> ORXBasicPageModel::thresholdNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?(?:\d+(?:[.,]\d*)?|[.,]\d+)))"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString digits = match.captured(1);
    digits.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString ORXBasicPageModel::validateGsensorThreshold(const QString& text)
{
    const QString range = ORXLocalizedString("msg.gsensor_outofrange_fmt")
                              .arg(ORXCFormat("%.2f", kThresholdMin), ORXCFormat("%.1f", kThresholdMax));
    // An empty field would store 0, which switches the axis off: refused like any other
    // value out of range.
    if (text.trimmed().isEmpty())
        return range;
    const std::optional<double> value = thresholdNumber(text);
    if (!value)
        return ORXLocalizedString("msg.input_value_invalid_format");
    if (*value < kThresholdMin || *value > kThresholdMax)
        return range;
    return QString();
}

QString ORXBasicPageModel::plateText(const QString& typed)
{
    QString plate;
    for (QChar c : typed) {
        if (plate.size() == 8)
            break;
        const char16_t u = c.unicode();
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'))
            plate += c;
    }
    return plate;
}

QStringList ORXBasicPageModel::items(const QString& outlet) const
{
    if (outlet == kDisplayMode)
        return {ORXLocalizedString("setting.basic.segment_display1"),
                ORXLocalizedString("setting.basic.segment_display2"),
                ORXLocalizedString("setting.basic.segment_display3"),
                ORXLocalizedString("setting.basic.segment_display4")};
    if (outlet == kTimeout) {
        QStringList list{ORXLocalizedString("unuse"), ORXLocalizedString("nSecond_fmt").arg(10),
                         ORXLocalizedString("nSecond_fmt").arg(30)};
        for (int minutes : {1, 2, 3, 5, 7, 10})
            list << ORXLocalizedString("nMinute_fmt").arg(minutes);
        return list;
    }
    if (outlet == kDriving || outlet == kParking)
        return {QStringLiteral("1(%1)").arg(ORXLocalizedString("insensitive")),
                QStringLiteral("2"),
                QStringLiteral("3"),
                QStringLiteral("4"),
                QStringLiteral("5(%1)").arg(ORXLocalizedString("sensitive")),
                ORXLocalizedString("setting.basic.customize")};
    if (outlet == kComposite)
        return {QStringLiteral("NTSC"), QStringLiteral("PAL")};
    if (outlet == kVoltage) {
        QStringList list{ORXLocalizedString("unuse"), ORXLocalizedString("auto"),
                         ORXLocalizedString("externpower")};
        for (std::size_t i = 3; i < kVoltages.size(); ++i)
            list << ORXCFormat("%.1fv / %.1fv", kVoltages[i] / 1000.0, kVoltages[i] / 500.0);
        return list;
    }
    if (outlet == kTimer) {
        QStringList list{ORXLocalizedString("unuse")};
        for (std::size_t i = 1; i < kTimerHours.size(); ++i)
            list << ORXLocalizedString("nHour_fmt").arg(kTimerHours[i]);
        return list;
    }
    if (outlet == kCableLoss) {
        QStringList list{ORXLocalizedString("none")};
        for (int tenths = 1; tenths < kCableLossItems; ++tenths)
            list << ORXCFormat("%.1fv", tenths / 10.0);
        return list;
    }
    return {};
}

ORXPageState ORXBasicPageModel::display(const _FILEDATA& record) const
{
    ORXPageState state;
    state.choice(kDisplayMode, indexIn(record.disp_segment_mode, 4))
        .choice(kTimeout, indexOf<int>(kTimeouts, record.always_mode_timeout, kTimeoutFallback))
        .check(kGsensorEnable, record.g_sensor_enable != 0)
        .choice(kDriving,
                drivingPresetIndex(record.gsen_x_threshold, record.gsen_y_threshold, record.gsen_z_threshold))
        .text(kDrivingFields[0], hundredths(record.gsen_x_threshold))
        .text(kDrivingFields[1], hundredths(record.gsen_y_threshold))
        .text(kDrivingFields[2], hundredths(record.gsen_z_threshold))
        .choice(kParking, parkingPresetIndex(record.parkmode_x_threshold, record.parkmode_y_threshold,
                                             record.parkmode_z_threshold))
        .text(kParkingFields[0], hundredths(record.parkmode_x_threshold))
        .text(kParkingFields[1], hundredths(record.parkmode_y_threshold))
        .text(kParkingFields[2], hundredths(record.parkmode_z_threshold))
        .check(kFrontLed, record.ledoff == 0)
        .check(kRearLed, record.ledoff_rear == 0)
        .choice(kComposite, indexIn(record.composite_mode, 2))
        .text(kPlate, plateFromRecord(record))
        .choice(kVoltage, indexOf<int>(kVoltages, record.sd_mem_always_reserved, kVoltageFallback))
        .choice(kTimer, indexOf<int>(kTimerHours, record.sd_mem_motion_reserved, 0))
        .check(kExternalPower, record.sd_mem_event_reserved == 1);
    // A cable loss of 0 is taken as the default 0.3 V (4); values past the last item show
    // no selection.
    const qint64 cableLoss = record.CableVoltCorr == 0 ? 4 : record.CableVoltCorr;
    state.choice(kCableLoss, indexIn(cableLoss - 1, kCableLossItems));
    for (int bit = 0; bit < 3; ++bit)
        state.check(kRearCamera[bit], (record.external_rear_camera >> bit) & 1u);
    applyRules(state);
    return state;
}

void ORXBasicPageModel::applyRules(ORXPageState& state) const
{
    // The thresholds follow the chosen presets; the custom segment keeps what they show.
    const int driving = state.index(kDriving);
    const int parking = state.index(kParking);
    for (int axis = 0; axis < 3; ++axis) {
        if (driving >= 0 && driving < kCustomSensitivity)
            state.text(kDrivingFields[axis],
                       hundredths(axis == 0 ? kPresets[driving].drivingX : kPresets[driving].drivingYZ));
        if (parking >= 0 && parking < kCustomSensitivity)
            state.text(kParkingFields[axis], hundredths(kPresets[parking].parking));
        state.setEnabled(kDrivingFields[axis], driving == kCustomSensitivity);
        state.setEnabled(kParkingFields[axis], parking == kCustomSensitivity);
    }
    const bool gsensor = state.isChecked(kGsensorEnable);
    state.setEnabled(kDriving, gsensor);
    state.setEnabled(kParking, gsensor || driving == kCustomSensitivity);

    const bool externalPower = state.isChecked(kExternalPower);
    state.setEnabled(kVoltage, !externalPower).setEnabled(kTimer, !externalPower);

    const bool rearCamera = state.isChecked(kRearCamera[0]);
    state.setEnabled(kRearCamera[1], rearCamera).setEnabled(kRearCamera[2], rearCamera);
}

std::optional<ORXPageIssue> ORXBasicPageModel::validate(const ORXPageState& state) const
{
    const std::pair<const QString&, const QString*> groups[] = {{kDriving, kDrivingFields},
                                                                {kParking, kParkingFields}};
    for (const auto& [segment, fields] : groups) {
        if (state.index(segment) != kCustomSensitivity)
            continue; // presets are never checked
        for (int axis = 0; axis < 3; ++axis) {
            const QString message = validateGsensorThreshold(state.textOf(fields[axis]));
            if (!message.isNull())
                return ORXPageIssue{fields[axis], message};
        }
    }
    return std::nullopt;
}

bool ORXBasicPageModel::store(const ORXPageState& state, _FILEDATA& record) const
{
    record.disp_segment_mode = chosenIndex(state, kDisplayMode, record.disp_segment_mode);
    record.always_mode_timeout =
        quint32(chosenValue<int>(state, kTimeout, kTimeouts, record.always_mode_timeout));
    record.g_sensor_enable = state.isChecked(kGsensorEnable) ? 1 : 0;

    record.gsen_x_threshold = thresholdValue(state, kDrivingFields[0], record.gsen_x_threshold);
    record.gsen_y_threshold = thresholdValue(state, kDrivingFields[1], record.gsen_y_threshold);
    record.gsen_z_threshold = thresholdValue(state, kDrivingFields[2], record.gsen_z_threshold);
    record.parkmode_x_threshold = thresholdValue(state, kParkingFields[0], record.parkmode_x_threshold);
    record.parkmode_y_threshold = thresholdValue(state, kParkingFields[1], record.parkmode_y_threshold);
    record.parkmode_z_threshold = thresholdValue(state, kParkingFields[2], record.parkmode_z_threshold);

    record.ledoff = state.isChecked(kFrontLed) ? 0 : 1;
    record.ledoff_rear = state.isChecked(kRearLed) ? 0 : 1;
    record.composite_mode = chosenIndex(state, kComposite, record.composite_mode);

    // The plate is filtered here too: a tab click does not end the field's editing.
    setConfigFieldText(&record, *findConfigField("szPlateNumber"),
                       plateText(state.textOf(kPlate)).toLatin1());

    record.sd_mem_always_reserved =
        quint32(chosenValue<int>(state, kVoltage, kVoltages, record.sd_mem_always_reserved));
    record.sd_mem_motion_reserved =
        quint32(chosenValue<int>(state, kTimer, kTimerHours, record.sd_mem_motion_reserved));
    record.sd_mem_event_reserved = state.isChecked(kExternalPower) ? 1 : 0;
    const int cableLoss = state.index(kCableLoss);
    if (cableLoss >= 0)
        record.CableVoltCorr = quint32(cableLoss + 1);
    else if (record.CableVoltCorr == 0)
        record.CableVoltCorr = 4;

    quint32 rearCamera = record.external_rear_camera;
    for (int bit = 0; bit < 3; ++bit)
        rearCamera = withBit(rearCamera, bit, state.isChecked(kRearCamera[bit]));
    record.external_rear_camera = rearCamera;
    return true;
}

void ORXBasicPageModel::clicked(const QString& outlet, ORXPageState& state, _FILEDATA& record) const
{
    if (outlet == kExternalPower)
        record.sd_mem_event_reserved = state.isChecked(kExternalPower) ? 1 : 0;
    else if (outlet == kRearCamera[0])
        record.external_rear_camera =
            withBit(record.external_rear_camera, 0, state.isChecked(kRearCamera[0]));
}
