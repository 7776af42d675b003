#pragma once

#include "ORXBlackBoxData.h"
#include "ORXSimRecording.h"

#include <QString>

// A simulated recording on the given route, and its telemetry read back as the player reads it.
inline bool writeAndExtract(const QString& path, ORXSimHemisphere hemisphere, ORXBlackBoxData* box,
                            int seconds = 10)
{
    ORXSimRecordingOptions options;
    options.path = path;
    options.durationSeconds = seconds;
    options.width = 160;
    options.height = 90;
    options.audio = false;
    options.route = ORXSimRoute(hemisphere);
    QString error;
    if (!ORXSimWriteRecording(options, nullptr, &error)) {
        qWarning("simulator: %s", qPrintable(error));
        return false;
    }
    box->setWaitAfterRead(0);
    box->setIndexTraceEnabled(false);
    return box->ExtractStreamInformation(path);
}
