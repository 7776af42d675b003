#include "OrvexTest.h"

#include "../PageRecord.h"
#include "ORXSettingForObdViewController.h"
#include "SMDoubleSlider.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

// The OBD page on a record: knobs dragged with the mouse, the texts following, the record stored.
class ORXSettingForObdViewControllerTest : public QObject
{
    Q_OBJECT

    static void drag(SMDoubleSlider* s, double from, double to)
    {
        const auto send = [s](QEvent::Type type, double value, Qt::MouseButton button,
                              Qt::MouseButtons held) {
            const QPointF at(s->positionForValue(value), s->height() / 2.0);
            QMouseEvent event(type, at, s->mapToGlobal(at), button, held, Qt::NoModifier);
            QApplication::sendEvent(s, &event);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }

    static _FILEDATA record()
    {
        return recordWith({"drivingSecurity=70", "parkingSecurity=40", "SaveDuration=0x12"});
    }

private slots:
    void knobsDraggedAndStored()
    {
        _FILEDATA r = record();
        ORXSettingForObdViewController page;
        page.resize(760, 640);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.setFileData(&r);
        QCOMPARE(page.ecoLoValue(), 30.0);
        QCOMPARE(page.ecoHiValue(), 60.0);
        int changes = 0;
        connect(&page, &ORXSettingPage::controlChanged, this, [&changes] { ++changes; });
        // The low knob pulled past the high one stops there; the texts follow at once.
        drag(page.ecoSlider(), 30.0 - 0.4, 80);
        QCOMPARE(page.ecoLoValue(), 60.0);
        QCOMPARE(changes, 2); // the move and the release, each once round
        QCOMPARE(page.findChild<QLabel*>("normalDriveLabel")->text(), QString("Normal Drive : 0.40 ~ 0.40"));
        drag(page.ecoSlider(), 60.0 + 0.4, 85.9);
        QCOMPARE(page.ecoHiValue(), 85.0); // whole numbers
        QVERIFY(page.populate());
        QCOMPARE(r.drivingSecurity, 40u);
        QCOMPARE(r.parkingSecurity, 15u);
        QCOMPARE(r.SaveDuration, 0x12u);
    }
};

ORVEX_TEST(ORXSettingForObdViewControllerTest)
#include "tst_ORXSettingForObdViewController.moc"
