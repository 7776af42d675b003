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
    // change here: window managers animate on their own. Out of full screen the frame is kept
    // within the available area of the window's screen.
    void setFrame(const QRect& frame, bool animate);

    // Pressing within this many pixels of an edge or corner resizes the borderless window.
    static constexpr int kResizeMargin = 6;
    // Which edges a press at pos (window coordinates) grabs in a window of size.
    static Qt::Edges edgesAt(const QPoint& pos, const QSize& size);
    // The frame after dragging edges of start by delta: never below minimum, never beyond
    // available (the screen's available area).
    static QRect resizedFrame(const QRect& start, Qt::Edges edges, const QPoint& delta, const QSize& minimum,
                              const QRect& available);
    // frame moved and cut so that it lies within available.
    static QRect boundedFrame(const QRect& frame, const QRect& available);
    void setMinimumFrameSize(const QSize& size) { m_minimumFrameSize = size; }
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
    Qt::Edges m_resizeEdges;
    QRect m_resizeStart;
    QPoint m_resizePress;
    QSize m_minimumFrameSize{1020, 640};
};
