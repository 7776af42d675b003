#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <atomic>

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
    // Rendered images are kept per name, size and pixel ratio, up to this many KiB.
    static constexpr int kCacheKiB = 16 * 1024;
    // How many images have been rendered (not found in the cache) so far.
    static quint64 renderCount() { return s_renders.load(); }

private:
    static QString cacheKey(const QString& name, QSize size, qreal dpr);
    static QImage render(const QString& name, QSize size, qreal dpr);
    static std::atomic<quint64> s_renders;
};
