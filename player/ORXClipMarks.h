#pragma once

#include <QPointer>
#include <QWidget>

class QSlider;

// The clip's in and out points on a position slider: a light tick at each and a faint amber band
// between them, drawn over the slider's groove where its handle stands at those places. It
// covers the slider, follows its size and lets every mouse event through to it.
class ORXClipMarks : public QWidget
{
    Q_OBJECT

public:
    explicit ORXClipMarks(QSlider* slider);

    // Places as fractions of the recording (0 to 1); a negative value hides that mark.
    void setMarks(double in, double out);
    double inMark() const { return m_in; }
    double outMark() const { return m_out; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int xOf(double fraction) const;

    QPointer<QSlider> m_slider;
    double m_in = -1;
    double m_out = -1;
};
