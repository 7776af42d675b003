#include "GraphView.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
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

void GraphView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x12, 0x14, 0x18));
    const QRectF area = QRectF(rect()).adjusted(30, 8, -8, -14);
    painter.setPen(QColor(0x3a, 0x3f, 0x47));
    for (int i = 0; i <= 4; ++i) {
        const double y = area.top() + area.height() * i / 4.0;
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    if (!m_values.isEmpty() && area.width() > 1) {
        const QColor colors[3] = {QColor(0xe0, 0x48, 0x48), QColor(0x4c, 0xc0, 0x6c), QColor(0x3f, 0xb6, 0xe8)};
        const qsizetype n = m_values.size();
        const int columns = int(area.width());
        for (int axis = 0; axis < 3; ++axis) {
            QPainterPath path;
            for (int c = 0; c <= columns; ++c) {
                const qsizetype i = std::min<qsizetype>(n - 1, qsizetype(double(c) / columns * n));
                const ORXGSensor& s = m_values[i];
                const float v = axis == 0 ? s.x() : axis == 1 ? s.y() : s.z();
                const double y = area.center().y() - std::clamp(double(v), -2.0, 2.0) / 2.0 * area.height() / 2;
                const QPointF p(area.left() + c, y);
                c == 0 ? path.moveTo(p) : path.lineTo(p);
            }
            painter.setPen(QPen(colors[axis], 1.2));
            painter.drawPath(path);
        }
    }
    const double x = area.left() + std::clamp(m_timePosition, 0.0, 1.0) * area.width();
    painter.setPen(QPen(QColor(0xf5, 0xa6, 0x23), 2));
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
}
