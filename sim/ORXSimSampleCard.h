#pragma once

#include <QString>

// Writes a small card as the camera leaves it (recordings of every kind under DCIM) into
// dir, creating it when needed. Returns false with a message in *error when it cannot.
// The sample card is a GPS camera's card: its OBD drive log is written beside it, at
// ORXSimSampleCardObdLogPath(dir) ("DIR-obd/orvex_000.obd"), not into its DrvInfo folder.
bool ORXSimWriteSampleCard(const QString& dir, QString* error); // the small sample card
QString ORXSimSampleCardObdLogPath(const QString& dir);
