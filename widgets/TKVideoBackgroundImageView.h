#pragma once

#include <QPixmap>
#include <QWidget>

class QPainter;

// The frame behind a video: a nine-part image (corners at their own size, edges and centre
// stretched) with the channel's logo centred on it at its own size.
class TKVideoBackgroundImageView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString backgroundNineImageName READ backgroundNineImageName WRITE setBackgroundNineImageName
                   NOTIFY backgroundNineImageNameChanged)

public:
    explicit TKVideoBackgroundImageView(QWidget* parent = nullptr);

    // Loads n_top_left_corner, n_top_right_corner, n_bottom_left_corner,
    // n_bottom_right_corner, n_left_edge_fill, n_right_edge_fill, n_top_edge_fill,
    // n_bottom_edge_fill and n_center_fill for the base name n ("v1", "v2").
    void setBackgroundNineImageName(const QString& baseName);
    QString backgroundNineImageName() const { return m_baseName; }

    void setLogoImage(const QPixmap& logo);
    // The logo by image name ("v1_front_logo"); an empty name takes the logo away.
    void setLogoImageName(const QString& name);
    QPixmap centerLogoImage() const { return m_centerLogoImage; }
    // Where the logo is drawn: centred, at its own size.
    QRectF logoRect() const;

    // The nine images in the order top-left, top, top-right, left, centre, right,
    // bottom-left, bottom, bottom-right.
    struct NineParts
    {
        QPixmap topLeft, top, topRight, left, center, right, bottomLeft, bottom, bottomRight;
    };
    const NineParts& nineParts() const { return m_parts; }
    static void drawNinePartImage(QPainter& painter, const QRectF& rect, const NineParts& parts);

signals:
    void backgroundNineImageNameChanged(const QString& baseName);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_baseName;
    NineParts m_parts;
    QPixmap m_centerLogoImage;
};
