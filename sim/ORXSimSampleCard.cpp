#include "ORXSimSampleCard.h"

#include "ORXSimCardFiles.h"

#include "ORXSimLog.h"
#include "ORXSimRecording.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

namespace {
// One moment the camera recorded: a front file, and a rear file unless the rear camera
// was not fitted.
struct Clip
{
    const char* folder;
    const char* prefix;
    int routeIndex;
    int offsetSeconds; // into the drive
    int durationSeconds;
    bool rear;
    bool audio;
    ORXSimRecordingOptions::Receiver receiver;
    bool kmh;
};

// Two drives: one in the north-east with a GPS-only receiver in km/h, one in the
// south-west with a GPS+GLONASS receiver in mph.
ORXSimRoute route(int index)
{
    if (index == 0)
        return ORXSimRoute(ORXSimHemisphere::NorthEast,
                           QDateTime(QDate(2023, 1, 5), QTime(13, 45, 1), Qt::UTC), 1);
    return ORXSimRoute(ORXSimHemisphere::SouthWest, QDateTime(QDate(2023, 3, 18), QTime(9, 12, 30), Qt::UTC),
                       7);
}

constexpr auto GP = ORXSimRecordingOptions::GpsOnly;
constexpr auto GN = ORXSimRecordingOptions::GpsGlonass;

// About three minutes of video in all.
constexpr Clip kClips[] = {
    {"DCIM/ALWAYS", "alwa_", 0, 0, 20, true, true, GP, true},
    {"DCIM/ALWAYS", "alwa_", 0, 20, 20, true, false, GP, true},
    {"DCIM/MOTION", "motion_", 0, 140, 10, true, true, GN, true},
    {"DCIM/EVENT", "event_", 0, 47, 10, false, true, GP, true},
    {"DCIM/ALWAYS", "alwa_", 1, 0, 20, true, false, GN, false},
    {"DCIM/EVENT", "event_", 1, 23, 10, true, true, GN, false},
};

// The camera names a file after the moment it started: prefix yyyymmdd_hhmmss _F/_R.avi
QString fileName(const Clip& clip, const QDateTime& start, bool front)
{
    return QString::fromLatin1(clip.prefix) + start.toString(QStringLiteral("yyyyMMdd_HHmmss")) +
           (front ? QStringLiteral("_F.avi") : QStringLiteral("_R.avi"));
}

bool writeClip(const QDir& card, const Clip& clip, QString* error)
{
    const ORXSimRoute drive = route(clip.routeIndex);
    const QDateTime start = drive.startUtc().addSecs(clip.offsetSeconds);
    if (!card.mkpath(QString::fromLatin1(clip.folder))) {
        if (error)
            *error = QStringLiteral("%1: cannot create folder")
                         .arg(card.filePath(QString::fromLatin1(clip.folder)));
        return false;
    }
    for (bool front : {true, false}) {
        if (!front && !clip.rear)
            continue;
        ORXSimRecordingOptions options;
        options.path =
            card.filePath(QString::fromLatin1(clip.folder) + QLatin1Char('/') + fileName(clip, start, front));
        options.durationSeconds = clip.durationSeconds;
        options.frameNumberStrip = false; // what a newcomer plays should look like the camera's picture
        options.front = front;
        options.audio = clip.audio;
        options.receiver = clip.receiver;
        options.speedInKmh = clip.kmh;
        options.route = drive;
        options.routeOffsetSeconds = clip.offsetSeconds;
        if (!ORXSimWriteRecording(options, nullptr, error))
            return false;
    }
    return true;
}
} // namespace

bool ORXSimWriteSampleCard(const QString& dir, QString* error)
{
    QElapsedTimer timer;
    timer.start();
    const QDir card(dir);
    if (!QDir().mkpath(dir)) {
        if (error)
            *error = QStringLiteral("%1: cannot create folder").arg(dir);
        return false;
    }
    for (const Clip& clip : kClips) {
        if (!writeClip(card, clip, error))
            return false;
    }

    // The camera's own files in the card's root (config.bin, timeset.cfg, the DrvInfo drive
    // logs), along the first drive.
    if (!ORXSimWriteCardFiles(dir, route(0), error))
        return false;
    // A GPS camera's card: the OBD log goes beside it, for "Open drive log…" and the OBD page.
    const QString obdLog = ORXSimSampleCardObdLogPath(dir);
    QFile::remove(obdLog);
    if (!QDir().mkpath(QFileInfo(obdLog).absolutePath()) ||
        !QFile::rename(card.filePath(QLatin1String(kORXSimObdLogPath)), obdLog)) {
        if (error)
            *error = QStringLiteral("%1: cannot write the OBD log").arg(obdLog);
        return false;
    }

    qCDebug(ORXSimLog, "sample card written to %s in %lld ms", qPrintable(dir), timer.elapsed());
    return true;
}

QString ORXSimSampleCardObdLogPath(const QString& dir)
{
    return QDir::cleanPath(dir) + QStringLiteral("-obd/orvex_000.obd");
}
