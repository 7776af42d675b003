#include "TKVideoBackgroundImageView.h"

#include "ORXImage.h"

#include <QPainter>

#include <algorithm>

TKVideoBackgroundImageView::TKVideoBackgroundImageView(QWidget* parent)
    : QWidget(parent)
{
}

void TKVideoBackgroundImageView::setBackgroundNineImageName(const QString& n)
{
    const qreal dpr = devicePixelRatioF();
    auto part = [&](const char* suffix) { return ORXImage::pixmap(n + QLatin1String(suffix), {}, dpr); };
    m_baseName = n;
    m_parts.topLeft = part("_top_left_corner");
    m_parts.topRight = part("_top_right_corner");
    m_parts.bottomLeft = part("_bottom_left_corner");
    m_parts.bottomRight = part("_bottom_right_corner");
    m_parts.left = part("_left_edge_fill");
    m_parts.right = part("_right_edge_fill");
    m_parts.top = part("_top_edge_fill");
    m_parts.bottom = part("_bottom_edge_fill");
    m_parts.center = part("_center_fill");
    update();
    emit backgroundNineImageNameChanged(n);
}

void TKVideoBackgroundImageView::setLogoImage(const QPixmap& logo)
{
    m_centerLogoImage = logo;
    update();
}

void TKVideoBackgroundImageView::setLogoImageName(const QString& name)
{
    setLogoImage(name.isEmpty() ? QPixmap() : ORXImage::pixmap(name, {}, devicePixelRatioF()));
}

QRectF TKVideoBackgroundImageView::logoRect() const
{
    if (m_centerLogoImage.isNull())
        return {};
    const QSizeF size = m_centerLogoImage.deviceIndependentSize();
    const QPointF origin((width() - size.width()) * 0.5, (height() - size.height()) * 0.5);
    return {origin, size};
}

namespace {
QSizeF logicalSize(const QPixmap& p)
{
    return p.isNull() ? QSizeF(0, 0) : p.deviceIndependentSize();
}

void drawPart(QPainter& painter, const QRectF& target, const QPixmap& pixmap)
{
    if (!pixmap.isNull() && target.width() > 0 && target.height() > 0)
        painter.drawPixmap(target, pixmap, QRectF(pixmap.rect()));
}
} // namespace

void TKVideoBackgroundImageView::drawNinePartImage(QPainter& painter, const QRectF& rect, const NineParts& p)
{
    if (rect.isEmpty())
        return;
    // Corner sizes come from the top-left and bottom-right corners; a frame smaller than
    // its corners gives them its space in proportion.
    double leftW = logicalSize(p.topLeft).width();
    double topH = logicalSize(p.topLeft).height();
    double rightW = logicalSize(p.bottomRight).width();
    double bottomH = logicalSize(p.bottomRight).height();
    if (leftW + rightW > rect.width() && leftW + rightW > 0) {
        const double s = rect.width() / (leftW + rightW);
        leftW *= s;
        rightW *= s;
    }
    if (topH + bottomH > rect.height() && topH + bottomH > 0) {
        const double s = rect.height() / (topH + bottomH);
        topH *= s;
        bottomH *= s;
    }
    const double x0 = rect.left(), x1 = x0 + leftW, x3 = x0 + rect.width(), x2 = x3 - rightW;
    const double y0 = rect.top(), y1 = y0 + topH, y3 = y0 + rect.height(), y2 = y3 - bottomH;

    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    drawPart(painter, QRectF(x1, y1, x2 - x1, y2 - y1), p.center);
    drawPart(painter, QRectF(x1, y0, x2 - x1, topH), p.top);
    drawPart(painter, QRectF(x1, y2, x2 - x1, bottomH), p.bottom);
    drawPart(painter, QRectF(x0, y1, leftW, y2 - y1), p.left);
    drawPart(painter, QRectF(x2, y1, rightW, y2 - y1), p.right);
    drawPart(painter, QRectF(x0, y0, leftW, topH), p.topLeft);
    drawPart(painter, QRectF(x2, y0, rightW, topH), p.topRight);
    drawPart(painter, QRectF(x0, y2, leftW, bottomH), p.bottomLeft);
    drawPart(painter, QRectF(x2, y2, rightW, bottomH), p.bottomRight);
    painter.restore();
}

void TKVideoBackgroundImageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawNinePartImage(painter, QRectF(rect()), m_parts);
    if (!m_centerLogoImage.isNull())
        painter.drawPixmap(logoRect(), m_centerLogoImage, QRectF(m_centerLogoImage.rect()));
}
