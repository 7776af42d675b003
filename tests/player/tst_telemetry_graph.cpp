// The G-sensor trace drawn into an image: grid rows, trace points and the play bar.
#include "OrvexTest.h"

#include "GraphView.h"

#include <QImage>
#include <QPainter>

namespace {
// A 140 x 96 view: graph area 100 x 80 from (20, 8), zero line at 48, 20 pixels per g.
constexpr int kWidth = 140;
constexpr int kHeight = 96;

QImage render(GraphView& view)
{
    view.resize(kWidth, kHeight);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    view.drawRect(painter, QRectF(0, 0, kWidth, kHeight));
    painter.end();
    return image;
}

// Top-based row of a bottom-based y.
int row(double y)
{
    return kHeight - int(y) - 1;
}

bool isGrey(QRgb c)
{
    return qRed(c) == 204 && qGreen(c) == 204 && qBlue(c) == 204;
}

// Whether a pixel of the column within two rows is mostly of one channel (0 red, 1 green, 2 blue).
bool traceNear(const QImage& image, int x, int topRow, int channel)
{
    for (int y = topRow - 2; y <= topRow + 2; ++y) {
        const QRgb c = image.pixel(x, y);
        const int v[3] = {qRed(c), qGreen(c), qBlue(c)};
        if (v[channel] > 200 && v[(channel + 1) % 3] < 150 && v[(channel + 2) % 3] < 150)
            return true;
    }
    return false;
}
} // namespace

class TelemetryGraphTest : public QObject
{
    Q_OBJECT

private slots:
    void gridWithoutSamples()
    {
        GraphView view;
        view.updateTimePosition(0.5);
        const QImage image = render(view);
        for (int k = 0; k <= 4; ++k)
            QCOMPARE(image.pixel(100, row(8 + k * 20)), qRgb(255, 255, 255));
        QVERIFY(isGrey(image.pixel(100, row(18))));
        QVERIFY(isGrey(image.pixel(2, 2)));
        QCOMPARE(image.pixel(20, row(30)), qRgb(255, 255, 255)); // left axis
        QVERIFY(isGrey(image.pixel(70, row(30))));               // no bar without samples
        // The labels -2 .. +2 left of the axis, each by its line.
        for (int k = 0; k <= 4; ++k) {
            int white = 0;
            for (int y = row(8 + k * 20) - 6; y <= row(8 + k * 20) + 6; ++y)
                for (int x = 0; x < 19; ++x)
                    white += qGray(image.pixel(x, y)) > 240 ? 1 : 0;
            QVERIFY2(white > 3, qPrintable(QString::number(k)));
        }
    }

    // Three samples, a third of the width each (steps 0-333, 334-667, 668-1000); the bar at 1/4.
    void tracesFollowTheSamples()
    {
        GraphView view;
        view.setGraphData({ORXGSensor(1.5f, 0.75f, -0.75f), ORXGSensor(-1.5f, 0.75f, -0.75f),
                           ORXGSensor(0.5f, 0.75f, -0.75f)});
        view.updateTimePosition(0.25);
        const QImage image = render(view);
        for (const auto& [column, gX] : {std::pair(40, 1.5), {70, -1.5}, {100, 0.5}}) {
            QVERIFY(traceNear(image, column, row(48 + gX * 20), 0));
            QVERIFY(traceNear(image, column, row(48 + 0.75 * 20), 1));
            QVERIFY(traceNear(image, column, row(48 - 0.75 * 20), 2));
            QVERIFY(!traceNear(image, column, row(48 + 0.75 * 20), 0));
        }
        for (int y : {row(10), row(38), row(84)}) {
            QCOMPARE(image.pixel(45, y), qRgb(255, 255, 255));
            QCOMPARE(image.pixel(46, y), qRgb(255, 255, 255));
        }
        QVERIFY(isGrey(image.pixel(47, row(38))));
    }

    // Every stride-th sample is drawn: a spike between drawn ones does not show, one on them does.
    void longRecordingsAreSampled()
    {
        QVector<ORXGSensor> samples(10010, ORXGSensor(0, 0, 0)); // stride 10 over 1001 steps
        samples[5000] = ORXGSensor(1.5f, 0, 0);                  // step 500, x = 71
        samples[3005] = ORXGSensor(1.5f, 0, 0);                  // between steps: never drawn
        GraphView view;
        view.setGraphData(samples);
        const QImage image = render(view);
        QVERIFY(traceNear(image, 71, row(48 + 1.5 * 20) + 10, 0));
        QVERIFY(!traceNear(image, 51, row(48 + 1.5 * 20) + 10, 0));
    }
};

ORVEX_TEST(TelemetryGraphTest)
#include "tst_telemetry_graph.moc"
