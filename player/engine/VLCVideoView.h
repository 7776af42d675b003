#pragma once

#include <QImage>
#include <QMutex>
#include <QWidget>

#include <atomic>
#include <memory>

class QPainter;
class QTimer;
class VLCVideoView;

// The picture format asked of libVLC for one video output: RV32 pixels of width x height,
// each line pitch bytes apart, lines lines allocated. Pitch and lines are multiples of 32, as
// libVLC's converters and decoders assume of callback buffers.
struct VLCVideoFrameFormat
{
    int width = 0;
    int height = 0;
    int pitch = 0;
    int lines = 0;

    QSize size() const { return QSize(width, height); }
    bool isValid() const { return width > 0 && height > 0; }

    // The picture for a source of sourceSize shown in a box of box device pixels: shrunk to fit
    // the box with the source's aspect kept (its width a multiple of 16, the converter's fast
    // path) when fill is set or the source does not fit; otherwise the source's own size, which
    // an empty box (a view never laid out) also asks for.
    static VLCVideoFrameFormat forSource(QSize sourceSize, QSize box, bool fill);
};

// Where an engine's display thread leaves finished frames for a view. Shared by the view and
// its engine, so that either may go first: a frame that arrives after the view has gone is
// simply dropped. Thread-safe; it never waits for the main thread beyond the paint of a frame.
//
// Two buffers of the negotiated format: libVLC's converter writes into the back one (the
// lock callback hands it out), and the display callback swaps it to the front under the
// lock. The view paints the front buffer in place, so a frame is written once and read once.
class VLCVideoFrameSink
{
public:
    VLCVideoFrameSink();
    ~VLCVideoFrameSink();
    VLCVideoFrameSink(const VLCVideoFrameSink&) = delete;
    VLCVideoFrameSink& operator=(const VLCVideoFrameSink&) = delete;

    // --- libVLC's display thread ---
    // Chooses the format for a source of sourceSize at the view's current box and allocates
    // the buffers; an invalid format when the buffers cannot be had.
    VLCVideoFrameFormat configure(QSize sourceSize);
    void release();
    void* backBuffer() const; // 32-byte aligned, pitch x lines bytes
    void present();           // the back buffer is finished: it becomes the frame shown

    // --- any thread ---
    QImage frame() const; // a copy of the frame shown; null before the first frame
    void clear();
    quint64 frameCount() const { return m_frameCount.load(); }
    VLCVideoFrameFormat format() const;
    // The box (device pixels) and fill mode the next format is chosen for; true when the
    // current video output's format is not the one these would give.
    bool setBox(QSize box, bool fill);
    bool needsNewFormat() const;
    // Paints the frame shown into bounds (logical pixels) by the view's rule, for a painter of
    // the given device pixel ratio; returns where it went, empty when there is no frame.
    QRectF paint(QPainter* painter, const QRect& bounds, bool fill, qreal devicePixelRatio) const;

private:
    friend class VLCVideoView;
    void attach(VLCVideoView* view);
    void detach();
    void freeBuffers();

    mutable QMutex m_mutex;
    uchar* m_buffers[2] = {nullptr, nullptr};
    int m_front = 0; // index of the buffer shown; the other one is written
    bool m_hasFrame = false;
    QImage m_still; // the last frame of the previous output, until the next one delivers
    VLCVideoFrameFormat m_format;
    QSize m_sourceSize;
    QSize m_box;
    bool m_fill = false;
    VLCVideoView* m_view = nullptr;
    std::atomic<quint64> m_frameCount{0};
    std::atomic<bool> m_updatePending{false};
};

// The drawing surface of one playback engine. libVLC decodes and scales into the view's own
// buffers through its video callbacks, at the size the picture is shown at (the view's size
// times the device pixel ratio, aspect kept); the latest finished frame is painted on the main
// thread, so this works on X11, Wayland and the offscreen platform alike. When the view's size
// changes, pictureSizeChanged asks the engine for pictures of the new size.
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

    // The frame shown now, at the size libVLC delivers it; null before the first frame.
    QImage currentFrame() const { return m_sink->frame(); }
    quint64 frameCount() const { return m_sink->frameCount(); }
    // Forgets the picture (a new recording is loaded or the engine was stopped).
    void clearFrame();
    // The size asked of libVLC now (device pixels); invalid before the first video output.
    QSize pictureSize() const { return m_sink->format().size(); }
    // Hands the view's present size to the sink; the engine calls it before it starts a video.
    void updatePictureBox();

    std::shared_ptr<VLCVideoFrameSink> frameSink() const { return m_sink; }
    // False while the view is hidden after having been shown (full screen hides the small
    // view; a minimised window hides both): nobody sees its pictures, so its engine need not
    // decode them. A view never shown still wants them (an engine used without a window).
    bool wantsPictures() const { return !m_hiddenAfterShown; }

signals:
    void fillScreenChanged(bool fill);
    // A new frame has arrived (main thread; coalesced when frames come faster than paints).
    void frameShown();
    // The view's size settled at one that wants pictures of another size than libVLC gives.
    void pictureSizeChanged();
    // wantsPictures() changed.
    void wantsPicturesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class VLCVideoFrameSink;
    void deliverFrame();

    bool m_fillScreen = false;
    bool m_hiddenAfterShown = false;
    std::shared_ptr<VLCVideoFrameSink> m_sink;
    QTimer* m_settle = nullptr;
};
