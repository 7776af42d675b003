#include "ORXDriveLogTable.h"

#include "ORXCFormat.h"
#include "ORXLocalizedString.h"
#include "ORXLogsLog.h"
#include "ORXNMEASentenceParser.h"

#include <QBuffer>
#include <QSaveFile>

#include <cstdlib>
#include <iterator>

namespace {

struct Column
{
    const char* key;
    int width;
};

const Column kObdColumns[] = {
    {"setting.obdata.index", 38},
    {"setting.obdata.seq", 38},
    {"setting.obdata.date", 86},
    {"setting.obdata.time", 72},
    {"setting.obdata.yoil", 70},
    {"setting.obdata.lat", 64},
    {"setting.obdata.lon", 72},
    {"setting.obdata.cur_speed", 60},
    {"setting.obdata.gps_speed", 60},
    {"setting.obdata.rpm", 60},
    {"setting.obdata.driving_distance", 68},
    {"setting.obdata.battery", 60},
    {"setting.obdata.acp", 50},
    {"setting.obdata.fbk", 66},
    {"setting.obdata.rll", 66},
    {"setting.obdata.lll", 66},
    {"setting.obdata.swa", 66},
    {"setting.obdata.sbt", 70},
    {"setting.obdata.gel", 70},
    {"setting.obdata.gep", 70},
    {"setting.obdata.sbk", 70},
    {"setting.obdata.tpa", 70},
    {"setting.obdata.abt", 60},
    {"X", 60},
    {"Y", 60},
    {"Z", 60},
};

const Column kFlashColumns[] = {
    {"setting.flashdata.index", 38},
    {"setting.flashdata.seq", 38},
    {"setting.flashdata.date", 86},
    {"setting.flashdata.time", 72},
    {"setting.flashdata.yoil", 70},
    {"setting.flashdata.lat", 64},
    {"setting.flashdata.lon", 72},
    {"setting.flashdata.driving_distance", 60},
    {"setting.flashdata.cur_speed", 60},
    {"setting.flashdata.max_speed", 60},
    {"setting.flashdata.value", 48},
    {"X", 48},
    {"Y", 48},
    {"Z", 48},
    {"setting.flashdata.battery", 60},
};

const Column* columnAt(ORXDriveLogKind kind, int column)
{
    const int count = ORXDriveLogTable::columnCount(kind);
    if (column < 0 || column >= count)
        return nullptr;
    return kind == ORXDriveLogKind::Obd ? &kObdColumns[column] : &kFlashColumns[column];
}

bool isLiteralTitle(const char* key)
{
    return key[0] != '\0' && key[1] == '\0'; // "X", "Y", "Z"
}

const QString kDash = QStringLiteral("-");

QString weekdayText(int yoil)
{
    static const char* const names[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
    return yoil >= 0 && yoil < 7 ? QString::fromLatin1(names[yoil]) : kDash;
}

QString dateText(int year, int month, int day)
{
    return ORXCFormat("%4d/%02d/%02d", year + 1900, month, day);
}

QString timeText(int hour, int minute, int second)
{
    return ORXCFormat("%02d:%02d:%02d", hour, minute, second);
}

QString latitudeText(int whole, int fraction)
{
    return ORXCFormat("%04d.%04d", whole, fraction);
}

QString longitudeText(int whole, int fraction)
{
    return ORXCFormat("%05d.%04d", whole, fraction);
}

// Axis values are stored in 1/256 g.
QString axisText(int value)
{
    return ORXCFormat("%+.2f", value * 0.00390625);
}

QString integerOrDash(int value)
{
    return value < 0 ? kDash : ORXCFormat("%d", value);
}

QString tenthsOrDash(int value, double divisor)
{
    return value < 0 ? kDash : ORXCFormat("%.1f", value / divisor);
}

// On/off switches of the OBD log: 0 off, positive on, negative no value.
QString switchText(int value)
{
    if (value < 0)
        return kDash;
    return value == 0 ? QStringLiteral("OFF") : QStringLiteral("ON");
}

QString gearText(int code)
{
    static const char* const gears[] = {"P", "R", "N", "D"};
    return code >= 1 && code <= 4 ? QString::fromLatin1(gears[code - 1]) : kDash;
}

// Tenths of a volt as "%2d.%1d". A negative value keeps its sign in front instead of
// splitting it over both parts (which would give " 0.-5").
QString voltageTenthsText(int tenths)
{
    if (tenths < 0)
        return ORXCFormat("-%d.%1d", -tenths / 10, -tenths % 10);
    return ORXCFormat("%2d.%1d", tenths / 10, tenths % 10);
}

} // namespace

ORXDriveLogTable::ORXDriveLogTable(ORXDriveLog log) : m_log(std::move(log)) {}

int ORXDriveLogTable::columnCount(ORXDriveLogKind kind)
{
    return kind == ORXDriveLogKind::Obd ? int(std::size(kObdColumns)) : int(std::size(kFlashColumns));
}

QString ORXDriveLogTable::columnKey(int column) const
{
    const Column* c = columnAt(m_log.kind(), column);
    return c ? QString::fromLatin1(c->key) : QString();
}

QString ORXDriveLogTable::columnTitle(int column) const
{
    const Column* c = columnAt(m_log.kind(), column);
    if (!c)
        return QString();
    return isLiteralTitle(c->key) ? QString::fromLatin1(c->key) : ORXLocalizedString(c->key);
}

int ORXDriveLogTable::columnWidth(int column) const
{
    const Column* c = columnAt(m_log.kind(), column);
    return c ? c->width : 0;
}

QString ORXDriveLogTable::stringForColumnIndex(int column, qint64 row) const
{
    if (!columnAt(m_log.kind(), column))
        return QStringLiteral("X");
    if (row < 0 || row >= m_log.count())
        return QString();
    return m_log.kind() == ORXDriveLogKind::Obd ? obdCell(column, row) : flashCell(column, row);
}

QString ORXDriveLogTable::obdCell(int column, qint64 row) const
{
    const _OBD_SAVE_VALUE_STRUCT r = m_log.obdRecord(row);
    switch (column) {
    case 0: return ORXCFormat("%lld", static_cast<long long>(row + 1));
    // The sequence number is unsigned: "%u" keeps numbers beyond 2^31 from showing negative.
    case 1: return ORXCFormat("%u", r.seq);
    case 2: return dateText(r.year, r.month, r.day);
    case 3: return timeText(r.hour, r.minute, r.second);
    case 4: return weekdayText(r.yoil);
    case 5: return latitudeText(r.lat_int, r.lat_frac);
    case 6: return longitudeText(r.lon_int, r.lon_frac);
    case 7: return integerOrDash(r.cur_speed);
    case 8: return integerOrDash(r.gps_speed);
    case 9: return integerOrDash(r.rpm);
    case 10: return tenthsOrDash(r.driving_distance, 1000.0);
    case 11: return tenthsOrDash(r.battery, 1000.0);
    case 12: return integerOrDash(r.acp);
    case 13: return switchText(r.fbk);
    case 14: return switchText(r.rll);
    case 15: return switchText(r.lll);
    case 16: return r.swa == 9999 ? kDash : ORXCFormat("%d", r.swa);
    case 17: return switchText(r.sbt);
    case 18: return r.gel > 0 ? ORXCFormat("%d", r.gel) : kDash;
    case 19: return gearText(r.gep);
    case 20: return r.sbk == 0 ? QStringLiteral("OFF") : r.sbk == 1 ? QStringLiteral("ON") : kDash;
    case 21: return integerOrDash(r.tpa);
    case 22: return r.abt == 9999 ? kDash : ORXCFormat("%.1f", r.abt / 100.0);
    case 23: return axisText(r.x);
    case 24: return axisText(r.y);
    case 25: return axisText(r.z);
    }
    return QStringLiteral("X");
}

QString ORXDriveLogTable::flashCell(int column, qint64 row) const
{
    const _FLASH_SAVE_VALUE_STRUCT r = m_log.flashRecord(row);
    switch (column) {
    case 0: return ORXCFormat("%lld", static_cast<long long>(row + 1));
    case 1: return ORXCFormat("%d", r.seq);
    case 2: return dateText(r.year, r.month, r.day);
    case 3: return timeText(r.hour, r.minute, r.second);
    case 4: return weekdayText(r.yoil);
    case 5: return latitudeText(r.lat_int, r.lat_frac);
    case 6: return longitudeText(r.lon_int, r.lon_frac);
    case 7: return ORXCFormat("%.1f", r.driving_distance / 10.0);
    case 8: return ORXCFormat("%d", r.cur_speed);
    case 9: return ORXCFormat("%d", r.max_speed);
    case 10: return r.value == 1 ? QStringLiteral("A") : QStringLiteral("V");
    case 11: return axisText(r.x);
    case 12: return axisText(r.y);
    case 13: return axisText(r.z);
    case 14: return voltageTenthsText(r.battery);
    }
    return QStringLiteral("X");
}

bool ORXDriveLogTable::positionForRow(qint64 row, double* latitude, double* longitude) const
{
    if (row < 0 || row >= m_log.count())
        return false;
    // The same words the lat and lon columns show.
    const int latColumn = 5;
    const int lonColumn = 6;
    nmeaToDegrees(stringForColumnIndex(latColumn, row).toDouble(), stringForColumnIndex(lonColumn, row).toDouble(),
                  latitude, longitude);
    return true;
}

QByteArray ORXDriveLogTable::csvHeader() const
{
    QString line;
    for (int column = 0; column < columnCount(); ++column) {
        line += columnTitle(column);
        line += column + 1 < columnCount() ? QLatin1Char(',') : QLatin1Char('\n');
    }
    return line.toUtf8();
}

QByteArray ORXDriveLogTable::csvLine(qint64 row) const
{
    QString line;
    for (int column = 0; column < columnCount(); ++column) {
        line += stringForColumnIndex(column, row);
        line += column + 1 < columnCount() ? QLatin1Char(',') : QLatin1Char('\n');
    }
    return line.toUtf8();
}

bool ORXDriveLogTable::writeCSV(QIODevice* device) const
{
    const QByteArray header = csvHeader();
    if (device->write(header) != header.size())
        return false;
    for (qint64 row = 0; row < rowCount(); ++row) {
        const QByteArray line = csvLine(row);
        if (device->write(line) != line.size())
            return false;
    }
    return true;
}

QByteArray ORXDriveLogTable::csvText() const
{
    QByteArray text;
    QBuffer buffer(&text);
    buffer.open(QIODevice::WriteOnly);
    writeCSV(&buffer);
    return text;
}

QString ORXDriveLogTable::writeCSVFile(const QString& path) const
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && writeCSV(&file) && file.commit())
        return QString();
    qCWarning(lcLogs, "error=%s", qUtf8Printable(file.errorString()));
    return file.error() == QFileDevice::ResourceError ? QStringLiteral("msg.disk_full")
                                                      : QStringLiteral("msg.file_open_fail");
}
