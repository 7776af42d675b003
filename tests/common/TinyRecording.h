#pragma once

#include "ORXSimRecording.h"

// A real AVI with telemetry but tiny pictures (64x64 at 5 fps): written and cut in milliseconds.
inline ORXSimRecordingOptions tinyRecording(const QString& path, int seconds)
{
    ORXSimRecordingOptions o;
    o.path = path;
    o.durationSeconds = seconds;
    o.width = o.height = 64;
    o.fps = 5;
    return o;
}
