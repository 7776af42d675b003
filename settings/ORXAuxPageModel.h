#pragma once

#include "ORXSettingPageModel.h"

#include <optional>

// Tab 3: the card's split between continuous and motion recording, exposure, screen,
// mains frequency, parking, recording length, picture-in-picture, automatic format and the
// camera's Wi-Fi access point. Leaving the page is refused for a share under 20 percent
// (nothing stored) and for a Wi-Fi name or password the camera cannot take (everything
// but the Wi-Fi fields stored).
class ORXAuxPageModel : public ORXSettingPageModel
{
public:
    QString name() const override { return QStringLiteral("aux"); }
    ORXPageState display(const _FILEDATA& record) const override;
    std::optional<ORXPageIssue> validate(const ORXPageState& state) const override;
    bool store(const ORXPageState& state, _FILEDATA& record) const override;
    QStringList items(const QString& outlet) const override;
    void clicked(const QString& outlet, ORXPageState& state, _FILEDATA& record) const override;

    // The slider counts tenths of the card given to continuous recording.
    static constexpr int kRatioSteps = 10;
    // The camera's Wi-Fi name and password: 6 (8) to 16 printable ASCII characters.
    static constexpr int kWifiTextMax = 16;
    // Null when a share of the card (percent) is acceptable, else the message.
    static QString validateSDCardSizeRatio(int percent);
    // The first Wi-Fi text the camera cannot take (its outlet and message), or nothing.
    static std::optional<ORXPageIssue> wifiIssue(const ORXPageState& state);
    // A text of the camera's Wi-Fi field: up to the first zero byte or 16 bytes; bytes
    // that are not UTF-8 show as the replacement character.
    static QString wifiText(const char* field);
};
