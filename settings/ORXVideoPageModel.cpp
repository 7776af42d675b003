#include "ORXVideoPageModel.h"

#include "ORXLocalizedString.h"

namespace {
const QString kFrontQuality = QStringLiteral("videoEncodingBitrate");
const QString kRearQuality = QStringLiteral("videoEncodingBitrateRear");
const QString kFrontBrightness = QStringLiteral("videoBrightness");
const QString kRearBrightness = QStringLiteral("videoBrightnessRear");
const QString kFlip = QStringLiteral("flipVideoRealSeg");
const QString kRearFps = QStringLiteral("rearfpsSeg");
const QString kFrontTint = QStringLiteral("frontTinting");
const QString kRearTint = QStringLiteral("rearTinting");

QStringList localized(std::initializer_list<const char*> keys)
{
    QStringList list;
    for (const char* key : keys)
        list << ORXLocalizedString(key);
    return list;
}
} // namespace

QStringList ORXVideoPageModel::items(const QString& outlet) const
{
    if (outlet == kFrontQuality || outlet == kRearQuality)
        return localized(
            {"setting.video.quality_normal", "setting.video.quality_high", "setting.video.quality_highest"});
    if (outlet == kFrontBrightness || outlet == kRearBrightness)
        return {QStringLiteral("1"), QStringLiteral("2"),
                QStringLiteral("3(%1)").arg(ORXLocalizedString("default")), QStringLiteral("4"),
                QStringLiteral("5")};
    if (outlet == kFlip)
        return localized({"unuse", "use"});
    if (outlet == kRearFps)
        return localized({"30fps", "15fps"});
    if (outlet == kFrontTint)
        return localized({"cpl_unuse", "cpl_use", "light_tinting", "dark_tinting"});
    if (outlet == kRearTint)
        return localized({"unuse", "light_tinting", "dark_tinting"});
    return {};
}

QStringList ORXVideoPageModel::items(const QString& outlet, const _FILEDATA& record) const
{
    // The first frame rate follows the mains frequency set on the AUX page (50 Hz: 25 fps).
    if (outlet == kRearFps && record.Gamma != 0)
        return localized({"25fps", "15fps"});
    return items(outlet);
}

ORXPageState ORXVideoPageModel::display(const _FILEDATA& record) const
{
    ORXPageState state;
    // A stored index with no segment shows no selection and is kept by store(); the flip
    // and the frame rate show their first segment for anything but 1.
    state.choice(kFrontQuality, indexIn(record.vid_enc_bitrate, 3))
        .choice(kFrontBrightness, indexIn(record.vid_brightness, 5))
        .choice(kRearQuality, indexIn(record.vid_enc_bitrate_R, 3))
        .choice(kRearBrightness, indexIn(record.vid_brightness_R, 5))
        .choice(kFlip, record.flip_video == 1 ? 1 : 0)
        .choice(kRearFps, record.rear_fps == 1 ? 1 : 0)
        .choice(kFrontTint, indexIn(record.front_cpl_use, 4))
        .choice(kRearTint, indexIn(record.rear_cpl_use, 3));
    return state;
}

bool ORXVideoPageModel::store(const ORXPageState& state, _FILEDATA& record) const
{
    record.vid_enc_bitrate = chosenIndex(state, kFrontQuality, record.vid_enc_bitrate);
    record.vid_brightness = chosenIndex(state, kFrontBrightness, record.vid_brightness);
    record.vid_enc_bitrate_R = chosenIndex(state, kRearQuality, record.vid_enc_bitrate_R);
    record.vid_brightness_R = chosenIndex(state, kRearBrightness, record.vid_brightness_R);
    record.flip_video = chosenIndex(state, kFlip, record.flip_video);
    record.rear_fps = chosenIndex(state, kRearFps, record.rear_fps);
    record.front_cpl_use = chosenIndex(state, kFrontTint, record.front_cpl_use);
    record.rear_cpl_use = chosenIndex(state, kRearTint, record.rear_cpl_use);
    return true;
}
