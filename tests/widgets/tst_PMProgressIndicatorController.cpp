#include "OrvexTest.h"
#include "WidgetTestSupport.h"

#include "PMProgressIndicator.h"
#include "PMProgressIndicatorController.h"

using namespace WidgetTest;

// Bar images: done red, rest green, the barber pole black and white every 16 pixels; all 16 high.
static std::unique_ptr<PMProgressIndicatorController> makeController(bool withImages)
{
    auto images = [withImages](const QString& name) -> QImage {
        if (!withImages)
            return {};
        if (name == QLatin1String("blueProgress"))
            return solid(QSize(128, 16), Qt::red);
        if (name == QLatin1String("greyProgress"))
            return solid(QSize(128, 16), Qt::green);
        if (name == QLatin1String("barberProgress")) {
            QImage barber(160, 16, QImage::Format_ARGB32_Premultiplied);
            for (int x = 0; x < 160; ++x)
                for (int y = 0; y < 16; ++y)
                    barber.setPixel(x, y, (x / 16) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            return barber;
        }
        return {};
    };
    return std::make_unique<PMProgressIndicatorController>(QImage(), images);
}

static std::unique_ptr<PMProgressIndicator> makeIndicator(PMProgressIndicatorController* c, double value,
                                                          int minimum = 0, int maximum = 100)
{
    auto indicator = std::make_unique<PMProgressIndicator>();
    indicator->setController(c);
    indicator->setRange(minimum, maximum);
    indicator->setDoubleValue(value);
    return indicator;
}

class PMProgressIndicatorControllerTest : public QObject
{
    Q_OBJECT

private slots:
    // Without bar images the striped bar is drawn, 25 % done: each row's done colour (x 0 to
    // 31) and remaining colour (x 32 to 127), premultiplied ARGB, from the icon's last row up.
    void fallbackRows()
    {
        auto controller = makeController(false);
        auto indicator = makeIndicator(controller.get(), 25);
        controller->drawProgressIndicators();
        const QImage icon = controller->currentIcon();
        QStringList rows;
        for (int y = 127; y >= 114; --y) {
            QCOMPARE(icon.pixel(31, y), icon.pixel(0, y));
            QCOMPARE(icon.pixel(127, y), icon.pixel(32, y));
            rows << QString::number(icon.pixel(0, y), 16) + ' ' + QString::number(icon.pixel(32, y), 16);
        }
        QCOMPARE(rows.join(", "), QString("c7659fc7 c7bcbcbc, c7659fc7 c7bcbcbc, c7659fc7 c7bcbcbc, "
                                          "f368b2f3 f3dbdbdb, fc60acfb fcd4d4d4, fe5099ea fecbcbcb, "
                                          "fe5099ea fecbcbcb, fc60acfb fcd4d4d4, f368b2f3 f3dbdbdb, "
                                          "c7659fc7 c7bcbcbc, c7659fc7 c7bcbcbc, c74973a6 c79ca4a4, "
                                          "c72e5e90 c77d7d7d, 0 0"));
    }

    // With bar images: a bar's done part ends at its share of the 128 pixels, the first bar in
    // the bottom band, the next one 16 pixels above; the first finishing moves the next down.
    void barsInBands()
    {
        const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0);
        auto controller = makeController(true);
        auto first = makeIndicator(controller.get(), 150, 100, 200); // done up to x 64
        auto second = makeIndicator(controller.get(), 1, 0, 128);    // done up to x 1
        QCOMPARE(controller->numProgressIndicators(), 2);
        controller->drawProgressIndicators();
        QImage icon = controller->currentIcon();
        for (int y : {112, 127}) {
            QCOMPARE(icon.pixel(63, y), red);
            QCOMPARE(icon.pixel(64, y), green);
            QCOMPARE(icon.pixel(0, y - 16), red);
            QCOMPARE(icon.pixel(1, y - 16), green);
        }
        QCOMPARE(qAlpha(icon.pixel(64, 95)), 0);

        first->setDoubleValue(200);
        controller->drawProgressIndicators();
        icon = controller->currentIcon();
        QCOMPARE(icon.pixel(0, 127), red);
        QCOMPARE(icon.pixel(1, 127), green);
        QCOMPARE(qAlpha(icon.pixel(64, 111)), 0);
    }

    void barberPoleMovesUntilRemoved()
    {
        auto controller = makeController(true);
        qint64 now = 0;
        controller->setClock([&now] { return now; });
        PMProgressIndicator indicator;
        indicator.setController(controller.get());
        indicator.setIndeterminate(true);
        controller->addProgressIndicator(&indicator);

        // First step: the pole at its start offset of 32, so x 0 shows the image's x 32 (black).
        controller->drawProgressIndicators();
        QImage icon = controller->currentIcon();
        QCOMPARE(icon.pixel(0, 120), qRgb(0, 0, 0));
        QCOMPARE(icon.pixel(16, 120), qRgb(255, 255, 255));
        QVERIFY(controller->isDrawScheduled());

        // 0.25 s later the offset has moved by 48 × 0.25 = 12 pixels: 32 - 12 = 20.
        now += 250;
        controller->drawProgressIndicators();
        icon = controller->currentIcon();
        QCOMPARE(icon.pixel(0, 120), qRgb(255, 255, 255)); // image x 20
        QCOMPARE(icon.pixel(12, 120), qRgb(0, 0, 0));      // image x 32
        QVERIFY(controller->isDrawScheduled());

        controller->removeProgressIndicator(&indicator);
        controller->drawProgressIndicators();
        QVERIFY(!controller->isDrawScheduled());
        QCOMPARE(controller->currentIcon(), controller->dockIcon());
    }

    void sharedControllerSetsWindowIcon()
    {
        auto* shared = PMProgressIndicatorController::sharedInstance();
        QVERIFY(shared);
        QCOMPARE(PMProgressIndicatorController::sharedInstance(), shared);
        QCOMPARE(shared->dockIcon().size(), QSize(128, 128));
        const auto windowIcon = [] {
            return QGuiApplication::windowIcon()
                .pixmap(QSize(128, 128), 1.0)
                .toImage()
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        {
            PMProgressIndicator indicator; // uses the shared controller
            indicator.setDoubleValue(50);
            QCOMPARE(shared->numProgressIndicators(), 1);
            shared->drawProgressIndicators();
            QVERIFY(windowIcon() != shared->dockIcon().convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        QCOMPARE(shared->numProgressIndicators(), 0);
        shared->drawProgressIndicators();
        QCOMPARE(windowIcon(), shared->dockIcon());
    }
};

ORVEX_TEST(PMProgressIndicatorControllerTest)
#include "tst_PMProgressIndicatorController.moc"
