#include "SMDoubleSlider.h"

#include "ORXImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kTrack(0x3a, 0x3f, 0x47);
const QColor kAccent(0xf5, 0xa6, 0x23);
const QColor kKnob(0xd0, 0xd4, 0xda);
constexpr double kPlainKnobWidth = 14;
constexpr double kPlainKnobHeight = 20;
constexpr double kBarHeight = 6;
} // namespace

SMDoubleSlider::SMDoubleSlider(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize SMDoubleSlider::sizeHint() const
{
    return QSize(200, int(knobSize().height()) + 4);
}

void SMDoubleSlider::setDoubleHiValue(double value)
{
    value = qMin(qMax(value, m_lo), m_max);
    if (value == m_hi)
        return;
    m_hi = value;
    update();
}

void SMDoubleSlider::setDoubleLoValue(double value)
{
    value = qMax(qMin(value, m_hi), m_min);
    if (value == m_lo)
        return;
    m_lo = value;
    update();
}

void SMDoubleSlider::setDoubleValue(double value)
{
    m_trackingLoKnob ? setDoubleLoValue(value) : setDoubleHiValue(value);
}

void SMDoubleSlider::setMinValue(double minimum)
{
    m_lo = qMax(m_lo, minimum);
    m_hi = qMax(m_hi, minimum);
    m_min = minimum;
    m_max = qMax(m_max, minimum);
    update();
}

void SMDoubleSlider::setMaxValue(double maximum)
{
    m_lo = qMin(m_lo, maximum);
    m_hi = qMin(m_hi, maximum);
    m_max = maximum;
    m_min = qMin(m_min, maximum);
    update();
}

void SMDoubleSlider::setTrackingLoKnob(bool on)
{
    if (on == m_trackingLoKnob)
        return;
    m_trackingLoKnob = on;
    update();
}

void SMDoubleSlider::setLockedSliders(bool on)
{
    m_locked = on;
    if (on)
        m_lo = m_hi;
    update();
}

void SMDoubleSlider::setImageNames(const QString& knobLeft, const QString& knobRight, const QString& barFill)
{
    m_knobLeftName = knobLeft;
    m_knobRightName = knobRight;
    m_barFillName = barFill;
    loadImages();
    updateGeometry();
    update();
}

void SMDoubleSlider::loadImages()
{
    const qreal dpr = devicePixelRatioF();
    m_knobLeftImage = ORXImage::pixmap(m_knobLeftName, {}, dpr);
    m_knobRightImage = ORXImage::pixmap(m_knobRightName, {}, dpr);
    m_barFillImage = ORXImage::pixmap(m_barFillName, {}, dpr);
}

QSizeF SMDoubleSlider::knobSize() const
{
    if (!m_knobLeftImage.isNull() && !m_knobRightImage.isNull())
        return m_knobLeftImage.deviceIndependentSize().expandedTo(m_knobRightImage.deviceIndependentSize());
    return QSizeF(kPlainKnobWidth, kPlainKnobHeight);
}

double SMDoubleSlider::positionForValue(double value) const
{
    const double half = knobSize().width() / 2;
    const double span = m_max - m_min;
    const double fraction = span > 0 ? (value - m_min) / span : 0;
    return half + fraction * qMax(0.0, width() - 2 * half);
}

double SMDoubleSlider::valueForPosition(double x) const
{
    const double half = knobSize().width() / 2;
    const double length = width() - 2 * half;
    if (length <= 0)
        return m_min;
    return m_min + qBound(0.0, (x - half) / length, 1.0) * (m_max - m_min);
}

QRectF SMDoubleSlider::knobRect(bool lowKnob) const
{
    const QSizeF size = knobSize();
    const double centre = positionForValue(lowKnob ? m_lo : m_hi);
    return QRectF(centre - size.width() / 2, (height() - size.height()) / 2, size.width(), size.height());
}

QRectF SMDoubleSlider::barRect() const
{
    const double height =
        m_barFillImage.isNull() ? kBarHeight : m_barFillImage.deviceIndependentSize().height();
    return QRectF(trackLeft(), (this->height() - height) / 2, trackRight() - trackLeft(), height);
}

void SMDoubleSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const double x = event->position().x();
    const QRectF low = knobRect(true);
    bool lowKnob = x < low.center().x();
    // Two knobs in one place: at the minimum only the high knob can leave it.
    if (lowKnob && low == knobRect(false) && !(m_lo > m_min))
        lowKnob = false;
    if (m_locked)
        lowKnob = false;
    setTrackingLoKnob(lowKnob);
    m_pressed = true;
    const QRectF knob = knobRect(lowKnob);
    if (knob.contains(event->position())) {
        m_grabOffset = x - knob.center().x();
    } else {
        // A press beside the knob brings the knob there.
        m_grabOffset = 0;
        moveActiveKnob(valueForPosition(x), m_continuous);
    }
    update();
}

void SMDoubleSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed)
        return QWidget::mouseMoveEvent(event);
    moveActiveKnob(valueForPosition(event->position().x() - m_grabOffset), m_continuous);
}

void SMDoubleSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    m_pressed = false;
    tellBoundValue();
    update();
}

void SMDoubleSlider::moveActiveKnob(double value, bool tell)
{
    const double before = doubleValue();
    if (m_locked) {
        setDoubleHiValue(value);
        m_lo = m_hi;
    } else {
        setDoubleValue(value);
    }
    if (tell && doubleValue() != before)
        tellBoundValue();
}

void SMDoubleSlider::tellBoundValue()
{
    if (m_trackingLoKnob)
        emit objectLoValueChanged(m_lo);
    else
        emit objectHiValueChanged(m_hi);
}

void SMDoubleSlider::keyPressEvent(QKeyEvent* event)
{
    const double step = m_altIncrement;
    double value = doubleValue();
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        value -= step;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        value += step;
        break;
    case Qt::Key_PageDown:
        value -= 10 * step;
        break;
    case Qt::Key_PageUp:
        value += 10 * step;
        break;
    case Qt::Key_Home:
        value = m_min;
        break;
    case Qt::Key_End:
        value = m_max;
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    moveActiveKnob(value, true);
}

bool SMDoubleSlider::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        const bool backtab = key->key() == Qt::Key_Backtab ||
                             (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if ((tab || backtab) && handleTab(backtab))
            return true;
    }
    return QWidget::event(event);
}

bool SMDoubleSlider::handleTab(bool backwards)
{
    if (!backwards && m_trackingLoKnob) {
        setTrackingLoKnob(false);
        return true;
    }
    if (backwards && !m_trackingLoKnob) {
        setTrackingLoKnob(true);
        return true;
    }
    if (!backwards)
        setTrackingLoKnob(true); // the next visit by Tab starts at the low knob again
    return false;                // leave the slider: the window moves the focus on
}

void SMDoubleSlider::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason)
        setTrackingLoKnob(true);
    else if (event->reason() == Qt::BacktabFocusReason)
        setTrackingLoKnob(false);
    QWidget::focusInEvent(event);
}

void SMDoubleSlider::paintEvent(QPaintEvent*)
{
    // Moved to a screen of another pixel ratio: draw the images again, sharp.
    if (!m_knobLeftImage.isNull() && m_knobLeftImage.devicePixelRatio() != devicePixelRatioF())
        loadImages();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bar = barRect();
    if (!m_barFillImage.isNull()) {
        // Three parts from one image: its ends as caps, its middle stretched between them.
        const QSizeF size = m_barFillImage.deviceIndependentSize();
        const double cap = qMin(size.width() / 2, bar.width() / 2);
        const double dpr = m_barFillImage.devicePixelRatio();
        const QRectF source(0, 0, m_barFillImage.width(), m_barFillImage.height());
        const double capPixels = cap * dpr;
        painter.drawPixmap(QRectF(bar.left(), bar.top(), cap, bar.height()), m_barFillImage,
                           QRectF(0, 0, capPixels, source.height()));
        painter.drawPixmap(QRectF(bar.left() + cap, bar.top(), bar.width() - 2 * cap, bar.height()),
                           m_barFillImage,
                           QRectF(capPixels, 0, qMax(1.0, source.width() - 2 * capPixels), source.height()));
        painter.drawPixmap(QRectF(bar.right() - cap, bar.top(), cap, bar.height()), m_barFillImage,
                           QRectF(source.width() - capPixels, 0, capPixels, source.height()));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kTrack);
        painter.drawRoundedRect(bar, bar.height() / 2, bar.height() / 2);
    }
    // The chosen range between the knobs in the accent colour.
    const QRectF range(positionForValue(m_lo), bar.top() + 1, positionForValue(m_hi) - positionForValue(m_lo),
                       bar.height() - 2);
    painter.fillRect(range, isEnabled() ? kAccent : kTrack.lighter(130));
    drawKnob(painter, true);
    drawKnob(painter, false);
}

void SMDoubleSlider::drawKnob(QPainter& painter, bool lowKnob)
{
    const QRectF r = knobRect(lowKnob);
    const bool active = lowKnob == m_trackingLoKnob;
    const QPixmap& image = lowKnob ? m_knobLeftImage : m_knobRightImage;
    painter.save();
    if (!isEnabled())
        painter.setOpacity(0.45);
    if (!m_knobLeftImage.isNull() && !m_knobRightImage.isNull()) {
        const QSizeF size = image.deviceIndependentSize();
        painter.drawPixmap(QRectF(r.center().x() - size.width() / 2, r.center().y() - size.height() / 2,
                                  size.width(), size.height()),
                           image, QRectF(image.rect()));
    } else {
        painter.setPen(QPen(kTrack, 1));
        painter.setBrush(kKnob);
        painter.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
    // Pressed: a light veil; keyboard focus: an amber line under the active knob.
    if (active && m_pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 60));
        painter.drawRoundedRect(r, 3, 3);
    }
    if (active && hasFocus())
        painter.fillRect(QRectF(r.left() + 2, r.bottom() - 2, r.width() - 4, 2), kAccent);
    painter.restore();
}
