#pragma once

#include "ORXAviRecords.h"
#include "ORXSimNmea.h"
#include "ORXSimRecording.h"

#include <QVector>

// The side-stream records of one recording: G-sensor samples and GPS fixes taken from the
// simulated drive, stamped with the camera's uptime clock in milliseconds.
class ORXSimTelemetry
{
public:
    explicit ORXSimTelemetry(const ORXSimRecordingOptions& options);

    QVector<_AVI_GSENSOR_DATA_T> gsensorRecords() const;
    QVector<_AVI_GPS_DATA_T> gpsRecords() const;

    // The camera's uptime at this many seconds into the recording.
    quint32 clockMs(double secondsIntoRecording) const;
    // Satellites in use and dilutions at this many seconds into the recording.
    ORXSimNmea::Solution solutionAt(double secondsIntoRecording) const;

private:
    _AVI_GSENSOR_DATA_T gsensorAt(int index) const;
    _AVI_GPS_DATA_T gpsAt(int second, double distanceMetres) const;
    double noise(quint64 key) const; // deterministic, in [-1, 1)

    ORXSimRecordingOptions m_options;
};
