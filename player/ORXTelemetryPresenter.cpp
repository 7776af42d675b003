#include "ORXTelemetryPresenter.h"

#include "GraphView.h"
#include "ORXBlackBoxData.h"
#include "ORXCFormat.h"
#include "ORXTelemetryExport.h"

#include <QLabel>

#include <cmath>

namespace {
void setText(QLabel* label, const QString& text)
{
    if (label)
        label->setText(text);
}

// Degrees of a record field (dddmm.mmmm, sign ignored), signed as the letter says.
double signedDegrees(double nmea, bool negative)
{
    const double degrees = nmeaToDegrees(std::abs(nmea));
    return negative ? -degrees : degrees;
}
} // namespace

ORXTelemetryPresenter::ORXTelemetryPresenter(const ORXBlackBoxData* box, const Outlets& outlets,
                                             QObject* parent)
    : QObject(parent), m_box(box), m_outlets(outlets)
{
}

std::optional<qsizetype> ORXTelemetryPresenter::indexForPosition(double position, qsizetype n)
{
    if (n <= 0)
        return std::nullopt;
    if (!(position > 0)) // below 0, or not a number
        return 0;
    const double index = position * double(n);
    if (index >= double(n))
        return n - 1;
    return qsizetype(index);
}

QString ORXTelemetryPresenter::gsensorText(char axis, double value)
{
    return ORXCFormat("%c=%s%.2lf", axis, value > 0 ? "+" : "", value);
}

QString ORXTelemetryPresenter::speedText(quint32 speed, char km)
{
    return km == '9' ? ORXCFormat("%d Km/h", int(speed)) : ORXCFormat("%d Mi/h", int(speed));
}

QList<ORXTelemetryPresenter::MapPosition> ORXTelemetryPresenter::mapPositions(const ORXBlackBoxData& box)
{
    return mapPositions(box, ORXTelemetryExport::recordPositions(box));
}

QList<ORXTelemetryPresenter::MapPosition>
ORXTelemetryPresenter::mapPositions(const ORXBlackBoxData& box, const QList<ORXTelemetryExport::Position>& records)
{
    // The record's own fix (or the last one before it) decides the letters, as in the
    // exported tracks.
    QList<MapPosition> positions;
    positions.reserve(box.m_vGpsData().size());
    for (qsizetype i = 0; i < box.m_vGpsData().size(); ++i) {
        MapPosition p;
        const qsizetype record = i < box.gpsRecordIndexes().size() ? box.gpsRecordIndexes().at(i) : -1;
        if (record >= 0 && record < records.size()) {
            const ORXTelemetryExport::Position& r = records.at(record);
            const _AVI_GPS_DATA_T& data = box.m_vGpsData().at(i).data();
            p.latitude = signedDegrees(data.fLatitude, r.fix && r.fix->NS == 'S');
            p.longitude = signedDegrees(data.fLongitude, r.fix && r.fix->EW == 'W');
            p.usable = r.usable;
        }
        positions.append(p);
    }
    return positions;
}

QString ORXTelemetryPresenter::setLatLagScript(double longitude, double latitude)
{
    return ORXCFormat("setLatLag('%lf','%lf')", longitude, latitude);
}

// One call with every usable place, longitude first as in setLatLag.
QString ORXTelemetryPresenter::routeScript(const QList<MapPosition>& route)
{
    QString points;
    points.reserve(route.size() * 24);
    for (const MapPosition& p : route) {
        if (!p.usable)
            continue;
        if (!points.isEmpty())
            points += QLatin1Char(',');
        points += ORXCFormat("[%.6f,%.6f]", p.longitude, p.latitude);
    }
    return QStringLiteral("ORXSetRoute([%1])").arg(points);
}

QString ORXTelemetryPresenter::debugScript(const QString& text)
{
    // A single-quoted script string, whatever the text holds.
    QString quoted;
    quoted.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\''))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('\n'))
            quoted += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            quoted += QLatin1String("\\r");
        else
            quoted += c;
    }
    return QStringLiteral("ORXDebug('%1')").arg(quoted);
}

void ORXTelemetryPresenter::runScript(const QString& script) const
{
    if (m_runScript)
        m_runScript(script);
}

const QList<ORXTelemetryPresenter::MapPosition>& ORXTelemetryPresenter::positions()
{
    if (!m_positionsValid || m_positions.size() != m_box->m_vGpsData().size()) {
        m_positions = mapPositions(*m_box);
        m_positionsValid = true;
    }
    return m_positions;
}

void ORXTelemetryPresenter::beginRecording()
{
    if (m_outlets.mapPositionLabel)
        m_outlets.mapPositionLabel->clear();
    // The distinct records are signed once per recording: the per-sample places the readouts
    // follow and the route drawn under the marker both come from them.
    const QList<ORXTelemetryExport::Position> records = ORXTelemetryExport::recordPositions(*m_box);
    m_positions = mapPositions(*m_box, records);
    m_positionsValid = true;
    QList<MapPosition> route;
    route.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        const ORXTelemetryExport::Position& r = records.at(i);
        const _AVI_GPS_DATA_T& data = m_box->gpsRecords().at(i).record.data();
        route.append({signedDegrees(data.fLatitude, r.fix && r.fix->NS == 'S'),
                      signedDegrees(data.fLongitude, r.fix && r.fix->EW == 'W'), r.usable});
    }
    runScript(routeScript(route));
}

void ORXTelemetryPresenter::updateGsensorUIByPlayPositon(double playPosition, double player1Position)
{
    if (m_outlets.graphView)
        m_outlets.graphView->updateTimePosition(player1Position);
    const QList<ORXGSensor>& samples = m_box->m_GSensors();
    const std::optional<qsizetype> index = indexForPosition(playPosition, samples.size());
    if (!index)
        return;
    const ORXGSensor& s = samples.at(*index);
    setText(m_outlets.gsensorXField, gsensorText('X', double(s.x())));
    setText(m_outlets.gsensorYField, gsensorText('Y', double(s.y())));
    setText(m_outlets.gsensorZField, gsensorText('Z', double(s.z())));
}

void ORXTelemetryPresenter::updateGpsUIByPlayPosition(double playPosition)
{
    const QList<ORXAviGpsData>& records = m_box->m_vGpsData();
    if (records.isEmpty()) {
        runScript(debugScript(QStringLiteral("GPS Data Count=Zero")));
    } else if (const std::optional<qsizetype> i = indexForPosition(playPosition, records.size())) {
        const MapPosition& p = positions().at(*i);
        // A record without a position would put the car at 0, 0: the map stays where it is.
        if (p.usable) {
            runScript(setLatLagScript(p.longitude, p.latitude));
            setText(m_outlets.mapPositionLabel, ORXCFormat("%.6f, %.6f", p.latitude, p.longitude));
        }
        const _AVI_GPS_DATA_T& data = records.at(*i).data();
        setText(m_outlets.speedField, speedText(data.fSpeed, data.KM));
    }
    const QList<ORXGpsData>& fixes = m_box->m_NMEAs();
    if (const std::optional<qsizetype> f = indexForPosition(playPosition, fixes.size())) {
        setText(m_outlets.hdopField, ORXCFormat("%.1f", fixes.at(*f).HDOP));
        setText(m_outlets.sateliteField, ORXCFormat("%d", int(fixes.at(*f).SatelliteUsedCount)));
    }
}
