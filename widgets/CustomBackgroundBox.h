#pragma once

#include <QFrame>
#include <QPixmap>

// A box with the fixed dark fill of the player's panels (red 0.416, green 0.373, blue 0.357).
class CustomBackgroundBox : public QFrame
{
    Q_OBJECT

public:
    explicit CustomBackgroundBox(QWidget* parent = nullptr);

    static QColor fillColor();
    // Kept for the window's use; the drawing does not use it.
    void setBackgroundImage(const QPixmap& image) { m_backgroundImage = image; }
    QPixmap backgroundImage() const { return m_backgroundImage; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_backgroundImage;
};
