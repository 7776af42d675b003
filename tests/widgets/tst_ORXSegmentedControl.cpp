#include "OrvexTest.h"

#include "ORXSegmentedControl.h"

#include <QToolButton>

// The segmented control of the settings pages and the settings window's tabs.
class ORXSegmentedControlTest : public QObject
{
    Q_OBJECT
private slots:
    void selection_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("selected");
        QTest::newRow("middle") << 1 << 1;
        QTest::newRow("none") << -1 << -1;
        QTest::newRow("past the last segment: none") << 3 << -1;
    }
    void selection()
    {
        QFETCH(int, set);
        QFETCH(int, selected);
        ORXSegmentedControl control;
        control.setLabels({"a", "b", "c"});
        control.setSelectedSegment(2);
        QSignalSpy user(&control, &ORXSegmentedControl::segmentSelected);
        control.setSelectedSegment(set);
        QCOMPARE(control.selectedSegment(), selected);
        int checked = 0;
        for (int i = 0; i < control.segmentCount(); ++i)
            checked += control.segmentButton(i)->isChecked() ? 1 << i : 0;
        QCOMPARE(checked, selected < 0 ? 0 : 1 << selected);
        QCOMPARE(user.count(), 0); // only the user's choices are signalled
    }

    void userClickAndKeys()
    {
        ORXSegmentedControl control;
        control.setLabels({"off", "on", "auto"});
        QCOMPARE(control.segmentButton(1)->accessibleName(), QString("on"));
        QCOMPARE(control.segmentButton(1)->toolTip(), QString("on"));
        QSignalSpy user(&control, &ORXSegmentedControl::segmentSelected);
        control.segmentButton(1)->click();
        QTest::keyClick(control.segmentButton(1), Qt::Key_Right);
        QTest::keyClick(control.segmentButton(2), Qt::Key_Right); // no segment past the last
        QCOMPARE(control.selectedSegment(), 2);
        QCOMPARE(user.count(), 2);
        QCOMPARE(user.at(1).at(0).toInt(), 2);
    }

    void fewerSegmentsDropSelection()
    {
        ORXSegmentedControl control;
        control.setLabels({"1", "2", "3", "4"});
        control.setSelectedSegment(3);
        control.setLabels({"x", "y"});
        QCOMPARE(control.segmentCount(), 2);
        QCOMPARE(control.selectedSegment(), -1);
        QCOMPARE(control.labels(), QStringList({"x", "y"}));
    }
};

ORVEX_TEST(ORXSegmentedControlTest)
#include "tst_ORXSegmentedControl.moc"
