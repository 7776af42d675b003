#include "TKImageButtonCell.h"

#include "ORXImage.h"
#include "TKThreePartImageView.h"

TKImageButtonCell::TKImageButtonCell(qreal dpr)
{
    auto load = [dpr](const char* name) { return ORXImage::pixmap(QLatin1String(name), {}, dpr); };
    m_left = load("bg_bt_info_left.png");
    m_center = load("bg_bt_info_center.png");
    m_right = load("bg_bt_info_right.png");
    m_leftPressed = load("bg_bt_info_left_pressed.png");
    m_centerPressed = load("bg_bt_info_center_pressed.png");
    m_rightPressed = load("bg_bt_info_right_pressed.png");
}

void TKImageButtonCell::drawBezelWithFrame(QPainter& painter, const QRectF& frame, bool stateOn) const
{
    if (stateOn)
        TKThreePartImageView::drawThreePartImage(painter, frame, m_left, m_center, m_right);
    else
        TKThreePartImageView::drawThreePartImage(painter, frame, m_leftPressed, m_centerPressed, m_rightPressed);
}

void TKImageButtonCell::highlight(QPainter& painter, const QRectF& frame, bool highlighted) const
{
    if (highlighted)
        TKThreePartImageView::drawThreePartImage(painter, frame, m_leftPressed, m_centerPressed, m_rightPressed);
}
