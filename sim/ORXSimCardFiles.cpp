#include "ORXSimCardFiles.h"

#include "ORXConfigFile.h"
#include "ORXDriveLogRecords.h"
#include "ORXSimLog.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr double kGravity = 9.80665;

// Local offset of the drive: Seoul (UTC+9) in the north-east, Buenos Aires (UTC-3) in the
// south-west. The camera keeps local time in its clock and its logs.
int localOffsetSeconds(const ORXSimRoute& route)
{
    return route.hemisphere() == ORXSimHemisphere::NorthEast ? 9 * 3600 : -3 * 3600;
}

bool fail(QString* error, const QString& path, const QString& why)
{
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, why);
    qCWarning(ORXSimLog, "%s: %s", qUtf8Printable(path), qUtf8Printable(why));
    return false;
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(error, path, file.errorString());
    return true;
}

bool writeConfig(const QDir& card, const ORXSimRoute& route, QString* error)
{
    _FILEDATA record;
    std::memset(&record, 0, sizeof record);
    applyDefaultSettings(&record, 0);
    static const char plate[8] = {'1', '2', 'G', 'A', '3', '4', '5', '6'};
    std::memcpy(record.szPlateNumber, plate, sizeof plate);
    record.time_gmt = localTimeZoneIndex(localOffsetSeconds(route));
    prepareConfigForSave(&record);
    const QString path = card.filePath(QStringLiteral("config.bin"));
    const QString key = writeConfigFile(record, path);
    if (!key.isNull())
        return fail(error, path, key);
    return true;
}

bool writeClock(const QDir& card, const ORXSimRoute& route, QString* error)
{
    const QDateTime local = route.startUtc().addSecs(localOffsetSeconds(route));
    const QByteArray text = local.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")).toLatin1();
    return writeWhole(card.filePath(QStringLiteral("timeset.cfg")), text, error);
}

// One second of the drive as both logs see it.
struct Sample
{
    QDateTime local;
    quint16 latInt, latFrac, lonInt, lonFrac;
    double speedKmh;
    double metres;  // travelled since the start
    double forward; // g along the car
    double lateral; // g across
    double turnDegPerSecond;
};

// ddmm and ten-thousandths of a minute, without a hemisphere (the logs carry none).
void nmeaWords(double degrees, quint16* whole, quint16* fraction)
{
    const double value = std::fabs(degrees);
    int deg = int(value);
    double minutes = (value - deg) * 60;
    int wholeMinutes = int(minutes);
    int tenThousandths = int(std::lround((minutes - wholeMinutes) * 10000));
    if (tenThousandths == 10000) {
        tenThousandths = 0;
        if (++wholeMinutes == 60) {
            wholeMinutes = 0;
            ++deg;
        }
    }
    *whole = quint16(deg * 100 + wholeMinutes);
    *fraction = quint16(tenThousandths);
}

QList<Sample> samples(const ORXSimRoute& route)
{
    QList<Sample> out;
    double metres = 0;
    for (int t = 0; t < kORXSimLogRecords; ++t) {
        const ORXSimFix fix = route.fixAt(t);
        const ORXSimFix next = route.fixAt(t + 1);
        Sample s;
        s.local = fix.utc.toUTC().addSecs(localOffsetSeconds(route));
        nmeaWords(fix.latitude, &s.latInt, &s.latFrac);
        nmeaWords(fix.longitude, &s.lonInt, &s.lonFrac);
        s.speedKmh = fix.speedKmh;
        s.metres = metres;
        s.forward = (next.speedKmh - fix.speedKmh) / 3.6 / kGravity;
        double turn = next.courseDeg - fix.courseDeg;
        turn = std::remainder(turn, 360.0);
        s.turnDegPerSecond = turn;
        s.lateral = fix.speedKmh / 3.6 * qDegreesToRadians(turn) / kGravity;
        out << s;
        metres += (fix.speedKmh + next.speedKmh) / 2 / 3.6;
    }
    return out;
}

// Axis values in 1/256 g: forward on X, across on Y, gravity on Z.
qint16 axis(double g)
{
    return qint16(std::clamp<long>(std::lround(g * 256), -32768, 32767));
}

template <typename Record> void setClock(Record& r, const QDateTime& local)
{
    r.year = quint8(local.date().year() - 1900);
    r.month = quint8(local.date().month());
    r.day = quint8(local.date().day());
    r.hour = quint8(local.time().hour());
    r.minute = quint8(local.time().minute());
    r.second = quint8(local.time().second());
    r.yoil = quint8(local.date().dayOfWeek() % 7); // Sunday = 0
}

QByteArray logHeader(int count)
{
    _DRIVE_LOG_HEADER header;
    std::memset(&header, 0, sizeof header);
    header.count = quint32(count);
    return QByteArray(reinterpret_cast<const char*>(&header), sizeof header);
}

QByteArray flashLog(const QList<Sample>& drive)
{
    QByteArray bytes = logHeader(int(drive.size()));
    double maxSpeed = 0;
    for (int i = 0; i < drive.size(); ++i) {
        const Sample& s = drive[i];
        _FLASH_SAVE_VALUE_STRUCT r;
        std::memset(&r, 0, sizeof r);
        r.seq = quint16(i + 1);
        setClock(r, s.local);
        // The receiver loses its fix under a bridge for a few seconds.
        r.value = (i >= 120 && i < 126) ? 0 : 1;
        r.lat_int = s.latInt;
        r.lat_frac = s.latFrac;
        r.lon_int = s.lonInt;
        r.lon_frac = s.lonFrac;
        r.cur_speed = quint16(std::lround(s.speedKmh));
        maxSpeed = std::max(maxSpeed, s.speedKmh);
        r.max_speed = quint16(std::lround(maxSpeed));
        r.driving_distance = quint32(std::lround(s.metres / 100)); // tenths of a kilometre
        r.x = axis(s.forward);
        r.y = axis(s.lateral);
        r.z = axis(1.0 + 0.02 * std::sin(i * 0.7));
        r.battery = s.speedKmh > 1 ? 141 : 126; // charging while driving
        bytes += QByteArray(reinterpret_cast<const char*>(&r), sizeof r);
    }
    return bytes;
}

// Engine values of one second; a few seconds carry the camera's "no value" markers, as
// when the car's bus does not answer.
_OBD_SAVE_VALUE_STRUCT obdRecord(const Sample& s, int i)
{
    _OBD_SAVE_VALUE_STRUCT r;
    std::memset(&r, 0, sizeof r);
    r.seq = quint32(i + 1);
    setClock(r, s.local);
    r.lat_int = s.latInt;
    r.lat_frac = s.latFrac;
    r.lon_int = s.lonInt;
    r.lon_frac = s.lonFrac;
    const bool moving = s.speedKmh > 1;
    r.gps_speed = qint16(std::lround(s.speedKmh));
    r.cur_speed = qint16(std::lround(s.speedKmh * 1.02)); // speedometers read a little high
    r.rpm = qint16(moving ? 900 + std::lround(s.speedKmh * 28) : 780);
    r.driving_distance = qint32(std::lround(s.metres)); // thousandths of a kilometre
    r.battery = qint16(moving ? 14100 : 12600);         // millivolts
    r.acp = qint16(s.forward > 0 ? std::min(100L, std::lround(s.forward * 400)) : 0);
    r.fbk = s.forward < -0.02 ? 1 : 0;
    r.rll = s.turnDegPerSecond > 4 ? 1 : 0;
    r.lll = s.turnDegPerSecond < -4 ? 1 : 0;
    r.swa = qint16(std::clamp<long>(std::lround(s.turnDegPerSecond * 15), -540, 540));
    r.sbt = 1;
    r.gel = qint16(62 - i / 120); // fuel level, percent
    r.gep = i < 3 ? 1 : 4;         // P while starting off, then D
    r.sbk = i < 2 ? 1 : 0;
    r.tpa = 33;   // tyre pressure, psi
    r.abt = 1850; // outside temperature, hundredths of a degree
    r.x = axis(s.forward);
    r.y = axis(s.lateral);
    r.z = axis(1.0);
    if (i % 50 == 17) {
        r.cur_speed = -1;
        r.rpm = -1;
        r.battery = -1;
        r.fbk = -1;
    }
    if (i % 60 == 31) {
        r.swa = 9999;
        r.abt = 9999;
        r.gel = 0;
        r.tpa = -1;
        r.acp = -1;
        r.gep = 0;
        r.sbk = 0xff;
    }
    return r;
}

QByteArray obdLog(const QList<Sample>& drive)
{
    QByteArray bytes = logHeader(int(drive.size()));
    for (int i = 0; i < drive.size(); ++i) {
        const _OBD_SAVE_VALUE_STRUCT r = obdRecord(drive[i], i);
        bytes += QByteArray(reinterpret_cast<const char*>(&r), sizeof r);
    }
    return bytes;
}

} // namespace

bool ORXSimWriteCardFiles(const QString& cardRoot, const ORXSimRoute& route, QString* error)
{
    QDir card(cardRoot);
    if (!card.mkpath(QStringLiteral("DrvInfo")))
        return fail(error, card.filePath(QStringLiteral("DrvInfo")), QStringLiteral("cannot create folder"));
    if (!writeConfig(card, route, error) || !writeClock(card, route, error))
        return false;
    const QList<Sample> drive = samples(route);
    return writeWhole(card.filePath(QLatin1String(kORXSimFlashLogPath)), flashLog(drive), error) &&
           writeWhole(card.filePath(QLatin1String(kORXSimObdLogPath)), obdLog(drive), error);
}
