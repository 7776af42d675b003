#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

// The player's main window: borderless, dragged by its background, with its own full-screen
// mode that covers the window's screen and asks the window manager for the full-screen
// state (so panels hide). isFullScreen is observable: the controller re-lays the window out
// on every change.
class CustomWindow : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool isFullScreen READ isFullScreen NOTIFY isFullScreenChanged)

public:
    explicit CustomWindow(QWidget* parent = nullptr);

    bool isFullScreen() const { return m_isFullScreen; }
    QRect initialFrame() const { return m_initialFrame; }
    void setInitialFrame(const QRect& frame) { m_initialFrame = frame; }
    QPoint initialLocation() const { return m_initialLocation; }

    void enterFullscreen();
    void leaveFullscreen();

    // Where a drag that started at initialLocation and is now at globalPos puts the window:
    // the origin moves with the mouse, but the top edge never goes above the top of the
    // available area of the main screen.
    QPoint draggedOrigin(const QPoint& globalPos, const QRect& mainScreenAvailable) const;

    // Moves and resizes the window (frame geometry); animate is honoured as an immediate
    // change here: window managers animate on their own.
    void setFrame(const QRect& frame, bool animate);
    QRect frame() const;

signals:
    void isFullScreenChanged(bool fullScreen);
    void windowWillClose();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setIsFullScreen(bool fullScreen);

    QPoint m_initialLocation;
    QRect m_initialFrame;
    bool m_isFullScreen = false;
    bool m_dragging = false;
};
