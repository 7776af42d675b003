#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// What one video frame shows: the road seen from the car, the camera's text overlay, and
// the frame-number strip.
struct ORXSimFrameState
{
    int frameNumber = 0;
    QString overlayTop;           // channel, date and time, as the camera burns them in
    QString overlayBottom;        // speed and position
    double distanceMetres = 0;    // odometer: moves the lane marks and roadside posts
    double turnDegPerSec = 0;     // bends the road
    bool frameNumberStrip = true; // else the camera's own look: bonnet or rear window frame
};

// Draws the frames of one channel. The static background is drawn once; each frame adds
// the moving road, the text and the strip. draw() and jpeg() may run on several threads
// at once.
class ORXSimFramePainter
{
public:
    ORXSimFramePainter(int width, int height, bool front);

    QImage draw(const ORXSimFrameState& state) const;
    QByteArray jpeg(const ORXSimFrameState& state, int quality = 70) const;

private:
    void drawRoad(QImage& image, const ORXSimFrameState& state) const;
    void drawOverlay(QImage& image, const ORXSimFrameState& state) const;
    void drawCameraView(QImage& image) const;

    int m_width;
    int m_height;
    bool m_front;
    QImage m_background;
};
