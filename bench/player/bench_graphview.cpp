// Cost of drawing the G-sensor trace: the same 1,000-point-wide graph area with 3,600
// samples (six minutes at ten a second), 36,000 and 360,000. The trace visits at most
// area width x 10 + 1 samples per axis, so the three should cost the same.
//
//   bench_graphview [PAINTS]
#include "GraphView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
QVector<ORXGSensor> drive(int count)
{
    QVector<ORXGSensor> samples;
    samples.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double t = i / 10.0;
        samples.append(ORXGSensor(float(0.3 * std::sin(t / 7)), float(0.2 * std::cos(t / 3)),
                                  float(1.0 + 0.05 * std::sin(t))));
    }
    return samples;
}

// Median and spread of single paints, in microseconds.
void measure(GraphView& view, int count, int paints)
{
    view.setGraphData(drive(count));
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> us;
    us.reserve(paints);
    for (int i = 0; i < paints + 10; ++i) {
        view.updateTimePosition(double(i % 100) / 100);
        QElapsedTimer timer;
        timer.start();
        QPainter painter(&image);
        view.drawRect(painter, QRectF(QPointF(0, 0), view.size()));
        painter.end();
        if (i >= 10) // the first paints warm caches and fonts
            us.push_back(double(timer.nsecsElapsed()) / 1000);
    }
    std::sort(us.begin(), us.end());
    std::printf("%8d samples: median %8.1f us  p10 %8.1f us  p90 %8.1f us  (%d paints)\n", count,
                us[us.size() / 2], us[us.size() / 10], us[us.size() * 9 / 10], paints);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int paints = argc > 1 ? std::max(20, std::atoi(argv[1])) : 300;
    GraphView view;
    view.resize(1040, 130); // graph area 1000 x 114, the player's G-sensor box height
    std::printf("GraphView, graph area %.0f points wide (%.0f steps per axis)\n",
                view.graphAreaSize().width(), view.graphAreaSize().width() * 10 + 1);
    for (int count : {3600, 36000, 360000})
        measure(view, count, paints);
    return 0;
}
