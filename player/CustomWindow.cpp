#include "CustomWindow.h"

#include "ORXScreen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>

CustomWindow::CustomWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
}

void CustomWindow::setIsFullScreen(bool fullScreen)
{
    m_isFullScreen = fullScreen;
    emit isFullScreenChanged(fullScreen);
}

QRect CustomWindow::frame() const
{
    return frameGeometry();
}

void CustomWindow::setFrame(const QRect& frame, bool)
{
    const QScreen* screen = this->screen();
    if (m_isFullScreen || !screen) {
        setGeometry(frame);
        return;
    }
    setGeometry(boundedFrame(frame, screen->availableGeometry()));
}

QRect CustomWindow::boundedFrame(const QRect& frame, const QRect& available)
{
    if (available.isEmpty())
        return frame;
    QRect bounded(frame.topLeft(), frame.size().boundedTo(available.size()));
    bounded.moveLeft(std::clamp(bounded.left(), available.left(), available.right() + 1 - bounded.width()));
    bounded.moveTop(std::clamp(bounded.top(), available.top(), available.bottom() + 1 - bounded.height()));
    return bounded;
}

Qt::Edges CustomWindow::edgesAt(const QPoint& pos, const QSize& size)
{
    Qt::Edges edges;
    if (pos.x() < kResizeMargin)
        edges |= Qt::LeftEdge;
    if (pos.x() >= size.width() - kResizeMargin)
        edges |= Qt::RightEdge;
    if (pos.y() < kResizeMargin)
        edges |= Qt::TopEdge;
    if (pos.y() >= size.height() - kResizeMargin)
        edges |= Qt::BottomEdge;
    return edges;
}

QRect CustomWindow::resizedFrame(const QRect& start, Qt::Edges edges, const QPoint& delta,
                                 const QSize& minimum, const QRect& available)
{
    const QRect area = available.isEmpty() ? QRect(-100000, -100000, 200000, 200000) : available;
    int left = start.left(), top = start.top(), right = start.right(), bottom = start.bottom();
    if (edges & Qt::LeftEdge)
        left = std::clamp(left + delta.x(), area.left(), right + 1 - minimum.width());
    if (edges & Qt::RightEdge)
        right = std::clamp(right + delta.x(), left + minimum.width() - 1, area.right());
    if (edges & Qt::TopEdge)
        top = std::clamp(top + delta.y(), area.top(), bottom + 1 - minimum.height());
    if (edges & Qt::BottomEdge)
        bottom = std::clamp(bottom + delta.y(), top + minimum.height() - 1, area.bottom());
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void CustomWindow::enterFullscreen()
{
    if (m_isFullScreen)
        return;
    setIsFullScreen(true);
    if (m_initialFrame.width() == 0 || m_initialFrame.height() == 0)
        m_initialFrame = frame();
    QScreen* screen = this->screen();
    if (screen)
        setFrame(screen->geometry(), true);
    ORXScreen::setFullscreenPresentationOptions(this);
}

void CustomWindow::leaveFullscreen()
{
    if (!m_isFullScreen)
        return;
    setIsFullScreen(false);
    ORXScreen::setNonFullscreenPresentationOptions(this);
    setFrame(m_initialFrame, true);
}

QPoint CustomWindow::draggedOrigin(const QPoint& globalPos, const QRect& mainScreenAvailable) const
{
    QPoint origin = globalPos - m_initialLocation;
    // Screen coordinates grow downwards here: "above the top" is a smaller y.
    if (origin.y() < mainScreenAvailable.top())
        origin.setY(mainScreenAvailable.top());
    return origin;
}

void CustomWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_isFullScreen) {
        leaveFullscreen();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CustomWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_initialLocation = event->position().toPoint();
    const Qt::Edges edges = m_isFullScreen ? Qt::Edges() : edgesAt(m_initialLocation, size());
    if (edges) {
        // A press on the edge resizes: the window manager does it where it can, we otherwise.
        if (windowHandle() && windowHandle()->startSystemResize(edges))
            return;
        m_resizeEdges = edges;
        m_resizeStart = frame();
        m_resizePress = event->globalPosition().toPoint();
        return;
    }
    m_dragging = !m_isFullScreen;
    // Where the compositor owns window placement (Wayland), hand the move to it.
    if (m_dragging && ORXScreen::compositorPlacesWindows() && windowHandle()) {
        m_dragging = false;
        windowHandle()->startSystemMove();
    }
}

void CustomWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_resizeEdges && (event->buttons() & Qt::LeftButton)) {
        const QScreen* screen = this->screen();
        setGeometry(resizedFrame(m_resizeStart, m_resizeEdges,
                                 event->globalPosition().toPoint() - m_resizePress, m_minimumFrameSize,
                                 screen ? screen->availableGeometry() : QRect()));
        return;
    }
    if (!m_dragging || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    QScreen* primary = QGuiApplication::primaryScreen();
    const QRect available = primary ? primary->availableGeometry() : QRect();
    move(draggedOrigin(event->globalPosition().toPoint(), available));
}

void CustomWindow::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    m_resizeEdges = {};
    QWidget::mouseReleaseEvent(event);
}

void CustomWindow::closeEvent(QCloseEvent* event)
{
    emit windowWillClose();
    QWidget::closeEvent(event);
}
