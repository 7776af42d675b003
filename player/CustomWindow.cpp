#include "CustomWindow.h"

#include "ORXScreen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

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
    setGeometry(frame);
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
    m_dragging = !m_isFullScreen;
    // Where the compositor owns window placement (Wayland), hand the move to it.
    if (m_dragging && ORXScreen::compositorPlacesWindows() && windowHandle()) {
        m_dragging = false;
        windowHandle()->startSystemMove();
    }
}

void CustomWindow::mouseMoveEvent(QMouseEvent* event)
{
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
    QWidget::mouseReleaseEvent(event);
}

void CustomWindow::closeEvent(QCloseEvent* event)
{
    emit windowWillClose();
    QWidget::closeEvent(event);
}
