#include "ORXClipMarks.h"

#include <QEvent>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {
const QColor kAccent(0xf5, 0xa6, 0x23);
const QColor kTick(0xe8, 0xea, 0xed); // the theme's light text
const QColor kEdge(0x1e, 0x21, 0x26); // the theme's charcoal
constexpr int kTickHalfHeight = 7;
constexpr int kFractionSteps = 100000; // resolution of the handle positions asked of the style
} // namespace

ORXClipMarks::ORXClipMarks(QSlider* slider) : QWidget(slider), m_slider(slider)
{
    setObjectName(QStringLiteral("clipMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(slider->rect());
    slider->installEventFilter(this);
    hide();
}

void ORXClipMarks::setMarks(double in, double out)
{
    m_in = in;
    m_out = out;
    setVisible(m_in >= 0 || m_out >= 0);
    raise();
    update();
}

bool ORXClipMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_slider && event->type() == QEvent::Resize)
        setGeometry(m_slider->rect());
    return QWidget::eventFilter(watched, event);
}

// The centre of the handle when it stands at that fraction of the slider's range, as the
// slider's own style places it.
int ORXClipMarks::xOf(double fraction) const
{
    QStyleOptionSlider option;
    option.initFrom(m_slider);
    option.orientation = Qt::Horizontal;
    option.minimum = 0;
    option.maximum = kFractionSteps;
    option.sliderPosition = option.sliderValue = int(std::clamp(fraction, 0.0, 1.0) * kFractionSteps);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    const QRect handle =
        m_slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, m_slider);
    return handle.center().x();
}

void ORXClipMarks::paintEvent(QPaintEvent*)
{
    if (!m_slider)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int middle = height() / 2;
    if (m_in >= 0 && m_out > m_in) {
        QColor band = kAccent;
        band.setAlpha(70);
        const int left = xOf(m_in), right = xOf(m_out);
        painter.fillRect(QRect(QPoint(left, middle - 4), QPoint(right, middle + 4)), band);
    }
    // Light ticks with a dark edge: they show on the amber part of the groove and beside it.
    const QPen edge(kEdge, 4, Qt::SolidLine, Qt::FlatCap), tick(kTick, 2, Qt::SolidLine, Qt::FlatCap);
    for (const QPen& pen : {edge, tick}) {
        painter.setPen(pen);
        for (double mark : {m_in, m_out}) {
            if (mark >= 0)
                painter.drawLine(xOf(mark), middle - kTickHalfHeight, xOf(mark), middle + kTickHalfHeight);
        }
    }
}
