#include "EcoSliderAxisView.h"

#include "SMDoubleSlider.h"

#include <QEvent>
#include <QPainter>

#include <cmath>

namespace {
constexpr double kOwnMargin = 8; // without a slider: the ticks keep this far from the edges
}

EcoSliderAxisView::EcoSliderAxisView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EcoSliderAxisView::setSlider(SMDoubleSlider* slider)
{
    if (m_slider)
        m_slider->removeEventFilter(this);
    m_slider = slider;
    if (m_slider)
        m_slider->installEventFilter(this);
    update();
}

void EcoSliderAxisView::setTickColor(const QColor& color)
{
    m_tickColor = color;
    update();
}

bool EcoSliderAxisView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_slider && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        update();
    return QWidget::eventFilter(watched, event);
}

QRectF EcoSliderAxisView::tickRect(int i) const
{
    double left = kOwnMargin;
    double right = width() - kOwnMargin;
    if (m_slider && m_slider->window() == window()) {
        // The slider's track ends, carried into this view's coordinates.
        const QPoint offset = mapFrom(m_slider->window(), m_slider->mapTo(m_slider->window(), QPoint(0, 0)));
        left = offset.x() + m_slider->trackLeft();
        right = offset.x() + m_slider->trackRight();
    }
    const double step = (right - left) / (kTickCount - 1);
    const double x = std::floor(left + i * step); // whole pixels keep the 1-wide ticks sharp
    return isLongTick(i) ? QRectF(x, 3, 1, 8) : QRectF(x, 5, 1, 5);
}

void EcoSliderAxisView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int i = 0; i < kTickCount; ++i)
        painter.fillRect(tickRect(i), m_tickColor);
}
