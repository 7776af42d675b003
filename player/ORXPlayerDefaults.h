#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

// The player's own user settings, each key and its default declared once (QSettings of
// organization "ORVEX", application "orvex", as the rest of the program).
namespace ORXPlayerDefaults {
// The language list the program runs with; the player stores ("en") at every launch, so from
// the second start on the program runs with its English texts.
inline constexpr char kAppleLanguages[] = "AppleLanguages";
// Set at every layout; kept for the record, nothing on this platform reads it.
inline constexpr char kVisualizeConstraints[] = "NSConstraintBasedLayoutVisualizeMutuallyExclusiveConstraints";
// The folder opened last, opened again at the next start.
inline constexpr char kLastFolder[] = "lastFolder";
// The recording list's filter: the kind shown (-1 every kind, 0 always, 1 motion, 2 event)
// and the day shown ("yyyymmdd", empty for every day).
inline constexpr char kFilterKind[] = "recordingFilterKind";
inline constexpr int kFilterKindDefault = -1;
inline constexpr char kFilterDay[] = "recordingFilterDay";

inline QSettings settings()
{
    return QSettings(QStringLiteral("ORVEX"), QStringLiteral("orvex"));
}
} // namespace ORXPlayerDefaults
