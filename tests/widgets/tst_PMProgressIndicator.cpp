#include "OrvexTest.h"
#include "WidgetTestSupport.h"

#include "PMProgressIndicator.h"
#include "PMProgressIndicatorController.h"

#include <limits>

using namespace WidgetTest;

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

private:
    std::unique_ptr<PMProgressIndicatorController> m_controller;
    std::unique_ptr<PMProgressIndicator> m_indicator;
};

ORVEX_TEST(PMProgressIndicatorTest)
#include "tst_PMProgressIndicator.moc"
