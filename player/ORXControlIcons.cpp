#include "ORXControlIcons.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <functional>

namespace {
const QColor kGlyph(0xe8, 0xea, 0xed);

QPixmap draw(QSize size, qreal dpr, const std::function<void(QPainter&, const QRectF&)>& paint)
{
    QPixmap pixmap(QSize(qRound(size.width() * dpr), qRound(size.height() * dpr)));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kGlyph, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}
} // namespace

int ORXControlIcons::volumeLevel(int volume, bool muted)
{
    if (muted || volume <= 0)
        return 0;
    return std::clamp((volume * 3 + 199) / 200, 1, 3);
}

QPixmap ORXControlIcons::volume(int volume, bool muted, QSize size, qreal dpr)
{
    const int level = volumeLevel(volume, muted);
    return draw(size, dpr, [level, muted, volume](QPainter& p, const QRectF& r) {
        const qreal h = r.height();
        const qreal cy = r.center().y();
        QPainterPath speaker;
        speaker.moveTo(r.left() + 1, cy - h * 0.18);
        speaker.lineTo(r.left() + h * 0.28, cy - h * 0.18);
        speaker.lineTo(r.left() + h * 0.55, cy - h * 0.42);
        speaker.lineTo(r.left() + h * 0.55, cy + h * 0.42);
        speaker.lineTo(r.left() + h * 0.28, cy + h * 0.18);
        speaker.lineTo(r.left() + 1, cy + h * 0.18);
        speaker.closeSubpath();
        p.setBrush(kGlyph);
        p.drawPath(speaker);
        p.setBrush(Qt::NoBrush);
        const qreal x = r.left() + h * 0.55;
        if (muted || volume <= 0) {
            const qreal d = h * 0.2;
            const QPointF c(x + h * 0.45, cy);
            p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
            p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
            return;
        }
        for (int wave = 1; wave <= level; ++wave) {
            const qreal radius = h * 0.16 * wave;
            p.drawArc(QRectF(x - radius, cy - radius, radius * 2, radius * 2), -50 * 16, 100 * 16);
        }
    });
}

QPixmap ORXControlIcons::speed(QSize size, qreal dpr)
{
    return draw(size, dpr, [](QPainter& p, const QRectF& r) {
        p.setBrush(kGlyph);
        const qreal h = r.height() * 0.6;
        const qreal top = r.center().y() - h / 2;
        for (int i = 0; i < 2; ++i) {
            const qreal left = r.left() + 1 + i * h * 0.6;
            p.drawPolygon(QPolygonF(
                {QPointF(left, top), QPointF(left + h * 0.6, top + h / 2), QPointF(left, top + h)}));
        }
    });
}

QPixmap ORXControlIcons::windowSize(QSize size, qreal dpr)
{
    return draw(size, dpr, [](QPainter& p, const QRectF& r) {
        const QRectF frame = r.adjusted(1.5, 2.5, -1.5, -2.5);
        p.drawRect(frame);
        const QPointF corner = frame.topRight() + QPointF(-2, 2);
        const QPointF from = frame.center() + QPointF(-1, 1);
        p.drawLine(from, corner);
        p.drawLine(corner, corner + QPointF(-3.5, 0));
        p.drawLine(corner, corner + QPointF(0, 3.5));
    });
}

QPixmap ORXControlIcons::smallerWindow(QSize size, qreal dpr)
{
    return draw(size, dpr, [](QPainter& p, const QRectF& r) {
        const QRectF frame = r.adjusted(1.5, 2.5, -1.5, -2.5);
        p.drawRect(frame);
        const QPointF tip = frame.center() + QPointF(0, 0);
        const QPointF from = frame.topRight() + QPointF(-2, 2);
        p.drawLine(from, tip);
        p.drawLine(tip, tip + QPointF(3.5, 0));
        p.drawLine(tip, tip + QPointF(0, -3.5));
    });
}

QPixmap ORXControlIcons::swap(QSize size, qreal dpr)
{
    return draw(size, dpr, [](QPainter& p, const QRectF& r) {
        const qreal left = r.left() + 1.5, right = r.right() - 1.5;
        const qreal upper = r.top() + r.height() * 0.32, lower = r.top() + r.height() * 0.68;
        p.drawLine(QPointF(left, upper), QPointF(right, upper));
        p.drawLine(QPointF(right, upper), QPointF(right - 3, upper - 3));
        p.drawLine(QPointF(left, lower), QPointF(right, lower));
        p.drawLine(QPointF(left, lower), QPointF(left + 3, lower + 3));
    });
}

QPixmap ORXControlIcons::frameStep(bool forward, QSize size, qreal dpr)
{
    return draw(size, dpr, [forward](QPainter& p, const QRectF& r) {
        const qreal h = r.height() * 0.7;
        const qreal top = r.center().y() - h / 2;
        const qreal w = h * 0.75;
        const qreal left = r.center().x() - (w + 3.5) / 2;
        // Drawn forward, mirrored for back.
        if (!forward) {
            p.translate(r.center().x() * 2, 0);
            p.scale(-1, 1);
        }
        p.setBrush(kGlyph);
        p.drawPolygon(
            QPolygonF({QPointF(left, top), QPointF(left + w, top + h / 2), QPointF(left, top + h)}));
        p.setPen(QPen(kGlyph, 2.0, Qt::SolidLine, Qt::FlatCap));
        const qreal bar = left + w + 2.5;
        p.drawLine(QPointF(bar, top), QPointF(bar, top + h));
    });
}

QIcon ORXControlIcons::buttonIcon(const QPixmap& glyph)
{
    QPixmap faded(glyph.size());
    faded.setDevicePixelRatio(glyph.devicePixelRatio());
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(0.35);
    painter.drawPixmap(0, 0, glyph);
    painter.end();
    QIcon icon(glyph);
    icon.addPixmap(faded, QIcon::Disabled);
    return icon;
}
