#include "VLCVideoView.h"

#include <QMetaObject>
#include <QPainter>
#include <QRegion>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {
constexpr int kMaxSide = 8192;
constexpr int kAlignment = 32; // bytes of a pitch, lines of a plane
constexpr int kSettleMs = 250; // a size must hold this long before libVLC is asked for it
// libVLC's converter (swscale) scales fast to widths that are a multiple of 16 pixels and far
// slower to others (measured: full screen at 1831 pixels cost more than the painter's own
// scaling, at 1824 less). Scaled pictures are asked for at such widths.
constexpr int kConverterWidthStep = 16;

int alignedUp(int value, int alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

// The picture's place in bounds (logical pixels) when it is size device pixels and the view's
// rule scales it: whole device pixels, centred.
QRectF placeOf(QSize size, const QRect& bounds, bool fill, qreal dpr, QSize* shown)
{
    const QSize boundsPx = (QSizeF(bounds.size()) * dpr).toSize();
    QSize target = size;
    if (fill || target.width() > boundsPx.width() || target.height() > boundsPx.height())
        target = target.scaled(boundsPx, Qt::KeepAspectRatio);
    // A picture the converter made for this box is at most one width step narrower than the
    // box asks for: it is drawn as it came rather than scaled by a few pixels.
    if (target.width() >= size.width() && target.width() - size.width() < kConverterWidthStep &&
        target.height() - size.height() < kConverterWidthStep)
        target = size;
    *shown = target;
    const QPoint offset((boundsPx.width() - target.width()) / 2, (boundsPx.height() - target.height()) / 2);
    return QRectF(QPointF(bounds.topLeft()) + QPointF(offset) / dpr, QSizeF(target) / dpr);
}
} // namespace

VLCVideoFrameFormat VLCVideoFrameFormat::forSource(QSize sourceSize, QSize box, bool fill)
{
    VLCVideoFrameFormat format;
    if (sourceSize.isEmpty())
        return format;
    QSize size = sourceSize;
    if (!box.isEmpty() && (fill || size.width() > box.width() || size.height() > box.height())) {
        const QSize shown = size.scaled(box, Qt::KeepAspectRatio);
        // Shrunk by the converter in the same pass that converts it; a larger picture comes at
        // the source's size and the painter enlarges it.
        if (shown.width() < sourceSize.width()) {
            const int width =
                std::max(kConverterWidthStep, shown.width() / kConverterWidthStep * kConverterWidthStep);
            const int height = int(qint64(width) * sourceSize.height() / sourceSize.width()) / 2 * 2;
            size = QSize(width, std::max(2, height));
        }
    }
    size = size.boundedTo(QSize(kMaxSide, kMaxSide)).expandedTo(QSize(1, 1));
    format.width = size.width();
    format.height = size.height();
    format.pitch = alignedUp(format.width * 4, kAlignment);
    format.lines = alignedUp(format.height, kAlignment);
    return format;
}

// --- the sink ------------------------------------------------------------------------------

VLCVideoFrameSink::VLCVideoFrameSink() = default;

VLCVideoFrameSink::~VLCVideoFrameSink()
{
    freeBuffers();
}

void VLCVideoFrameSink::freeBuffers()
{
    for (uchar*& buffer : m_buffers) {
        std::free(buffer);
        buffer = nullptr;
    }
}

VLCVideoFrameFormat VLCVideoFrameSink::configure(QSize sourceSize)
{
    QMutexLocker lock(&m_mutex);
    freeBuffers();
    m_sourceSize = sourceSize;
    m_format = VLCVideoFrameFormat::forSource(sourceSize, m_box, m_fill);
    if (!m_format.isValid())
        return m_format;
    const size_t bytes = size_t(m_format.pitch) * size_t(m_format.lines);
    for (uchar*& buffer : m_buffers) {
        buffer = static_cast<uchar*>(std::aligned_alloc(kAlignment, bytes));
        if (!buffer) {
            freeBuffers();
            m_format = VLCVideoFrameFormat();
            return m_format;
        }
        std::memset(buffer, 0, bytes);
    }
    m_front = 0;
    return m_format;
}

void VLCVideoFrameSink::release()
{
    QMutexLocker lock(&m_mutex);
    // The last picture stays on screen until the next output delivers one (a new size is
    // being negotiated, or the next recording starts).
    if (m_hasFrame && m_buffers[m_front]) {
        m_still =
            QImage(m_buffers[m_front], m_format.width, m_format.height, m_format.pitch, QImage::Format_RGB32)
                .copy();
    }
    m_hasFrame = false;
    freeBuffers();
    m_format = VLCVideoFrameFormat();
}

void* VLCVideoFrameSink::backBuffer() const
{
    QMutexLocker lock(&m_mutex);
    return m_buffers[1 - m_front];
}

void VLCVideoFrameSink::present()
{
    QMutexLocker lock(&m_mutex);
    if (!m_buffers[0])
        return;
    m_front = 1 - m_front;
    m_hasFrame = true;
    m_still = QImage();
    ++m_frameCount;
    // The view cannot go away while we hold the lock (its destructor detaches under it), and
    // Qt drops events posted to an object that is deleted later.
    if (m_view && !m_updatePending.exchange(true))
        QMetaObject::invokeMethod(m_view, &VLCVideoView::deliverFrame, Qt::QueuedConnection);
}

QImage VLCVideoFrameSink::frame() const
{
    QMutexLocker lock(&m_mutex);
    if (!m_hasFrame)
        return m_still;
    return QImage(m_buffers[m_front], m_format.width, m_format.height, m_format.pitch, QImage::Format_RGB32)
        .copy();
}

void VLCVideoFrameSink::clear()
{
    QMutexLocker lock(&m_mutex);
    m_hasFrame = false;
    m_still = QImage();
}

VLCVideoFrameFormat VLCVideoFrameSink::format() const
{
    QMutexLocker lock(&m_mutex);
    return m_format;
}

bool VLCVideoFrameSink::setBox(QSize box, bool fill)
{
    QMutexLocker lock(&m_mutex);
    if (box == m_box && fill == m_fill)
        return false;
    m_box = box;
    m_fill = fill;
    return m_format.isValid() &&
           VLCVideoFrameFormat::forSource(m_sourceSize, m_box, m_fill).size() != m_format.size();
}

bool VLCVideoFrameSink::needsNewFormat() const
{
    QMutexLocker lock(&m_mutex);
    return m_format.isValid() &&
           VLCVideoFrameFormat::forSource(m_sourceSize, m_box, m_fill).size() != m_format.size();
}

QRectF VLCVideoFrameSink::paint(QPainter* painter, const QRect& bounds, bool fill,
                                qreal devicePixelRatio) const
{
    QMutexLocker lock(&m_mutex);
    QImage image = m_hasFrame ? QImage(m_buffers[m_front], m_format.width, m_format.height, m_format.pitch,
                                       QImage::Format_RGB32)
                              : m_still;
    if (image.isNull())
        return QRectF();
    QSize shown;
    const QRectF where = placeOf(image.size(), bounds, fill, devicePixelRatio, &shown);
    if (shown == image.size()) {
        // The usual case: libVLC delivered the picture at the size it is shown at.
        image.setDevicePixelRatio(devicePixelRatio);
        painter->drawImage(where.topLeft(), image);
    } else {
        // The view's size changed and libVLC has not been asked for the new one yet.
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(where, image);
    }
    return where;
}

void VLCVideoFrameSink::attach(VLCVideoView* view)
{
    QMutexLocker lock(&m_mutex);
    m_view = view;
}

void VLCVideoFrameSink::detach()
{
    QMutexLocker lock(&m_mutex);
    m_view = nullptr;
}

// --- the view ------------------------------------------------------------------------------

VLCVideoView::VLCVideoView(QWidget* parent)
    : QWidget(parent), m_sink(std::make_shared<VLCVideoFrameSink>()), m_settle(new QTimer(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_settle, &QTimer::timeout, this, [this] {
        if (m_sink->needsNewFormat())
            emit pictureSizeChanged();
    });
    m_sink->attach(this);
}

VLCVideoView::~VLCVideoView()
{
    m_sink->detach();
}

void VLCVideoView::setFillScreen(bool fill)
{
    if (m_fillScreen == fill)
        return;
    m_fillScreen = fill;
    updatePictureBox();
    update();
    emit fillScreenChanged(fill);
}

void VLCVideoView::clearFrame()
{
    m_sink->clear();
    update();
}

void VLCVideoView::updatePictureBox()
{
    // A view that was never given a size (no layout, never shown) asks for the source's own.
    const bool laidOut = testAttribute(Qt::WA_Resized) || isVisible();
    const QSize box = laidOut ? (QSizeF(size()) * devicePixelRatioF()).toSize() : QSize();
    if (m_sink->setBox(box, m_fillScreen))
        m_settle->start();
}

void VLCVideoView::deliverFrame()
{
    m_sink->m_updatePending = false;
    update();
    emit frameShown();
}

void VLCVideoView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updatePictureBox();
}

void VLCVideoView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updatePictureBox();
    if (std::exchange(m_hiddenAfterShown, false))
        emit wantsPicturesChanged();
}

void VLCVideoView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!std::exchange(m_hiddenAfterShown, true))
        emit wantsPicturesChanged();
}

void VLCVideoView::paintEvent(QPaintEvent*)
{
    updatePictureBox(); // the device pixel ratio changes without a resize (another screen)
    QPainter painter(this);
    const QRectF picture = m_sink->paint(&painter, rect(), m_fillScreen, devicePixelRatioF());
    // Black only around the picture: the picture covers the rest.
    const QRegion bars = QRegion(rect()).subtracted(QRegion(picture.toRect()));
    for (const QRect& bar : bars)
        painter.fillRect(bar, Qt::black);
}
