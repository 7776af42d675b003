#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

class SMDoubleSlider;

// The scale under the eco-drive slider: 22 ticks spread evenly along the slider's real
// track, from the knob centre at its minimum to the knob centre at its maximum, so every
// tick stands under the bar at any width. Ticks 0, 10 and 21 are long.
class EcoSliderAxisView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)

public:
    static constexpr int kTickCount = 22;

    explicit EcoSliderAxisView(QWidget* parent = nullptr);

    // The slider the ticks follow; without one they spread over the view's own width.
    void setSlider(SMDoubleSlider* slider);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor& color) { m_backgroundColor = color; }
    QColor tickColor() const { return m_tickColor; }
    void setTickColor(const QColor& color);

    // Tick i (0..21) in this view's coordinates.
    QRectF tickRect(int i) const;
    static bool isLongTick(int i) { return i == 0 || i == 10 || i == kTickCount - 1; }

    QSize sizeHint() const override { return QSize(200, 14); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<SMDoubleSlider> m_slider;
    QColor m_backgroundColor;
    QColor m_tickColor{0x9a, 0xa1, 0xab};
};
