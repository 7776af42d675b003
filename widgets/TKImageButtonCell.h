#pragma once

#include <QPixmap>
#include <QRectF>

class QPainter;

// The bezel of a text button as a three-part image: "bg_bt_info_left.png",
// "bg_bt_info_center.png" and "bg_bt_info_right.png", or their "_pressed" forms.
// The images are loaded once per cell, for the device pixel ratio given.
class TKImageButtonCell
{
public:
    explicit TKImageButtonCell(qreal dpr = 1.0);

    // A cell whose state is on shows the plain bezel, one whose state is off the pressed
    // one (the plain look marks the chosen button of a group).
    void drawBezelWithFrame(QPainter& painter, const QRectF& frame, bool stateOn) const;
    // While highlighted (held down) the pressed bezel goes over the frame; otherwise nothing.
    void highlight(QPainter& painter, const QRectF& frame, bool highlighted) const;

private:
    QPixmap m_left, m_center, m_right;
    QPixmap m_leftPressed, m_centerPressed, m_rightPressed;
};
