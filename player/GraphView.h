#pragma once

#include "ORXGSensor.h"

#include <QColor>
#include <QVector>
#include <QWidget>

// The G-sensor trace of the whole recording with a bar at the play position.
class GraphView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double timePosition READ timePosition WRITE updateTimePosition NOTIFY timePositionChanged)

public:
    explicit GraphView(QWidget* parent = nullptr);

    void setGraphData(const QVector<ORXGSensor>& values);
    const QVector<ORXGSensor>& values() const { return m_values; }
    void updateTimePosition(double position);
    double timePosition() const { return m_timePosition; }
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor& color) { m_backgroundColor = color; }

signals:
    void timePositionChanged(double position);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVector<ORXGSensor> m_values;
    double m_timePosition = 0;
    QColor m_backgroundColor;
};
