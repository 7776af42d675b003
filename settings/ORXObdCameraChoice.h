#pragma once

#include <QString>

// Whether the settings window treats the camera as an OBD camera: its tab 2 then shows the
// OBD page instead of the GPS page (the two use `SaveDuration` differently, so one record is
// never edited by both), and an extra tab shows the card's OBD log. It is an OBD camera when
// the card holds an OBD log ("DrvInfo/*.obd") or when the user said so (a user setting).
namespace ORXObdCameraChoice {
inline constexpr char kObdCamera[] = "obdCamera";
inline constexpr bool kObdCameraDefault = false;

bool chosen();
void setChosen(bool on);

// The drive logs found on a card (or a card copy) below its root folder. Reads the card:
// call it off the GUI thread.
struct CardLogs
{
    QString flashLogPath; // "DrvInfo/orvex_000.drv" when it is a file there
    QString obdLogPath;   // the newest "DrvInfo/*.obd" file (latest change, then name)
};
CardLogs findCardLogs(const QString& cardRoot);
} // namespace ORXObdCameraChoice
