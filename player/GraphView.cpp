#include "GraphView.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

GraphView::GraphView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(100, 60);
}

void GraphView::setGraphData(const QVector<ORXGSensor>& values)
{
    m_values = values;
    update();
}

void GraphView::updateTimePosition(double position)
{
    m_timePosition = position;
    update();
    emit timePositionChanged(position);
}

void GraphView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    drawRect(painter, event->rect());
}

void GraphView::drawRect(QPainter& painter, const QRectF& dirty)
{
    drawBackgroundRect(painter, dirty);
    if (m_values.isEmpty())
        return;
    drawGraphDataWithContext(painter);
    drawTimePositionVerticalBarWithContext(painter);
}

// Grey ground, five 1-point lines at -2, -1, 0, +1, +2 g, the left axis and its labels.
void GraphView::drawBackgroundRect(QPainter& painter, const QRectF& dirty)
{
    painter.fillRect(dirty, QColor::fromRgbF(0.8f, 0.8f, 0.8f));
    const QPointF origin = graphAreaLeftBottom();
    const QSizeF area = graphAreaSize();
    static const char* const labels[5] = {"-2", "-1", "0", "+1", "+2"};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int k = 0; k <= 4; ++k) {
        const double y = origin.y() + k * area.height() / 4;
        painter.fillRect(rectToView(origin.x(), y, area.width(), 1), Qt::white);
    }
    painter.fillRect(rectToView(origin.x(), origin.y(), 1, area.height()), Qt::white);
    for (int k = 0; k <= 4; ++k)
        drawString(painter, QLatin1String(labels[k]),
                   QPointF(origin.x(), origin.y() + k * area.height() / 4));
    painter.restore();
}

// Labels end 2 points left of the point and sit about half their height around it.
void GraphView::drawString(QPainter& painter, const QString& text, const QPointF& point)
{
    QFont font(QStringLiteral("helvetica"));
    font.setPixelSize(12); // 12 points of the screen, as the rest of the drawing
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QFontMetricsF metrics(font);
    const double w = metrics.horizontalAdvance(text);
    const double h = metrics.height();
    const QRectF box = rectToView(point.x() - (w + 2), point.y() - (h / 2 - 2), w, h);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignBottom, text);
}

// x in red, y in green, z in blue; sample k*i for the i-th tenth of a point.
void GraphView::drawGraphDataWithContext(QPainter& painter)
{
    const QSizeF area = graphAreaSize();
    const double y0 = graphAreaZeroValuePoint().y();
    const double scale = area.height() / 4;
    const qsizetype count = m_values.size();
    const qsizetype steps = area.width() > 0 ? qsizetype(area.width() * 10) + 1 : 1;
    const double stride = double(count) / double(steps);
    static const QColor colors[3] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};

    QPolygonF line;
    line.reserve(steps);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int axis = 0; axis < 3; ++axis) {
        auto value = [axis](const ORXGSensor& s) {
            return double(axis == 0 ? s.x() : axis == 1 ? s.y() : s.z());
        };
        line.clear();
        line.append(toView(21, y0 + value(m_values.first()) * scale));
        for (qsizetype i = 1; i < steps; ++i) {
            const qsizetype index = qsizetype(stride * double(i));
            if (index >= count)
                break;
            line.append(toView(21 + double(i) * 0.1, y0 + value(m_values.at(index)) * scale));
        }
        QPen pen(colors[axis], 1);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.drawPolyline(line);
    }
    painter.restore();
}

void GraphView::drawTimePositionVerticalBarWithContext(QPainter& painter)
{
    const QPointF origin = graphAreaLeftBottom();
    const QSizeF area = graphAreaSize();
    const double x = origin.x() + area.width() * m_timePosition;
    painter.fillRect(rectToView(x, origin.y(), 2, area.height()), Qt::white);
}
