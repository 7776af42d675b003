#include "OrvexTest.h"
#include "WidgetTestSupport.h"

#include "PMProgressIndicator.h"
#include "PMProgressIndicatorController.h"

using namespace WidgetTest;

// Bar images for the tests: the done part red, the rest green, the barber pole striped
// black and white every 16 pixels; all 16 high.
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

// The bars drawn over the application icon.
class PMProgressIndicatorControllerTest : public QObject
{
    Q_OBJECT

private slots:
    // Without bar images the striped bar is drawn: 25 % done, so 32 of 128 pixels; rows counted
    // up from the icon's last pixel row (y 127) with their done and remaining colours.
    void fallbackRows()
    {
        auto controller = makeController(false);
        auto indicator = makeIndicator(controller.get(), 25);
        controller->drawProgressIndicators();
        const QImage icon = controller->currentIcon();
        QCOMPARE(icon.size(), QSize(128, 128));
        const struct
        {
            int y;
            QColor done, remaining;
        } rows[] = {{127, QColor(129, 204, 255), QColor(241, 241, 241)},
                    {117, QColor(129, 204, 255), QColor(241, 241, 241)},
                    {116, QColor(94, 147, 213), QColor(200, 210, 210)},
                    {115, QColor(59, 120, 185), QColor(160, 160, 160)}};
        for (const auto& row : rows) {
            QVERIFY2(near(icon.pixel(0, row.y), row.done) && near(icon.pixel(31, row.y), row.done),
                     qPrintable(QString::number(row.y)));
            QVERIFY(near(icon.pixel(32, row.y), row.remaining) &&
                    near(icon.pixel(127, row.y), row.remaining));
            QVERIFY(qAbs(qAlpha(icon.pixel(0, row.y)) - 199) <= 2); // alpha 0.78 over the transparent icon
        }
        QCOMPARE(qAlpha(icon.pixel(64, 114)), 0); // above the bar the icon is untouched
    }

    // With bar images: the done part ends at its share of the 128 pixels.
    void imageBoundary()
    {
        const struct
        {
            int minimum, maximum;
            double value;
            int w;
        } cases[] = {{0, 100, 50, 64}, {0, 200, 50, 32}, {100, 200, 150, 64}, {0, 128, 1, 1}};
        for (const auto& c : cases) {
            auto controller = makeController(true);
            auto indicator = makeIndicator(controller.get(), c.value, c.minimum, c.maximum);
            controller->drawProgressIndicators();
            const QImage icon = controller->currentIcon();
            for (int y : {112, 120, 127}) {
                QCOMPARE(icon.pixel(c.w - 1, y), qRgb(255, 0, 0));
                QCOMPARE(icon.pixel(c.w, y), qRgb(0, 255, 0));
            }
            QCOMPARE(qAlpha(icon.pixel(c.w, 111)), 0);
        }
    }

    void firstIndicatorAtBottom()
    {
        auto controller = makeController(true);
        auto first = makeIndicator(controller.get(), 25);  // done up to x 32
        auto second = makeIndicator(controller.get(), 75); // done up to x 96
        QCOMPARE(controller->numProgressIndicators(), 2);
        controller->drawProgressIndicators();
        const QImage icon = controller->currentIcon();
        QCOMPARE(icon.pixel(64, 127), qRgb(0, 255, 0)); // bottom band: the first, 25 %
        QCOMPARE(icon.pixel(64, 111), qRgb(255, 0, 0)); // band above: the second, 75 %
        QCOMPARE(icon.pixel(100, 100), qRgb(0, 255, 0));
        QCOMPARE(qAlpha(icon.pixel(64, 95)), 0);

        // The first one finishing moves the second down to the bottom band.
        first->setDoubleValue(100);
        controller->drawProgressIndicators();
        QCOMPARE(controller->currentIcon().pixel(64, 127), qRgb(255, 0, 0));
        QCOMPARE(qAlpha(controller->currentIcon().pixel(64, 111)), 0);
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

    void barberPoleTicks()
    {
        auto controller = makeController(true);
        QSignalSpy drawn(controller.get(), &PMProgressIndicatorController::iconChanged);
        PMProgressIndicator indicator;
        indicator.setController(controller.get());
        indicator.setIndeterminate(true);
        controller->addProgressIndicator(&indicator);
        QTest::qWait(550);
        QVERIFY2(drawn.size() >= 3 && drawn.size() <= 6, qPrintable(QString::number(drawn.size())));
        controller->removeProgressIndicator(&indicator);
        QTest::qWait(150);
        const auto after = drawn.size();
        QCOMPARE(drawn.last().first().value<QImage>(), controller->dockIcon());
        QTest::qWait(300);
        QCOMPARE(drawn.size(), after);
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
