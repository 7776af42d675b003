#pragma once

#include <QPixmap>
#include <QWidget>

// A horizontal slider with two knobs, a low and a high one, that together choose a range
// within minimum and maximum. The values always keep minimum <= low <= high <= maximum:
// a new high value is raised to the low value and cut to the maximum, a new low value is
// cut to the high value and raised to the minimum.
//
// A press chooses its knob: the low one when it lies left of the low knob's centre, the
// high one otherwise; two knobs stacked at the same place are taken apart by moving the
// high knob while the low one sits at the minimum. The pressed knob follows the mouse and
// stops at the other knob. Values set from code only redraw; what the user does is told
// through objectLoValueChanged/objectHiValueChanged (on every drag step while the slider
// is continuous, otherwise on release), so a bound value does not come back round.
//
// Keyboard: the arrows move the active knob by the alternate increment, Page Up/Down by
// ten of them, Home/End to the ends. Tab from the low knob activates the high knob, Tab
// from the high knob activates the low one and leaves the slider; Shift-Tab the other way.
class SMDoubleSlider : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double objectLoValue READ doubleLoValue WRITE setDoubleLoValue NOTIFY objectLoValueChanged)
    Q_PROPERTY(double objectHiValue READ doubleHiValue WRITE setDoubleHiValue NOTIFY objectHiValueChanged)

public:
    explicit SMDoubleSlider(QWidget* parent = nullptr);

    double doubleLoValue() const { return m_lo; }
    double doubleHiValue() const { return m_hi; }
    void setDoubleLoValue(double value);
    void setDoubleHiValue(double value);
    int intLoValue() const { return int(m_lo); }
    int intHiValue() const { return int(m_hi); }
    void setIntLoValue(int value) { setDoubleLoValue(value); }
    void setIntHiValue(int value) { setDoubleHiValue(value); }
    // The active knob's value.
    double doubleValue() const { return m_trackingLoKnob ? m_lo : m_hi; }
    void setDoubleValue(double value);

    double minValue() const { return m_min; }
    double maxValue() const { return m_max; }
    void setMinValue(double minimum);
    void setMaxValue(double maximum);
    double altIncrementValue() const { return m_altIncrement; }
    void setAltIncrementValue(double step) { m_altIncrement = step > 0 ? step : 1; }
    // Continuous: the values are told on every drag step; otherwise on release.
    bool isContinuous() const { return m_continuous; }
    void setContinuous(bool on) { m_continuous = on; }

    bool trackingLoKnob() const { return m_trackingLoKnob; }
    void setTrackingLoKnob(bool on);
    bool lockedSliders() const { return m_locked; }
    void setLockedSliders(bool on);

    // Images drawn for the knobs and the bar, by name ("eco_knob_left"); without both knob
    // images the slider draws plain knobs of its own.
    void setImageNames(const QString& knobLeft, const QString& knobRight, const QString& barFill);

    // Where the knob of a value has its centre, and the knob rectangles; the track runs
    // from the centre at the minimum to the centre at the maximum.
    double positionForValue(double value) const;
    double valueForPosition(double x) const;
    QRectF knobRect(bool lowKnob) const;
    QRectF barRect() const;
    double trackLeft() const { return positionForValue(m_min); }
    double trackRight() const { return positionForValue(m_max); }

    QSize sizeHint() const override;

signals:
    // The user moved the low or the high knob.
    void objectLoValueChanged(double value);
    void objectHiValueChanged(double value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    QSizeF knobSize() const;
    void loadImages();
    void moveActiveKnob(double value, bool tell);
    void tellBoundValue();
    void drawKnob(QPainter& painter, bool lowKnob);
    bool handleTab(bool backwards);

    double m_min = 0;
    double m_max = 100;
    double m_lo = 0;
    double m_hi = 100;
    double m_altIncrement = 1;
    bool m_continuous = true;
    bool m_trackingLoKnob = true;
    bool m_locked = false;
    bool m_pressed = false;
    double m_grabOffset = 0;
    QString m_knobLeftName, m_knobRightName, m_barFillName;
    QPixmap m_knobLeftImage, m_knobRightImage, m_barFillImage;
};
