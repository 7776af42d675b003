#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's images, compiled into the resources under ":/images/". Windows name them
// with or without an extension ("record_p.png", "icon_play_n", "blueProgress" of type "tif");
// the extension is dropped and the image found as an SVG (drawn at any size and pixel ratio)
// or a PNG. A name that is not one of our images gives a null image.
class ORXImage
{
public:
    // The image at `size` in device-independent pixels (the image's own size when empty),
    // rendered for the device pixel ratio `dpr`.
    static QPixmap pixmap(const QString& name, QSize size = {}, qreal dpr = 1.0);
    static QImage image(const QString& name, QSize size = {}, qreal dpr = 1.0);
    static bool exists(const QString& name);
    // The image's own size in device-independent pixels; empty when it does not exist.
    static QSize naturalSize(const QString& name);
    // The resource path behind a name, or a null string.
    static QString resourcePath(const QString& name);

    // Largest edge we render, so that a strange size asked for cannot exhaust memory.
    static constexpr int kMaxEdge = 8192;
};
