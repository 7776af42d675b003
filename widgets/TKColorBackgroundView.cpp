#include "TKColorBackgroundView.h"

#include <QPaintEvent>
#include <QPainter>

TKColorBackgroundView::TKColorBackgroundView(QWidget* parent)
    : QWidget(parent)
{
}

void TKColorBackgroundView::setBackgroundColor(const QColor& color)
{
    if (!color.isValid()) {
        clearBackgroundColor();
        return;
    }
    m_color = color;
    update();
    emit backgroundColorChanged(color);
}

void TKColorBackgroundView::clearBackgroundColor()
{
    if (!m_color)
        return;
    m_color.reset();
    update();
    emit backgroundColorChanged(QColor());
}

void TKColorBackgroundView::paintEvent(QPaintEvent* event)
{
    if (!m_color)
        return;
    QPainter painter(this);
    painter.fillRect(event->rect(), *m_color);
}
