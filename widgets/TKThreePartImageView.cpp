#include "TKThreePartImageView.h"

#include "ORXImage.h"

#include <QPainter>

TKThreePartImageView::TKThreePartImageView(QWidget* parent)
    : QWidget(parent)
{
}

void TKThreePartImageView::setImagesLeft(const QPixmap& left, const QPixmap& middle, const QPixmap& right)
{
    m_left = left;
    m_middle = middle;
    m_right = right;
    update();
}

void TKThreePartImageView::setImageNamesLeft(const QString& left, const QString& middle, const QString& right)
{
    const qreal dpr = devicePixelRatioF();
    setImagesLeft(ORXImage::pixmap(left, {}, dpr), ORXImage::pixmap(middle, {}, dpr),
                  ORXImage::pixmap(right, {}, dpr));
}

void TKThreePartImageView::drawThreePartImage(QPainter& painter, const QRectF& rect, const QPixmap& left,
                                              const QPixmap& middle, const QPixmap& right)
{
    if (rect.isEmpty())
        return;
    double leftWidth = left.isNull() ? 0 : left.deviceIndependentSize().width();
    double rightWidth = right.isNull() ? 0 : right.deviceIndependentSize().width();
    if (leftWidth + rightWidth > rect.width()) {
        const double scale = rect.width() / (leftWidth + rightWidth);
        leftWidth *= scale;
        rightWidth *= scale;
    }
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double top = rect.top();
    const double height = rect.height();
    if (!left.isNull())
        painter.drawPixmap(QRectF(rect.left(), top, leftWidth, height), left, QRectF(left.rect()));
    const double middleWidth = rect.width() - leftWidth - rightWidth;
    if (!middle.isNull() && middleWidth > 0)
        painter.drawPixmap(QRectF(rect.left() + leftWidth, top, middleWidth, height), middle,
                           QRectF(middle.rect()));
    if (!right.isNull())
        painter.drawPixmap(QRectF(rect.left() + rect.width() - rightWidth, top, rightWidth, height), right,
                           QRectF(right.rect()));
    painter.restore();
}

void TKThreePartImageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawThreePartImage(painter, QRectF(rect()), m_left, m_middle, m_right);
}
