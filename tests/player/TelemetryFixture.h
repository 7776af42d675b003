#pragma once

#include "ORXBlackBoxData.h"
#include "TinyRecording.h"

// A simulated recording on the given route, and its telemetry read back as the player reads it.
inline bool writeAndExtract(const QString& path, ORXSimHemisphere hemisphere, ORXBlackBoxData* box,
                            int seconds = 10)
{
    ORXSimRecordingOptions options = tinyRecording(path, seconds);
    options.route = ORXSimRoute(hemisphere);
    if (!ORXSimWriteRecording(options, nullptr, nullptr))
        return false;
    box->setWaitAfterRead(0);
    box->setIndexTraceEnabled(false);
    return box->ExtractStreamInformation(path);
}
