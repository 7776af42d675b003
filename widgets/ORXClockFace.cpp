#include "ORXClockFace.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <cmath>

namespace {
const QColor kFace(0x22, 0x26, 0x2c);
const QColor kRim(0x3a, 0x3f, 0x47);
const QColor kTick(0x7c, 0x83, 0x8d);
const QColor kHand(0xd0, 0xd4, 0xda);
const QColor kAccent(0xf5, 0xa6, 0x23);

// Angle of a point seen from the centre, degrees clockwise from twelve, 0 to 360.
double angleOf(const QPointF& v)
{
    const double a = qRadiansToDegrees(std::atan2(v.x(), -v.y()));
    return a < 0 ? a + 360 : a;
}

double angularDistance(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}
} // namespace

ORXClockFace::ORXClockFace(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setCursor(Qt::OpenHandCursor);
}

void ORXClockFace::setTime(const QTime& time)
{
    if (!time.isValid() || time == m_time)
        return;
    m_time = QTime(time.hour(), time.minute(), time.second());
    update();
    emit timeChanged(m_time);
}

void ORXClockFace::edit(const QTime& time)
{
    const QTime before = m_time;
    setTime(time);
    if (m_time != before)
        emit timeEdited(m_time);
}

QPointF ORXClockFace::centre() const
{
    return QRectF(rect()).center();
}

double ORXClockFace::radius() const
{
    return std::min(width(), height()) / 2.0 - 3;
}

double ORXClockFace::handLength(Hand hand) const
{
    switch (hand) {
    case HourHand:
        return radius() * 0.5;
    case MinuteHand:
        return radius() * 0.74;
    case SecondHand:
        return radius() * 0.84;
    case NoHand:
        break;
    }
    return 0;
}

double ORXClockFace::handAngle(Hand hand) const
{
    switch (hand) {
    case HourHand:
        return (m_time.hour() % 12) * 30 + m_time.minute() * 0.5;
    case MinuteHand:
        return m_time.minute() * 6 + m_time.second() * 0.1;
    case SecondHand:
        return m_time.second() * 6;
    case NoHand:
        break;
    }
    return 0;
}

QPointF ORXClockFace::handTip(Hand hand) const
{
    const double a = qDegreesToRadians(handAngle(hand));
    return centre() + QPointF(std::sin(a), -std::cos(a)) * handLength(hand);
}

void ORXClockFace::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = centre();
    const double r = radius();
    p.setPen(QPen(hasFocus() ? kAccent : kRim, 2));
    p.setBrush(kFace);
    p.drawEllipse(c, r, r);
    for (int i = 0; i < 60; ++i) {
        const double a = qDegreesToRadians(i * 6.0);
        const QPointF dir(std::sin(a), -std::cos(a));
        const bool hour = i % 5 == 0;
        p.setPen(QPen(hour ? kHand : kTick, hour ? 2.2 : 1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + dir * (r - (hour ? 10 : 6)), c + dir * (r - 3));
    }
    QFont numbers = font();
    numbers.setPixelSize(std::max(9, int(r / 7)));
    p.setFont(numbers);
    p.setPen(kHand);
    for (int h = 1; h <= 12; ++h) {
        const double a = qDegreesToRadians(h * 30.0);
        const QPointF at = c + QPointF(std::sin(a), -std::cos(a)) * (r - 10 - numbers.pixelSize());
        p.drawText(QRectF(at.x() - 14, at.y() - 10, 28, 20), Qt::AlignCenter, QString::number(h));
    }
    QFont digits = font();
    digits.setPixelSize(std::max(9, int(r / 7.5)));
    digits.setFamily(QStringLiteral("DejaVu Sans Mono"));
    p.setFont(digits);
    p.setPen(kTick);
    // The digits go below the centre, or above it when more hands point down than up.
    int down = 0;
    for (Hand h : {HourHand, MinuteHand}) {
        const double a = handAngle(h);
        down += a > 120 && a < 240 ? 1 : (a < 60 || a > 300 ? -1 : 0);
    }
    const double digitsTop = down > 0 ? c.y() - r * 0.48 : c.y() + r * 0.28;
    p.drawText(QRectF(c.x() - r / 2, digitsTop, r, r * 0.2), Qt::AlignCenter,
               m_time.toString(QStringLiteral("HH:mm:ss")));

    const auto hand = [&](Hand which, const QColor& colour, double width) {
        const double a = qDegreesToRadians(handAngle(which));
        const QPointF dir(std::sin(a), -std::cos(a));
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c - dir * (r * 0.08), c + dir * handLength(which));
    };
    hand(HourHand, m_dragging == HourHand ? kAccent : kHand, 5);
    hand(MinuteHand, m_dragging == MinuteHand ? kAccent : kHand, 3.2);
    hand(SecondHand, kAccent, 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(c, 4, 4);
}

ORXClockFace::Hand ORXClockFace::handAt(const QPointF& point) const
{
    const QPointF v = point - centre();
    const double distance = std::hypot(v.x(), v.y());
    if (distance > radius() + 4)
        return NoHand;
    const double a = angleOf(v);
    Hand best = NoHand;
    double bestDistance = 360;
    // The hour hand is short: it is only taken near the centre.
    for (Hand h : {SecondHand, MinuteHand, HourHand}) {
        if (h == HourHand && distance > handLength(HourHand) + 12)
            continue;
        const double d = angularDistance(a, handAngle(h));
        if (d < bestDistance - 0.5) {
            best = h;
            bestDistance = d;
        }
    }
    return bestDistance <= 25 ? best : NoHand;
}

void ORXClockFace::dragTo(const QPointF& point)
{
    const double a = angleOf(point - centre());
    int h = m_time.hour();
    int m = m_time.minute();
    int s = m_time.second();
    switch (m_dragging) {
    case HourHand: {
        const int hour12 = int(a / 30) % 12;
        const int before = h % 12;
        int half = h >= 12 ? 12 : 0;
        if (before >= 9 && hour12 <= 2) // past twelve clockwise: into the other half
            half = 12 - half;
        else if (before <= 2 && hour12 >= 9)
            half = 12 - half;
        h = half + hour12;
        break;
    }
    case MinuteHand: {
        const int minute = int(std::lround(a / 6)) % 60;
        if (m >= 45 && minute < 15)
            h = (h + 1) % 24;
        else if (m < 15 && minute >= 45)
            h = (h + 23) % 24;
        m = minute;
        break;
    }
    case SecondHand:
        s = int(std::lround(a / 6)) % 60;
        break;
    case NoHand:
        return;
    }
    edit(QTime(h, m, s));
}

void ORXClockFace::mousePressEvent(QMouseEvent* event)
{
    m_dragging = event->button() == Qt::LeftButton ? handAt(event->position()) : NoHand;
    if (m_dragging != NoHand) {
        setCursor(Qt::ClosedHandCursor);
        update();
    }
    event->accept();
}

void ORXClockFace::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging != NoHand)
        dragTo(event->position());
}

void ORXClockFace::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragging != NoHand)
        dragTo(event->position());
    m_dragging = NoHand;
    setCursor(Qt::OpenHandCursor);
    update();
}

void ORXClockFace::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        step = 60;
        break;
    case Qt::Key_Down:
        step = -60;
        break;
    case Qt::Key_PageUp:
        step = 3600;
        break;
    case Qt::Key_PageDown:
        step = -3600;
        break;
    case Qt::Key_End:
        step = 1;
        break;
    case Qt::Key_Home:
        step = -1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    edit(m_time.addSecs(step));
}
