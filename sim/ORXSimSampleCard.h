#pragma once

#include <QString>

// Writes a small card as the camera leaves it (recordings of every kind under DCIM) into
// dir, creating it when needed. Returns false with a message in *error when it cannot.
bool ORXSimWriteSampleCard(const QString& dir, QString* error); // the small sample card
