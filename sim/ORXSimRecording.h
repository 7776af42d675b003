#pragma once

#include "ORXAviRecords.h"
#include "ORXSimRoute.h"

#include <QString>
#include <QVector>

// What one simulated recording holds and how it is written.
struct ORXSimRecordingOptions
{
    QString path;
    int durationSeconds = 10;
    int width = 640, height = 360, fps = 30;
    bool front = true;        // channel drawn on the frames ("FRONT"/"REAR")
    bool audio = true;        // 16-bit PCM '01wb' stream
    bool sparseVideo = false; // video chunks as sparse holes (benchmarks): index entries, no JPEG data
    // The black-and-white frame-number strip along the bottom, which the sync benchmark and
    // the engine tests read back; without it the frames look like the camera's own.
    bool frameNumberStrip = true;
    enum Receiver
    {
        GpsOnly,
        GpsGlonass
    } receiver = GpsOnly;
    bool speedInKmh = true; // KM '9' and km/h, else mph
    ORXSimRoute route;
    double routeOffsetSeconds = 0; // where on the route this recording starts
    int gsensorPerSecond = 10;
    bool gps = true, gsensor = true;
    // faults, for tests
    bool outOfOrderData = false; // some side-stream records' data written out of index order
    bool oversizedNLen = false;  // one GPS record claims nLen > 508
    qint64 truncateAt = -1;      // cut the finished file to this many bytes
    bool notRiff = false;        // first four bytes not "RIFF"
};

// Exactly what was written to the side stream, in index order.
struct ORXSimRecordingInfo
{
    QVector<_AVI_GSENSOR_DATA_T> gsensor;
    QVector<_AVI_GPS_DATA_T> gps;
    int videoFrames = 0;
};

// Writes one recording in the camera's AVI layout. Returns false with a message in *error
// (when given) if the options make no sense or the file cannot be written. info may be null.
bool ORXSimWriteRecording(const ORXSimRecordingOptions& options, ORXSimRecordingInfo* info, QString* error);
