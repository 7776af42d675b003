#include "OrvexTest.h"

#include "../PageRecord.h"
#include "FakeUDisksBus.h"
#include "ORXDriveLogViewController.h"
#include "ORXLocalizedString.h"
#include "ORXObdCameraChoice.h"
#include "ORXSegmentedControl.h"
#include "ORXSettingController.h"
#include "ORXSettingDriveLogPage.h"
#include "ORXSettingForObdViewController.h"
#include "ORXSimCardFiles.h"
#include "SMDoubleSlider.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QTableView>

class ORXSettingObdHostingTest : public QObject
{
    Q_OBJECT

    // A card copy in the open folder (config.bin and DrvInfo), its window loaded.
    static std::unique_ptr<ORXSettingController> openOnCopy(const QString& folder)
    {
        auto window = std::make_unique<ORXSettingController>(ORXSettingController::PlayerState{folder, {}});
        QSignalSpy found(window.get(), &ORXSettingController::cardLogsFound);
        window->show();
        if (!found.wait(20000))
            return nullptr;
        QDialog* sheet = window->findChild<QDialog*>("progressPanel");
        (void)QTest::qWaitFor([sheet] { return !sheet->isVisible(); }, 3000);
        return window;
    }

    static void drag(SMDoubleSlider* s, double from, double to)
    {
        const auto send = [s](QEvent::Type type, double value, Qt::MouseButton button, Qt::MouseButtons held) {
            const QPointF at(s->positionForValue(value), s->height() / 2.0);
            QMouseEvent event(type, at, s->mapToGlobal(at), button, held, Qt::NoModifier);
            QApplication::sendEvent(s, &event);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }

    static QString pageClass(ORXSettingController* window, int tab)
    {
        window->changeViewController(tab);
        return QString::fromLatin1(window->targetController()->metaObject()->className());
    }

    static int rowsShown(ORXSettingController* window, int tab)
    {
        window->changeViewController(tab);
        auto* page = qobject_cast<ORXSettingDriveLogPage*>(window->targetController());
        if (!page)
            return -1;
        (void)QTest::qWaitFor([page] { return page->viewController()->isFlashDataAccessed(); }, 10000);
        return page->viewController()->tableView()->model()->rowCount();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { ORXObdCameraChoice::setChosen(false); }

    void gpsOrObdPage_data()
    {
        QTest::addColumn<bool>("obdLogOnCard");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<bool>("obd");
        QTest::newRow("GPS camera's card") << false << false << false;
        QTest::newRow("card with an OBD log") << true << false << true;
        QTest::newRow("OBD camera chosen") << false << true << true;
    }
    void gpsOrObdPage()
    {
        QFETCH(bool, obdLogOnCard);
        QFETCH(bool, chosen);
        QFETCH(bool, obd);
        FakeUDisksBus bus;
        QVERIFY(bus.start({}, {}));
        QTemporaryDir folder;
        QString error;
        QVERIFY2(ORXSimWriteCardFiles(folder.path(), ORXSimRoute(), &error), qPrintable(error));
        if (!obdLogOnCard)
            QVERIFY(QFile::remove(folder.filePath(kORXSimObdLogPath)));
        ORXObdCameraChoice::setChosen(chosen);
        auto window = openOnCopy(folder.path());
        QVERIFY(window);
        QCOMPARE(window->isObdCamera(), obd);
        QCOMPARE(window->tabCount(), obd ? 8 : 7);
        QCOMPARE(pageClass(window.get(), 2),
                 obd ? QString("ORXSettingForObdViewController") : QString("ORXSettingForGpsViewController"));
        auto* tabs = window->findChild<ORXSegmentedControl*>("functionSegmentedControl");
        QCOMPARE(tabs->label(2), ORXLocalizedString(obd ? "setting.obd" : "setting.gps"));
        // The log pages are read once and kept, out of sight, when another tab is chosen.
        QList<QPointer<QWidget>> logPages;
        QCOMPARE(rowsShown(window.get(), ORXSettingController::kDriveInfoTab), kORXSimLogRecords);
        logPages << window->targetController();
        if (obdLogOnCard) {
            QCOMPARE(rowsShown(window.get(), ORXSettingController::kObdLogTab), kORXSimLogRecords);
            logPages << window->targetController();
        }
        window->changeViewController(0);
        QTest::qWait(10); // pages that go are deleted later
        for (const QPointer<QWidget>& page : logPages)
            QVERIFY(page && !page->isVisible());
        if (obd) {
            // The eco knobs dragged with the mouse: the low one stops at the high one.
            *window->filedata() =
                recordWith({"drivingSecurity=70", "parkingSecurity=40", "SaveDuration=0x12"});
            window->changeViewController(2);
            auto* page = qobject_cast<ORXSettingForObdViewController*>(window->targetController());
            QCOMPARE(page->ecoLoValue(), 30.0);
            QCOMPARE(page->ecoHiValue(), 60.0);
            QVERIFY(!page->ecoSlider()->accessibleName().isEmpty());
            int changes = 0;
            connect(page, &ORXSettingPage::controlChanged, this, [&changes] { ++changes; });
            drag(page->ecoSlider(), 30.0 - 0.4, 80);
            QCOMPARE(page->ecoLoValue(), 60.0);
            QCOMPARE(changes, 2); // the move and the release, each once round
            QCOMPARE(page->findChild<QLabel*>("normalDriveLabel")->text(), QString("Normal Drive : 0.40 ~ 0.40"));
            drag(page->ecoSlider(), 60.0 + 0.4, 85.9);
            QCOMPARE(page->ecoHiValue(), 85.0);
            window->changeViewController(0);
            QCOMPARE(window->filedata()->drivingSecurity, 40u);
            QCOMPARE(window->filedata()->parkingSecurity, 15u);
            QCOMPARE(window->filedata()->SaveDuration, 0x12u);
            // A range wholly above where the knobs stand (60 and 85) is shown whole, not cut.
            window->changeViewController(2);
            page = qobject_cast<ORXSettingForObdViewController*>(window->targetController());
            *window->filedata() = recordWith({"drivingSecurity=5", "parkingSecurity=2"});
            page->setFileData(window->filedata());
            QCOMPARE(page->ecoLoValue(), 95.0);
            QVERIFY(window->grab().save(QStringLiteral("/tmp/orvex-settings-obd-log-tab.png")));
            return;
        }
        // Ticking the box on the GPS page switches the open page, and back.
        window->changeViewController(2);
        auto* box = window->findChild<QCheckBox*>("obdCameraChk");
        box->click();
        QVERIFY(ORXObdCameraChoice::chosen());
        QCOMPARE(window->lastSelectedTabIndex(), 2);
        QCOMPARE(pageClass(window.get(), 2), QString("ORXSettingForObdViewController"));
        box->click();
        QCOMPARE(window->tabCount(), 7);
        QCOMPARE(pageClass(window.get(), 2), QString("ORXSettingForGpsViewController"));
    }
};

ORVEX_TEST(ORXSettingObdHostingTest)
#include "tst_ORXSettingObdHosting.moc"
