#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A borderless button drawn only with images: the active image while enabled, the inactive
// one ("…_d") while disabled, the roll-over image ("…_f") while the mouse is over it and the
// pressed image ("…_p") while it is held down. Images are found by name: "icon_play_n" has
// the variants icon_play_d, icon_play_f and icon_play_p. The mouse counts as over the button already within
// 4 pixels of its edges (the tracking area is the button grown by kTrackingMargin).
class TKImageButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QString imageName READ imageName WRITE setImageName NOTIFY imageNameChanged)
    Q_PROPERTY(qint64 numberOfCaptures READ numberOfCaptures NOTIFY numberOfCapturesChanged)

public:
    static constexpr int kTrackingMargin = 4;

    explicit TKImageButton(QWidget* parent = nullptr);
    ~TKImageButton() override;

    // Shows the named image and takes its roll-over and pressed variants.
    void setImageName(const QString& name);
    QString imageName() const { return m_imageName; }
    // The image named like the current one with its last two characters replaced by
    // `suffix`; null when there is no such image.
    QPixmap buttonImageNameWithSuffix(const QString& suffix) const;
    QString imageNameWithSuffix(const QString& suffix) const;

    // The image the button shows when not pressed.
    QPixmap image() const { return m_image; }
    // The image actually drawn now (the pressed image while held down).
    QPixmap displayedImage() const;

    QPixmap activeImage() const { return m_activeImage; }
    void setActiveImage(const QPixmap& image);
    QPixmap inactiveImage() const { return m_inactiveImage; }
    void setInactiveImage(const QPixmap& image);
    QPixmap activeNotKeyWindowImage() const { return m_activeNotKeyWindowImage; }
    void setActiveNotKeyWindowImage(const QPixmap& image) { m_activeNotKeyWindowImage = image; }
    QPixmap rolloverImage() const { return m_rolloverImage; }
    void setRolloverImage(const QPixmap& image);
    QPixmap pressedImage() const { return m_pressedImage; }
    void setPressedImage(const QPixmap& image);

    qint64 numberOfCaptures() const { return m_numberOfCaptures; }
    // The tracking area in the parent's coordinates: the geometry grown by 4 on every side.
    QRect trackingArea() const;

    // The mouse entering and leaving the tracking area.
    void mouseEntered();
    void mouseExited();
    void didCaptureMousePointer();
    void didReleaseMousePointer();
    bool shouldDisplayRollOver() const;
    void resetMouseCaptures();

    void setEnabled(bool enabled);
    void updateRollOverImage();
    void updateImage();
    void updateActiveImage();

    QSize sizeHint() const override;

signals:
    void imageNameChanged(const QString& name);
    void numberOfCapturesChanged(qint64 captures);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    QPixmap loadImage(const QString& name) const;
    void takeVariants();
    void updateTrackingAreas();
    void trackPointer(const QPoint& posInParent);
    void setInside(bool inside);

    QString m_imageName;
    qreal m_imageRatio = 0;
    QPixmap m_image;
    QPixmap m_activeImage;
    QPixmap m_inactiveImage;
    QPixmap m_activeNotKeyWindowImage;
    QPixmap m_rolloverImage;
    QPixmap m_pressedImage;
    qint64 m_numberOfCaptures = 0;
    bool m_inside = false;
    QWidget* m_trackedParent = nullptr;
};
