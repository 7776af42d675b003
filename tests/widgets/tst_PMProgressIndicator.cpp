#include "OrvexTest.h"
#include "WidgetTestSupport.h"

#include "PMProgressIndicator.h"
#include "PMProgressIndicatorController.h"

#include <QLabel>

#include <limits>

using namespace WidgetTest;

// The indicator's values, its registration on the icon and its text.
class PMProgressIndicatorTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_controller = std::make_unique<PMProgressIndicatorController>(
            solid(QSize(128, 128), Qt::black), [](const QString&) { return QImage(); });
        m_indicator = std::make_unique<PMProgressIndicator>();
        m_indicator->setController(m_controller.get());
        m_now = 1000;
        m_indicator->setClock([this] { return m_now; });
    }

    void cleanup()
    {
        m_indicator.reset();
        m_controller.reset();
    }

    void wholeNumberRule()
    {
        QSignalSpy changes(m_indicator.get(), &PMProgressIndicator::doubleValueChanged);
        m_indicator->setDoubleValue(41.2);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(m_indicator->value(), 41);
        m_controller->drawProgressIndicators();
        QVERIFY(!m_controller->isDrawScheduled());

        m_indicator->setDoubleValue(41.9);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(m_indicator->doubleValue(), 41.2);
        QVERIFY(!m_controller->isDrawScheduled());

        m_indicator->setDoubleValue(42.0);
        QCOMPARE(changes.size(), 2);
        QCOMPARE(m_indicator->value(), 42);
        QVERIFY(m_controller->isDrawScheduled());

        // Values that are not numbers are ignored.
        m_indicator->setDoubleValue(std::numeric_limits<double>::quiet_NaN());
        m_indicator->setDoubleValue(std::numeric_limits<double>::infinity());
        QCOMPARE(m_indicator->doubleValue(), 42.0);
    }

    void registeredOnlyInsideRange_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("registered");
        QTest::newRow("half way") << 0 << 100 << 50.0 << true;
        QTest::newRow("just before the end") << 0 << 100 << 99.5 << true;
        QTest::newRow("finished") << 0 << 100 << 100.0 << false;
        QTest::newRow("back to start") << 0 << 100 << -1.0 << false;
        QTest::newRow("range from 10, at its start") << 10 << 20 << 10.0 << false;
        QTest::newRow("range from 10, inside") << 10 << 20 << 15.0 << true;
        QTest::newRow("empty range") << 5 << 5 << 7.0 << false;
    }

    void registeredOnlyInsideRange()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(double, value);
        QFETCH(bool, registered);
        m_indicator->setRange(minimum, maximum);
        m_indicator->setDoubleValue(value);
        QCOMPARE(m_controller->containsProgressIndicator(m_indicator.get()), registered);
        // Turning the icon progress off always takes it away.
        m_indicator->setDrawDockProgress(false);
        QCOMPARE(m_controller->numProgressIndicators(), 0);
    }

    void goingAwayLeavesIcon()
    {
        m_indicator->setDoubleValue(30);
        QCOMPARE(m_controller->numProgressIndicators(), 1);
        m_indicator.reset();
        QCOMPARE(m_controller->numProgressIndicators(), 0);
        m_controller->drawProgressIndicators();
        QCOMPARE(m_controller->currentIcon(), m_controller->dockIcon());
    }

    // The player's loading indicator: busy, its value growing 2 a tick, back to the minimum at the end.
    void busyIndicatorFedValues()
    {
        m_indicator->setIndeterminate(true);
        QCOMPARE(m_indicator->maximum(), 0); // the bar's busy mode
        m_indicator->setDoubleValue(2);
        QVERIFY(m_controller->containsProgressIndicator(m_indicator.get()));
        QCOMPARE(m_indicator->fraction(), 0.02);
        m_indicator->setDoubleValue(0);
        QVERIFY(!m_controller->containsProgressIndicator(m_indicator.get()));
        m_indicator->setIndeterminate(false);
        QCOMPARE(m_indicator->maximum(), 100);
    }

    void estimateTexts_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("616 s") << 616.0 << "About 11 minutes remaining";
        QTest::newRow("615 s") << 615.0 << "About ten minutes remaining";
        QTest::newRow("556 s") << 556.0 << "About ten minutes remaining";
        QTest::newRow("555 s") << 555.0 << "About nine minutes remaining";
        QTest::newRow("450 s") << 450.0 << "About eight minutes remaining";
        QTest::newRow("400 s") << 400.0 << "About seven minutes remaining";
        QTest::newRow("320 s") << 320.0 << "About six minutes remaining";
        QTest::newRow("256 s") << 256.0 << "About five minutes remaining";
        QTest::newRow("200 s") << 200.0 << "About four minutes remaining";
        QTest::newRow("136 s") << 136.0 << "About three minutes remaining";
        QTest::newRow("76 s") << 76.0 << "About two minutes remaining";
        QTest::newRow("75 s") << 75.0 << "About one minute remaining";
        QTest::newRow("11 s") << 11.0 << "Less than a minute remaining";
        QTest::newRow("10 s") << 10.0 << "About ten seconds remaining";
        QTest::newRow("5 s") << 5.0 << "About five seconds remaining";
        QTest::newRow("0 s") << 0.0 << "About five seconds remaining";
        QTest::newRow("endless") << std::numeric_limits<double>::infinity() << "About 1000000000 minutes remaining";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "";
    }

    void estimateTexts()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(PMProgressIndicator::estimateText(seconds), text);
    }

    void progressText_data()
    {
        QTest::addColumn<bool>("percentage");
        QTest::addColumn<bool>("timeRemaining");
        QTest::addColumn<QString>("text");
        // 10 % after 0 s, 20 % after 10 s: 80 % to go at 1 % a second.
        QTest::newRow("estimate only") << false << true << "About two minutes remaining";
        QTest::newRow("percentage and estimate") << true << true << "20 % completed - About two minutes remaining";
        QTest::newRow("percentage only") << true << false << "20 % completed";
        QTest::newRow("neither") << false << false << "";
    }

    void progressText()
    {
        QFETCH(bool, percentage);
        QFETCH(bool, timeRemaining);
        QFETCH(QString, text);
        QLabel label;
        m_indicator->setProgressText(&label);
        m_indicator->setDisplayPercentage(percentage);
        m_indicator->setDisplayTimeRemaining(timeRemaining);
        m_indicator->setDoubleValue(10);
        m_now += 10000;
        m_indicator->setDoubleValue(20);
        QCOMPARE(label.text(), text);
    }

    void noEstimateWithoutProgress()
    {
        QLabel label;
        m_indicator->setProgressText(&label);
        m_indicator->setDoubleValue(10);
        m_now += 2000;
        m_indicator->setRange(0, 1000); // same value, now 1 %: going backwards
        m_indicator->setDoubleValue(11);
        QCOMPARE(label.text(), QString());
        // The estimate window moves on: after 7 s it rests on the later samples only.
        m_now += 4000;
        m_indicator->setDoubleValue(20); // second window starts at 2 %
        m_now += 4000;
        m_indicator->setDoubleValue(30); // first window dropped: 1 % in 4 s, 97 % to go
        QCOMPARE(label.text(), QStringLiteral("About seven minutes remaining"));
    }


private:
    std::unique_ptr<PMProgressIndicatorController> m_controller;
    std::unique_ptr<PMProgressIndicator> m_indicator;
    qint64 m_now = 0;
};

ORVEX_TEST(PMProgressIndicatorTest)
#include "tst_PMProgressIndicator.moc"
