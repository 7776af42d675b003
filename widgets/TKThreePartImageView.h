#pragma once

#include <QPixmap>
#include <QWidget>

class QPainter;

// A view drawn with a horizontal three-part image: the left and right parts at their own
// width, the middle part stretched between them, all three over the full height.
class TKThreePartImageView : public QWidget
{
    Q_OBJECT

public:
    explicit TKThreePartImageView(QWidget* parent = nullptr);

    void setImagesLeft(const QPixmap& left, const QPixmap& middle, const QPixmap& right);
    // The same by image name ("bottom-background").
    void setImageNamesLeft(const QString& left, const QString& middle, const QString& right);
    QPixmap leftImage() const { return m_left; }
    QPixmap middleImage() const { return m_middle; }
    QPixmap rightImage() const { return m_right; }

    // Draws a three-part image over `rect`, source-over at full opacity. When the rectangle
    // is narrower than the two ends together, the ends share it in proportion.
    static void drawThreePartImage(QPainter& painter, const QRectF& rect, const QPixmap& left,
                                   const QPixmap& middle, const QPixmap& right);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_left;
    QPixmap m_middle;
    QPixmap m_right;
};
