#include "TKImageButton.h"

#include "ORXImage.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

TKImageButton::TKImageButton(QWidget* parent) : QAbstractButton(parent)
{
    // Momentary, borderless, no title; the images carry every state.
    setCheckable(false);
    setText(QString());
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    updateTrackingAreas();
}

TKImageButton::~TKImageButton()
{
    if (m_trackedParent)
        m_trackedParent->removeEventFilter(this);
}

QPixmap TKImageButton::loadImage(const QString& name) const
{
    return ORXImage::pixmap(name, {}, devicePixelRatioF());
}

void TKImageButton::setImageName(const QString& name)
{
    // The play button is told its image on every change of the play state: only a new name
    // (or a new pixel ratio) loads and repaints anything.
    if (name == m_imageName && devicePixelRatioF() == m_imageRatio && !m_image.isNull())
        return;
    m_imageName = name;
    m_imageRatio = devicePixelRatioF();
    m_image = loadImage(name);
    takeVariants();
    updateRollOverImage();
    update();
    updateGeometry();
    emit imageNameChanged(name);
}

void TKImageButton::takeVariants()
{
    m_rolloverImage = buttonImageNameWithSuffix(QStringLiteral("_f"));
    m_pressedImage = buttonImageNameWithSuffix(QStringLiteral("_p"));
    m_activeImage = m_image;
    // The "_d" variant shows that the button is disabled; without one the image stays.
    m_inactiveImage = buttonImageNameWithSuffix(QStringLiteral("_d"));
    if (m_inactiveImage.isNull())
        m_inactiveImage = m_image;
}

QString TKImageButton::imageNameWithSuffix(const QString& suffix) const
{
    QString base = m_imageName;
    // "record_p.png": the state suffix sits before the extension.
    QString extension;
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot > 0) {
        extension = base.mid(dot);
        base.truncate(dot);
    }
    if (base.size() < 2)
        return {};
    base.chop(2);
    return base + suffix + extension;
}

QPixmap TKImageButton::buttonImageNameWithSuffix(const QString& suffix) const
{
    const QString name = imageNameWithSuffix(suffix);
    return name.isEmpty() ? QPixmap() : loadImage(name);
}

QPixmap TKImageButton::displayedImage() const
{
    if (isDown() && !m_pressedImage.isNull())
        return m_pressedImage;
    return m_image;
}

void TKImageButton::setActiveImage(const QPixmap& image)
{
    m_activeImage = image;
    updateRollOverImage();
}

void TKImageButton::setInactiveImage(const QPixmap& image)
{
    m_inactiveImage = image;
    updateRollOverImage();
}

void TKImageButton::setRolloverImage(const QPixmap& image)
{
    m_rolloverImage = image;
    updateRollOverImage();
}

void TKImageButton::setPressedImage(const QPixmap& image)
{
    m_pressedImage = image;
    update();
}

QRect TKImageButton::trackingArea() const
{
    const int m = kTrackingMargin;
    return geometry().adjusted(-m, -m, m, m);
}

void TKImageButton::mouseEntered()
{
    didCaptureMousePointer();
    updateRollOverImage();
}

void TKImageButton::mouseExited()
{
    didReleaseMousePointer();
    updateRollOverImage();
}

void TKImageButton::didCaptureMousePointer()
{
    ++m_numberOfCaptures;
    emit numberOfCapturesChanged(m_numberOfCaptures);
}

void TKImageButton::didReleaseMousePointer()
{
    // More exits than entries (a leave seen without its enter) never go below zero.
    if (m_numberOfCaptures - 1 < 0)
        return;
    --m_numberOfCaptures;
    emit numberOfCapturesChanged(m_numberOfCaptures);
}

bool TKImageButton::shouldDisplayRollOver() const
{
    return m_numberOfCaptures > 0 && isEnabled();
}

void TKImageButton::resetMouseCaptures()
{
    m_inside = false;
    if (m_numberOfCaptures == 0)
        return;
    m_numberOfCaptures = 0;
    emit numberOfCapturesChanged(0);
    updateRollOverImage();
}

void TKImageButton::setEnabled(bool enabled)
{
    // The active or inactive image; the roll-over one when the pointer is over an enabled button.
    QAbstractButton::setEnabled(enabled);
    updateRollOverImage();
}

void TKImageButton::updateRollOverImage()
{
    if (shouldDisplayRollOver() && !m_rolloverImage.isNull()) {
        m_image = m_rolloverImage;
        update();
        return;
    }
    updateImage();
}

void TKImageButton::updateImage()
{
    m_image = isEnabled() ? m_activeImage : m_inactiveImage;
    update();
}

void TKImageButton::updateActiveImage()
{
    updateRollOverImage();
}

QSize TKImageButton::sizeHint() const
{
    if (m_activeImage.isNull())
        return {16, 16};
    return (m_activeImage.deviceIndependentSize()).toSize();
}

void TKImageButton::paintEvent(QPaintEvent*)
{
    const QPixmap pixmap = displayedImage();
    if (pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF size = pixmap.deviceIndependentSize();
    const QPointF origin((width() - size.width()) / 2.0, (height() - size.height()) / 2.0);
    painter.drawPixmap(QRectF(origin, size), pixmap, QRectF(pixmap.rect()));
}

void TKImageButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        updateRollOverImage();
    QAbstractButton::changeEvent(event);
}

// Tracking area: the button's own enter covers the inside; the 4-pixel margin around it lies
// on the parent, whose mouse moves (with tracking on) are watched through an event filter.
void TKImageButton::updateTrackingAreas()
{
    QWidget* parent = parentWidget();
    if (parent == m_trackedParent)
        return;
    if (m_trackedParent)
        m_trackedParent->removeEventFilter(this);
    m_trackedParent = parent;
    if (parent) {
        parent->setMouseTracking(true);
        parent->installEventFilter(this);
    }
}

void TKImageButton::setInside(bool inside)
{
    if (inside == m_inside)
        return;
    m_inside = inside;
    if (inside)
        mouseEntered();
    else
        mouseExited();
}

void TKImageButton::trackPointer(const QPoint& posInParent)
{
    setInside(isVisible() && trackingArea().contains(posInParent));
}

void TKImageButton::enterEvent(QEnterEvent* event)
{
    setInside(true);
    QAbstractButton::enterEvent(event);
}

void TKImageButton::leaveEvent(QEvent* event)
{
    // Left the button itself: still captured while the pointer is within the margin.
    if (m_trackedParent)
        trackPointer(m_trackedParent->mapFromGlobal(QCursor::pos()));
    else
        setInside(false);
    QAbstractButton::leaveEvent(event);
}

bool TKImageButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_trackedParent) {
        switch (event->type()) {
        case QEvent::MouseMove:
            trackPointer(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::Enter:
            trackPointer(static_cast<QEnterEvent*>(event)->position().toPoint());
            break;
        case QEvent::Leave:
            setInside(false);
            break;
        default:
            break;
        }
    }
    return QAbstractButton::eventFilter(watched, event);
}

bool TKImageButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        updateTrackingAreas();
        break;
    case QEvent::Hide:
        if (m_inside)
            setInside(false);
        break;
    default:
        break;
    }
    return QAbstractButton::event(event);
}
