#pragma once

#include "ORXSimRecording.h"

// A simulated recording for tests that need a real AVI with telemetry but not its pictures:
// 64x64 at 5 fps, so writing and cutting it takes milliseconds.
inline ORXSimRecordingOptions tinyRecording(const QString& path, int seconds)
{
    ORXSimRecordingOptions o;
    o.path = path;
    o.durationSeconds = seconds;
    o.width = o.height = 64;
    o.fps = 5;
    return o;
}
