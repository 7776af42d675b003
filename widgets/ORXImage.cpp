#include "ORXImage.h"

#include <QCache>
#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QPainter>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cmath>

std::atomic<quint64> ORXImage::s_renders{0};

static void initImageResources()
{
    // The images live in a static library; make sure its resources are registered.
    static const bool done = [] {
        Q_INIT_RESOURCE(orvex_images);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {
QString baseName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_-]+$"));
    QString base = name;
    for (const auto* ext : {".png", ".tif", ".tiff", ".svg"}) {
        if (base.endsWith(QLatin1String(ext), Qt::CaseInsensitive)) {
            base.chop(int(qstrlen(ext)));
            break;
        }
    }
    // Only plain names: nothing that could walk out of the image folder.
    return plain.match(base).hasMatch() ? base : QString();
}

bool usableSize(QSize size, qreal dpr)
{
    return size.width() > 0 && size.height() > 0 && std::isfinite(dpr) && dpr > 0 &&
           size.width() * dpr <= ORXImage::kMaxEdge && size.height() * dpr <= ORXImage::kMaxEdge;
}
} // namespace

QString ORXImage::resourcePath(const QString& name)
{
    initImageResources();
    const QString base = baseName(name);
    if (base.isEmpty())
        return {};
    for (const auto* ext : {".svg", ".png"}) {
        const QString path = QStringLiteral(":/images/") + base + QLatin1String(ext);
        if (QFile::exists(path))
            return path;
    }
    return {};
}

bool ORXImage::exists(const QString& name)
{
    return !resourcePath(name).isEmpty();
}

QSize ORXImage::naturalSize(const QString& name)
{
    const QString path = resourcePath(name);
    if (path.isEmpty())
        return {};
    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(path);
        return renderer.isValid() ? renderer.defaultSize() : QSize();
    }
    return QImage(path).size();
}

QString ORXImage::cacheKey(const QString& name, QSize size, qreal dpr)
{
    return QStringLiteral("orx:%1:%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(dpr);
}

QImage ORXImage::image(const QString& name, QSize size, qreal dpr)
{
    // Rendering an SVG costs far more than looking it up: every image is drawn once per name,
    // size and pixel ratio and kept (the images are small and few).
    static QMutex mutex;
    static QCache<QString, QImage> cache(kCacheKiB);
    const QString key = cacheKey(name, size, dpr);
    {
        const QMutexLocker lock(&mutex);
        if (const QImage* cached = cache.object(key))
            return *cached;
    }
    QImage result = render(name, size, dpr);
    const QMutexLocker lock(&mutex);
    cache.insert(key, new QImage(result), std::max<qsizetype>(1, result.sizeInBytes() / 1024));
    ++s_renders;
    return result;
}

QImage ORXImage::render(const QString& name, QSize size, qreal dpr)
{
    const QString path = resourcePath(name);
    if (path.isEmpty())
        return {};
    if (size.isEmpty())
        size = naturalSize(name);
    if (!usableSize(size, dpr))
        return {};
    const QSize pixels(qRound(size.width() * dpr), qRound(size.height() * dpr));
    QImage result;
    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(path);
        if (!renderer.isValid())
            return {};
        result = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    } else {
        result = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (result.size() != pixels)
            result = result.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    result.setDevicePixelRatio(dpr);
    return result;
}

QPixmap ORXImage::pixmap(const QString& name, QSize size, qreal dpr)
{
    const bool guiThread = QThread::currentThread() == QCoreApplication::instance()->thread();
    const QString key = cacheKey(name, size, dpr);
    QPixmap result;
    if (guiThread && QPixmapCache::find(key, &result))
        return result;
    const QImage img = image(name, size, dpr);
    if (img.isNull())
        return QPixmap();
    result = QPixmap::fromImage(img);
    if (guiThread)
        QPixmapCache::insert(key, result);
    return result;
}
