#pragma once

#include "ORXTelemetryExport.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class GraphView;
class ORXBlackBoxData;
class QLabel;

// The telemetry readouts of the player for the current play position: the three G-sensor
// values and the trace's bar, the speed, HDOP and satellites in use, and the car's place on
// the map page (through the script calls it understands).
//
// Works on the widgets it is given (any may be null) and hands map calls as script text to
// a runner, so it needs neither a window nor a web engine to be tried out.
class ORXTelemetryPresenter : public QObject
{
    Q_OBJECT

public:
    struct Outlets
    {
        GraphView* graphView = nullptr;
        QLabel* gsensorXField = nullptr;
        QLabel* gsensorYField = nullptr;
        QLabel* gsensorZField = nullptr;
        QLabel* speedField = nullptr;
        QLabel* hdopField = nullptr;
        QLabel* sateliteField = nullptr;
        QLabel* mapPositionLabel = nullptr;
    };
    using ScriptRunner = std::function<void(const QString& script)>;

    // One GPS record's place in signed decimal degrees.
    struct MapPosition
    {
        double latitude = 0;
        double longitude = 0;
        bool usable = false; // false for records that hold no position (0, 0 or out of range)
    };

    ORXTelemetryPresenter(const ORXBlackBoxData* box, const Outlets& outlets, QObject* parent = nullptr);

    void setScriptRunner(ScriptRunner runner) { m_runScript = std::move(runner); }

    // A recording has started and its telemetry is in the holder: works out where each GPS
    // record lies and sends the whole route to the map.
    void beginRecording();

    // G-sensor texts for the play position, and the trace's bar at player1's own position.
    void updateGsensorUIByPlayPositon(double playPosition, double player1Position);
    // Map position, speed, HDOP and satellites for the play position.
    void updateGpsUIByPlayPosition(double playPosition);

    // The element for a play position among n: position x n cut to an integer, at most
    // n - 1 (so 1.0 takes the last); none for an empty list. Positions below 0 or not a
    // number take the first.
    static std::optional<qsizetype> indexForPosition(double position, qsizetype n);
    // "X=%@%.2lf": a plus sign for values above 0 only ("X=0.00", "X=+0.50", "X=-0.50").
    static QString gsensorText(char axis, double value);
    static QString speedText(quint32 speed, char km);
    // The hemisphere-signed place of every entry of m_vGpsData, in that order. The sign of
    // each comes from the fix its record's own sentences produced, otherwise the last fix
    // before it in the same recording; nothing carries over from another recording.
    static QList<MapPosition> mapPositions(const ORXBlackBoxData& box);
    // The same from the recording's distinct records, already signed (recordPositions).
    static QList<MapPosition> mapPositions(const ORXBlackBoxData& box,
                                           const QList<ORXTelemetryExport::Position>& records);

    // Script texts of the map page.
    static QString setLatLagScript(double longitude, double latitude);
    static QString routeScript(const QList<MapPosition>& route);
    static QString debugScript(const QString& text);

private:
    void runScript(const QString& script) const;
    const QList<MapPosition>& positions();

    const ORXBlackBoxData* m_box;
    Outlets m_outlets;
    ScriptRunner m_runScript;
    QList<MapPosition> m_positions;
    bool m_positionsValid = false;
};
