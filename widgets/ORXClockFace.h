#pragma once

#include <QTime>
#include <QWidget>

// A round clock face in the program's dark look whose hands can be dragged: the hour hand
// (keeping the half of the day), the minute hand (carrying into the hour when it passes
// twelve) and the second hand. The time also shows in digits below the centre.
// Keys: Up/Down a minute, Page Up/Page Down an hour, Home/End a second back or on.
class ORXClockFace : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QTime time READ time WRITE setTime NOTIFY timeChanged USER true)

public:
    enum Hand
    {
        NoHand,
        HourHand,
        MinuteHand,
        SecondHand
    };

    explicit ORXClockFace(QWidget* parent = nullptr);

    QTime time() const { return m_time; }
    void setTime(const QTime& time);

    QSize sizeHint() const override { return {180, 180}; }
    QSize minimumSizeHint() const override { return {120, 120}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

    // The point at the tip of that hand for the current time, in widget coordinates.
    QPointF handTip(Hand hand) const;

signals:
    void timeChanged(const QTime& time);
    // Only for changes the user makes (drag or keys), like a picker's action.
    void timeEdited(const QTime& time);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointF centre() const;
    double radius() const;
    double handLength(Hand hand) const;
    double handAngle(Hand hand) const; // degrees clockwise from twelve
    Hand handAt(const QPointF& point) const;
    void dragTo(const QPointF& point);
    void edit(const QTime& time);

    QTime m_time = QTime(0, 0, 0);
    Hand m_dragging = NoHand;
};
