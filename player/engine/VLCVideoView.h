#pragma once

#include <QImage>
#include <QMutex>
#include <QPointer>
#include <QWidget>

#include <atomic>
#include <memory>

class VLCVideoView;

// Where an engine's display thread leaves finished frames for a view. Shared by the view and
// its engine, so that either may go first: a frame that arrives after the view has gone is
// simply dropped. Thread-safe; it never waits for the main thread.
class VLCVideoFrameSink
{
public:
    // Copies one RGB32 frame and asks the view (if any) to repaint.
    void present(const uchar* pixels, int width, int height, int bytesPerLine);
    QImage frame() const;
    void clear();
    quint64 frameCount() const { return m_frameCount.load(); }

private:
    friend class VLCVideoView;
    void attach(VLCVideoView* view);
    void detach();

    mutable QMutex m_mutex;
    QImage m_front; // the frame being shown
    QImage m_back;  // the frame being filled
    VLCVideoView* m_view = nullptr;
    std::atomic<quint64> m_frameCount{0};
    std::atomic<bool> m_updatePending{false};
};

// The drawing surface of one playback engine. libVLC decodes into our own buffer through its
// video callbacks; the latest finished frame is painted on the main thread, so this works on
// X11, Wayland and the offscreen platform alike.
class VLCVideoView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool fillScreen READ fillScreen WRITE setFillScreen NOTIFY fillScreenChanged)

public:
    explicit VLCVideoView(QWidget* parent = nullptr);
    ~VLCVideoView() override;

    // With fillScreen the picture is scaled to fill the view as far as its aspect ratio allows
    // (the whole picture stays visible: a dash camera's edges hold the plate next door and
    // the time stamp); without it the picture is shown at its own size, centred, and only
    // scaled down when it is larger than the view.
    bool fillScreen() const { return m_fillScreen; }
    void setFillScreen(bool fill);

    // The frame shown now; null before the first frame.
    QImage currentFrame() const { return m_sink->frame(); }
    quint64 frameCount() const { return m_sink->frameCount(); }
    // Forgets the picture (a new recording is loaded or the engine was stopped).
    void clearFrame();

    std::shared_ptr<VLCVideoFrameSink> frameSink() const { return m_sink; }

signals:
    void fillScreenChanged(bool fill);
    // A new frame has arrived (main thread; coalesced when frames come faster than paints).
    void frameShown();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class VLCVideoFrameSink;
    void deliverFrame();

    bool m_fillScreen = false;
    std::shared_ptr<VLCVideoFrameSink> m_sink;
};
