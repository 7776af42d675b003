#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// Shared helpers of the widget tests: rendering to an image and reading its pixels.
namespace WidgetTest {

inline QImage render(QWidget& widget, const QColor& underlay = Qt::transparent)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(underlay);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// `actual` as read from a premultiplied image.
inline bool near(QRgb actual, const QColor& expected, int tolerance = 3)
{
    const QColor a = QColor::fromRgba(qUnpremultiply(actual));
    return qAbs(a.red() - expected.red()) <= tolerance && qAbs(a.green() - expected.green()) <= tolerance &&
           qAbs(a.blue() - expected.blue()) <= tolerance;
}

inline QImage solid(QSize size, const QColor& color)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

} // namespace WidgetTest
