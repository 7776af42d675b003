#include "ORXAudioPageModel.h"

#include "ORXLocalizedString.h"

namespace {
const QString kMic = QStringLiteral("micSeg");
const QString kSpeaker = QStringLiteral("speakerSeg");
const QString kHourly = QStringLiteral("useEveryHourNoticeChk");
const QString kLanguage = QStringLiteral("voiceLangRadio");
const QString kMalaysiaRadio = QStringLiteral("malaysiaRadio");
constexpr int kVolumes = 4; // off, 1 (low) .. 3 (loud)

// The voice languages by the value the camera stores.
constexpr const char* kLanguageKeys[ORXAudioPageModel::kLanguageCount] = {"Korean",
                                                                          "English",
                                                                          "French",
                                                                          "Spanish.Europe",
                                                                          "Arabic",
                                                                          "Chinese",
                                                                          "Russian",
                                                                          "Japanese",
                                                                          "Thai",
                                                                          "BahasaIndonesia",
                                                                          "Vietnamese",
                                                                          "Mongolian",
                                                                          "Spanish.SouthAmerica",
                                                                          "German",
                                                                          "Turkish",
                                                                          "Italian",
                                                                          "Hindi",
                                                                          "Cantonese",
                                                                          "Czech",
                                                                          "Portuguese"};
} // namespace

QStringList ORXAudioPageModel::items(const QString& outlet) const
{
    if (outlet == kMic || outlet == kSpeaker)
        return {ORXLocalizedString("unuse"), QStringLiteral("1(%1)").arg(ORXLocalizedString("setting.aux.volume_low")),
                QStringLiteral("2"), QStringLiteral("3(%1)").arg(ORXLocalizedString("setting.aux.volume_up"))};
    if (outlet == kLanguage) {
        QStringList list;
        for (const char* key : kLanguageKeys)
            list << ORXLocalizedString(key);
        return list;
    }
    return {};
}

ORXPageState ORXAudioPageModel::display(const _FILEDATA& record) const
{
    // A language above Malaysia has no cell: nothing is chosen and store() keeps it.
    ORXPageState state;
    state.choice(kMic, indexIn(record.aud_input_vol, kVolumes))
        .choice(kSpeaker, indexIn(record.aud_output_vol, kVolumes))
        .check(kHourly, record.alarm_ontime_flag != 0)
        .choice(kLanguage, indexIn(record.Brightness1, kLanguageCount))
        .check(kMalaysiaRadio, record.Brightness1 == kMalaysia);
    return state;
}

void ORXAudioPageModel::clicked(const QString& outlet, ORXPageState& state, _FILEDATA& record) const
{
    // Exactly one language is chosen: a cell or the Malaysia radio. Malaysia is written at
    // once; clicking it again does not turn it off (a cell does).
    if (outlet == kLanguage && state.index(kLanguage) >= 0) {
        state.check(kMalaysiaRadio, false);
    } else if (outlet == kMalaysiaRadio && (state.isChecked(kMalaysiaRadio) || state.index(kLanguage) < 0)) {
        state.check(kMalaysiaRadio, true).choice(kLanguage, -1);
        record.Brightness1 = kMalaysia;
    }
}

bool ORXAudioPageModel::store(const ORXPageState& state, _FILEDATA& record) const
{
    record.aud_input_vol = chosenIndex(state, kMic, record.aud_input_vol);
    record.aud_output_vol = chosenIndex(state, kSpeaker, record.aud_output_vol);
    record.alarm_ontime_flag = state.isChecked(kHourly) ? 1 : 0;
    record.Brightness1 =
        state.isChecked(kMalaysiaRadio) ? kMalaysia : chosenIndex(state, kLanguage, record.Brightness1);
    return true;
}
