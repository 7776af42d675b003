#pragma once

#include "ORXSettingPageModel.h"

// Tab 5: microphone and speaker volume, the hourly chime and the language of the camera's
// voice guidance. The language is one cell of a matrix of twenty (counted row by row) or
// the separate Malaysia radio button, which is written into the record when it is chosen.
class ORXAudioPageModel : public ORXSettingPageModel
{
public:
    QString name() const override { return QStringLiteral("audio"); }
    ORXPageState display(const _FILEDATA& record) const override;
    bool store(const ORXPageState& state, _FILEDATA& record) const override;
    QStringList items(const QString& outlet) const override;
    void clicked(const QString& outlet, ORXPageState& state, _FILEDATA& record) const override;

    static constexpr int kLanguageCount = 20;
    // The language value of the Malaysia radio button.
    static constexpr quint32 kMalaysia = 20;
};
