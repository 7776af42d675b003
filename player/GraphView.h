#pragma once

#include "ORXGSensor.h"

#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <QVector>
#include <QWidget>

class QPainter;

// The G-sensor trace of the whole recording with a white bar at the play position.
//
// Geometry is worked out with the origin at the bottom left, as the camera's trace has
// always been drawn: the graph area starts at (20, 8), leaves 20 points left and right and
// 8 points above and below, and spans -2 g to +2 g (one g is a quarter of its height).
// Each axis is drawn with at most area width x 10 + 1 points, one per 0.1 point, however
// many samples the recording holds, so a redraw costs the same for a long drive as for a
// short one.
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
    // Kept for whoever sets it; the drawing paints its own grey.
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor& color) { m_backgroundColor = color; }

    // Bottom-left based geometry of the graph area.
    QPointF graphAreaLeftBottom() const { return QPointF(20, 8); }
    QSizeF graphAreaSize() const { return QSizeF(width() - 40, height() - 16); }
    QPointF graphAreaZeroValuePoint() const { return QPointF(20, 8 + graphAreaSize().height() / 2); }

    // The whole drawing on any painter of this view's size (paintEvent, benchmarks, tests).
    void drawRect(QPainter& painter, const QRectF& dirty);

signals:
    void timePositionChanged(double position);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawBackgroundRect(QPainter& painter, const QRectF& dirty);
    void drawGraphDataWithContext(QPainter& painter);
    void drawTimePositionVerticalBarWithContext(QPainter& painter);
    void drawString(QPainter& painter, const QString& text, const QPointF& point);
    // From bottom-left based points to the widget's top-left based ones.
    QPointF toView(double x, double y) const { return QPointF(x, height() - y); }
    QRectF rectToView(double x, double y, double w, double h) const
    {
        return QRectF(x, height() - y - h, w, h);
    }

    QVector<ORXGSensor> m_values;
    double m_timePosition = 0;
    QColor m_backgroundColor;
};
