#include "VLCVideoView.h"

#include <QMetaObject>
#include <QPainter>

#include <algorithm>
#include <cstring>

void VLCVideoFrameSink::present(const uchar* pixels, int width, int height, int bytesPerLine)
{
    if (!pixels || width <= 0 || height <= 0 || bytesPerLine < width * 4)
        return;
    QMutexLocker lock(&m_mutex);
    if (m_back.width() != width || m_back.height() != height)
        m_back = QImage(width, height, QImage::Format_RGB32);
    if (m_back.isNull())
        return;
    const size_t rowBytes = size_t(width) * 4;
    for (int y = 0; y < height; ++y)
        std::memcpy(m_back.scanLine(y), pixels + qsizetype(y) * bytesPerLine, rowBytes);
    std::swap(m_front, m_back);
    ++m_frameCount;
    // The view cannot go away while we hold the lock (its destructor detaches under it), and
    // Qt drops events posted to an object that is deleted later.
    if (m_view && !m_updatePending.exchange(true))
        QMetaObject::invokeMethod(m_view, &VLCVideoView::deliverFrame, Qt::QueuedConnection);
}

QImage VLCVideoFrameSink::frame() const
{
    QMutexLocker lock(&m_mutex);
    return m_front;
}

void VLCVideoFrameSink::clear()
{
    QMutexLocker lock(&m_mutex);
    m_front = QImage();
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

VLCVideoView::VLCVideoView(QWidget* parent) : QWidget(parent), m_sink(std::make_shared<VLCVideoFrameSink>())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    update();
    emit fillScreenChanged(fill);
}

void VLCVideoView::clearFrame()
{
    m_sink->clear();
    update();
}

void VLCVideoView::deliverFrame()
{
    m_sink->m_updatePending = false;
    update();
    emit frameShown();
}

void VLCVideoView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QImage frame = m_sink->frame();
    if (frame.isNull())
        return;
    QSize target = frame.size();
    if (m_fillScreen || target.width() > width() || target.height() > height())
        target = target.scaled(size(), Qt::KeepAspectRatio);
    const QRect where(QPoint((width() - target.width()) / 2, (height() - target.height()) / 2), target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(where, frame);
}
