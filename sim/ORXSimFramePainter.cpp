#include "ORXSimFramePainter.h"

#include "ORXSimBitmapFont.h"
#include "ORXSimFrameNumber.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace {
constexpr double kHorizon = 0.42;     // horizon line, fraction of the height
constexpr double kCameraHeight = 1.3; // metres above the road
constexpr double kRoadHalfWidth = 3.6;
constexpr double kDashSpacing = 9.0;
constexpr double kDashLength = 3.0;
constexpr double kPostSpacing = 25.0;
constexpr double kNearest = 2.5; // metres: nearer than this is below the picture
constexpr double kFarthest = 120.0;
} // namespace

ORXSimFramePainter::ORXSimFramePainter(int width, int height, bool front)
    : m_width(width), m_height(height), m_front(front), m_background(width, height, QImage::Format_RGB32)
{
    QPainter painter(&m_background);
    const int horizon = int(height * kHorizon);
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, front ? QColor(70, 120, 200) : QColor(60, 80, 130));
    sky.setColorAt(1, front ? QColor(190, 215, 240) : QColor(150, 160, 185));
    painter.fillRect(0, 0, width, horizon, sky);
    QLinearGradient ground(0, horizon, 0, height);
    ground.setColorAt(0, QColor(95, 120, 80));
    ground.setColorAt(1, QColor(60, 95, 45));
    painter.fillRect(0, horizon, width, height - horizon, ground);
    // Distant hills along the horizon.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(105, 125, 120));
    QPolygonF hills;
    hills << QPointF(0, horizon);
    for (int i = 0; i <= 12; ++i)
        hills << QPointF(width * i / 12.0,
                         horizon - height * (0.03 + 0.025 * std::sin(i * 1.7 + (front ? 0 : 2))));
    hills << QPointF(width, horizon);
    painter.drawPolygon(hills);
}

QImage ORXSimFramePainter::draw(const ORXSimFrameState& state) const
{
    QImage image = m_background.copy();
    drawRoad(image, state);
    if (state.frameNumberStrip) {
        drawOverlay(image, state);
        ORXSimDrawFrameNumber(image, state.frameNumber);
    } else {
        drawCameraView(image);
        drawOverlay(image, state);
    }
    return image;
}

QByteArray ORXSimFramePainter::jpeg(const ORXSimFrameState& state, int quality) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(draw(state)))
        return {};
    return bytes;
}

// A simple pinhole view of a straight road that bends a little with the turn rate: a point
// z metres ahead and x metres to the side lands at (cx + f * x / z + bend, horizon + f * h / z).
void ORXSimFramePainter::drawRoad(QImage& image, const ORXSimFrameState& state) const
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    const double horizon = m_height * kHorizon;
    const double focal = (m_height - horizon) * kNearest / kCameraHeight;
    const double bendPerMetre = state.turnDegPerSec * 0.004 * m_width / 640.0;
    auto project = [&](double x, double z) {
        const double bend = bendPerMetre * z * z / 10.0;
        return QPointF(m_width / 2.0 + focal * x / z + bend, horizon + focal * kCameraHeight / z);
    };

    QPolygonF road;
    road << project(-kRoadHalfWidth, kNearest) << project(-kRoadHalfWidth, kFarthest * 0.5)
         << project(-kRoadHalfWidth, kFarthest) << project(kRoadHalfWidth, kFarthest)
         << project(kRoadHalfWidth, kFarthest * 0.5) << project(kRoadHalfWidth, kNearest);
    painter.setBrush(QColor(80, 80, 85));
    painter.drawPolygon(road);

    // The front camera sees marks come towards it; the rear camera sees them recede.
    const double travelled = m_front ? state.distanceMetres : -state.distanceMetres;
    const double dashPhase = std::fmod(std::fmod(travelled, kDashSpacing) + kDashSpacing, kDashSpacing);
    painter.setBrush(QColor(235, 235, 225));
    for (double z = kNearest + kDashSpacing - dashPhase; z < kFarthest; z += kDashSpacing) {
        const double z1 = std::max(kNearest, z - kDashLength);
        QPolygonF dash;
        dash << project(-0.08, z1) << project(-0.08, z) << project(0.08, z) << project(0.08, z1);
        painter.drawPolygon(dash);
    }

    const double postPhase = std::fmod(std::fmod(travelled, kPostSpacing) + kPostSpacing, kPostSpacing);
    for (double z = kNearest + kPostSpacing - postPhase; z < kFarthest; z += kPostSpacing) {
        for (double side : {-1.0, 1.0}) {
            const QPointF foot = project(side * (kRoadHalfWidth + 1.5), z);
            const double height = focal * 2.5 / z;
            const double width = std::max(1.0, focal * 0.25 / z);
            painter.setBrush(QColor(40, 70, 35));
            painter.drawEllipse(QPointF(foot.x(), foot.y() - height), width * 3, height * 0.4);
            painter.setBrush(QColor(90, 60, 40));
            painter.drawRect(QRectF(foot.x() - width / 2, foot.y() - height, width, height));
        }
    }
}

// What a windscreen camera sees of its own car: the front one the curve of the bonnet at the
// bottom, the rear one the dark frame of the rear window; both a wide lens's darker corners.
void ORXSimFramePainter::drawCameraView(QImage& image) const
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double w = m_width, h = m_height;
    if (m_front) {
        QPainterPath bonnet;
        bonnet.moveTo(0, h);
        bonnet.lineTo(0, h * 0.93);
        bonnet.quadTo(w / 2, h * 0.80, w, h * 0.93);
        bonnet.lineTo(w, h);
        bonnet.closeSubpath();
        QLinearGradient paint(0, h * 0.82, 0, h);
        paint.setColorAt(0, QColor(70, 74, 82));
        paint.setColorAt(1, QColor(22, 24, 28));
        painter.setBrush(paint);
        painter.drawPath(bonnet);
    } else {
        QPainterPath frame;
        frame.addRect(QRectF(0, 0, w, h));
        frame.addRoundedRect(QRectF(w * 0.04, h * 0.05, w * 0.92, h * 0.88), w * 0.05, w * 0.05);
        painter.setBrush(QColor(18, 18, 20));
        painter.drawPath(frame);
    }
    QRadialGradient vignette(QPointF(w / 2, h / 2), std::hypot(w, h) / 2);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 110));
    painter.setBrush(vignette);
    painter.drawRect(QRectF(0, 0, w, h));
}

void ORXSimFramePainter::drawOverlay(QImage& image, const ORXSimFrameState& state) const
{
    QPainter painter(&image);
    const int scale = std::max(1, m_height / 180);
    const int margin = 4 * scale;
    ORXSimBitmapFont::draw(painter, QPoint(margin, margin), state.overlayTop, scale, Qt::white);
    // Above the frame-number strip, where there is one.
    const int strip = state.frameNumberStrip ? std::max(8, int(std::lround(m_height * 16.0 / 360.0))) : 0;
    const int y = m_height - strip - margin - ORXSimBitmapFont::kGlyphHeight * scale;
    ORXSimBitmapFont::draw(painter, QPoint(margin, y), state.overlayBottom, scale, QColor(255, 230, 120));
}
