#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// Shared helpers of the widget tests: rendering to an image, and plain images.
namespace WidgetTest {

inline QImage render(QWidget& widget, const QColor& underlay = Qt::transparent)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(underlay);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

inline QImage solid(QSize size, const QColor& color)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

} // namespace WidgetTest
