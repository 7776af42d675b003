#include "ORXTelemetryExport.h"

#include "ORXBlackBoxData.h"
#include "ORXCFormat.h"
#include "ORXLocalizedString.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>

#include <cmath>

namespace {
QString oneChar(char c)
{
    return QString(QChar(static_cast<uchar>(c)));
}

// Non-finite numbers have no JSON form: they become null.
QJsonValue number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

QString timeText(const _SYSTEMTIME& t)
{
    return ORXCFormat("%04d-%02d-%02d %02d:%02d:%02d.%03d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                      t.wSecond, t.wMilliseconds);
}

// The fix's date and time when the receiver has given a real one.
QDateTime fixTime(const ORXGpsData* fix)
{
    if (!fix || fix->Now.wYear == 0)
        return QDateTime();
    const _SYSTEMTIME& t = fix->Now;
    const QDate date(t.wYear, t.wMonth, t.wDay);
    const QTime time(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC);
}

QJsonObject gsensorRecordJson(const _AVI_GSENSOR_DATA_T& r)
{
    return {{"header", r.header}, {"timestamp", qint64(r.timestamp)}, {"xAxis", r.xAxis}, {"yAxis", r.yAxis},
            {"zAxis", r.zAxis},   {"nTemprature", r.nTemprature}};
}

QJsonObject gpsRecordJson(const _AVI_GPS_DATA_T& r)
{
    return {{"header", r.header},
            {"nTimestamp", qint64(r.nTimestamp)},
            {"nLen", qint64(r.nLen)},
            {"fLatitude", number(r.fLatitude)},
            {"fLongitude", number(r.fLongitude)},
            {"fSpeed", qint64(r.fSpeed)},
            {"KM", oneChar(r.KM)}};
}

QJsonObject fixJson(const ORXGpsData& f)
{
    QJsonArray satellites;
    for (uint8_t s : f.SatelliteUsed)
        satellites.append(int(s));
    return {{"Latitude", number(f.Latitude)},
            {"NS", oneChar(f.NS)},
            {"Longitude", number(f.Longitude)},
            {"EW", oneChar(f.EW)},
            {"SpeedOverGround", number(f.SpeedOverGround)},
            {"CourseOverGround", number(f.CourseOverGround)},
            {"Now", timeText(f.Now)},
            {"SatelliteUsed", satellites},
            {"SatelliteUsedCount", qint64(f.SatelliteUsedCount)},
            {"SatelliteUsedCount_GPS", qint64(f.SatelliteUsedCount_GPS)},
            {"SatelliteUsedCount_GLONASS", qint64(f.SatelliteUsedCount_GLONASS)},
            {"HDOP", number(f.HDOP)},
            {"Enable_GNGNS", f.Enable_GNGNS},
            {"Enable_GNGSA", f.Enable_GNGSA},
            {"Cnt_GNGSA", f.Cnt_GNGSA}};
}

QString positionText(const ORXTelemetryExport::Position& p)
{
    return ORXCFormat("%.6f, %.6f", p.latitude, p.longitude);
}
} // namespace

QList<ORXTelemetryExport::Position> ORXTelemetryExport::recordPositions(const ORXBlackBoxData& box)
{
    QList<Position> positions;
    positions.reserve(box.gpsRecords().size());
    qsizetype governing = -1;
    for (const ORXBlackBoxData::GpsRecord& gps : box.gpsRecords()) {
        if (gps.lastFix >= 0 && gps.lastFix < box.m_NMEAs().size())
            governing = gps.lastFix;
        Position p;
        p.fix = governing >= 0 ? &box.m_NMEAs().at(governing) : nullptr;
        const _AVI_GPS_DATA_T& r = gps.record.data();
        nmeaToDegrees(r.fLatitude, r.fLongitude, &p.latitude, &p.longitude);
        if (p.fix && p.fix->NS == 'S')
            p.latitude = -p.latitude;
        if (p.fix && p.fix->EW == 'W')
            p.longitude = -p.longitude;
        p.usable = !(r.fLatitude == 0 && r.fLongitude == 0) && std::isfinite(p.latitude) &&
                   std::isfinite(p.longitude) && std::abs(p.latitude) <= 90 && std::abs(p.longitude) <= 180;
        positions.append(p);
    }
    return positions;
}

// Written element by element, each as QJsonDocument writes it inside the whole document (keys
// sorted, compact), so the text is the same as one document's and a recording with many
// fixes never holds its whole document in memory.
void ORXTelemetryExport::writeJson(const ORXBlackBoxData& box,
                                   const std::function<void(const QByteArray&)>& write)
{
    constexpr qsizetype kChunk = 64 * 1024;
    QByteArray text;
    const auto flush = [&](bool force) {
        if (!text.isEmpty() && (force || text.size() >= kChunk)) {
            write(text);
            text.clear();
        }
    };
    const auto array = [&](const char* key, const auto& list, const auto& element) {
        text += '"';
        text += key;
        text += "\":[";
        bool first = true;
        for (const auto& item : list) {
            if (!first)
                text += ',';
            first = false;
            text += QJsonDocument(element(item)).toJson(QJsonDocument::Compact);
            flush(false);
        }
        text += ']';
    };
    // The members in the order QJsonObject keeps them (sorted by key).
    text += '{';
    array("m_GSensors", box.m_GSensors(), [](const ORXGSensor& g) {
        return QJsonArray{double(g.x()), double(g.y()), double(g.z())};
    });
    text += ',';
    array("m_NMEAs", box.m_NMEAs(), fixJson);
    text += ',';
    array("m_vGSensorData", box.m_vGSensorData(),
          [](const ORXAviGSensorData& g) { return gsensorRecordJson(g.data()); });
    text += ',';
    array("m_vGpsData", box.m_vGpsData(), [](const ORXAviGpsData& g) { return gpsRecordJson(g.data()); });
    text += "}\n";
    flush(true);
}

QByteArray ORXTelemetryExport::toJson(const ORXBlackBoxData& box)
{
    QByteArray json;
    writeJson(box, [&json](const QByteArray& chunk) { json += chunk; });
    return json;
}

QByteArray ORXTelemetryExport::toCsv(const ORXBlackBoxData& box)
{
    const QList<Position> positions = recordPositions(box);
    QString csv = QStringLiteral("timestamp,x,y,z,latitude,longitude,speed,unit\n");
    const qsizetype samples = qMin(box.m_GSensors().size(), box.m_vGSensorData().size());
    for (qsizetype k = 0; k < samples; ++k) {
        const ORXGSensor& g = box.m_GSensors().at(k);
        csv += ORXCFormat("%u,%.4f,%.4f,%.4f", box.m_vGSensorData().at(k).data().timestamp, double(g.x()),
                          double(g.y()), double(g.z()));
        const qsizetype record = k < box.gpsRecordIndexes().size() ? box.gpsRecordIndexes().at(k) : -1;
        if (record >= 0 && positions.at(record).usable) {
            const Position& p = positions.at(record);
            const _AVI_GPS_DATA_T& r = box.gpsRecords().at(record).record.data();
            csv += ORXCFormat(",%.6f,%.6f,%u,%s\n", p.latitude, p.longitude, r.fSpeed,
                              r.KM == '9' ? "km/h" : "mph");
        } else {
            csv += QStringLiteral(",,,,\n");
        }
    }
    return csv.toUtf8();
}

QByteArray ORXTelemetryExport::toGpx(const ORXBlackBoxData& box, const QString& trackName)
{
    QByteArray gpx;
    QXmlStreamWriter xml(&gpx);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("gpx"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.topografix.com/GPX/1/1"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("ORVEX"));
    xml.writeStartElement(QStringLiteral("trk"));
    if (!trackName.isEmpty())
        xml.writeTextElement(QStringLiteral("name"), trackName);
    xml.writeStartElement(QStringLiteral("trkseg"));
    for (const Position& p : recordPositions(box)) {
        if (!p.usable)
            continue;
        xml.writeStartElement(QStringLiteral("trkpt"));
        xml.writeAttribute(QStringLiteral("lat"), ORXCFormat("%.7f", p.latitude));
        xml.writeAttribute(QStringLiteral("lon"), ORXCFormat("%.7f", p.longitude));
        const QDateTime time = fixTime(p.fix);
        if (time.isValid())
            xml.writeTextElement(QStringLiteral("time"), time.toString(Qt::ISODateWithMs));
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return gpx;
}

QByteArray ORXTelemetryExport::toSummary(const ORXBlackBoxData& box)
{
    const QList<Position> positions = recordPositions(box);
    const Position* first = nullptr;
    const Position* last = nullptr;
    for (const Position& p : positions) {
        if (!p.usable)
            continue;
        if (!first)
            first = &p;
        last = &p;
    }
    const QString none = ORXLocalizedString("telemetry.summary.none");
    const QString line = QStringLiteral("%1: %2\n");
    QString text;
    text += line.arg(ORXLocalizedString("telemetry.summary.samples")).arg(box.m_GSensors().size());
    text += line.arg(ORXLocalizedString("telemetry.summary.gps_records")).arg(box.gpsRecords().size());
    text += line.arg(ORXLocalizedString("telemetry.summary.fixes")).arg(box.m_NMEAs().size());
    text +=
        line.arg(ORXLocalizedString("telemetry.summary.first_position"), first ? positionText(*first) : none);
    text +=
        line.arg(ORXLocalizedString("telemetry.summary.last_position"), last ? positionText(*last) : none);
    return text.toUtf8();
}
