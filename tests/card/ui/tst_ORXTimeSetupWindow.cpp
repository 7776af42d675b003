#include "CardUiSupport.h"
#include "FakeUDisksBus.h"
#include "ORXClockFace.h"
#include "ORXLocalizedString.h"
#include "ORXTimeSetupController.h"
#include "ui_ORXTimeSetupController.h"

#include <QFileDialog>

// The clock window: its pickers, and where it writes "timeset.cfg" (card, player's folder or a picked file).
class ORXTimeSetupWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ORXTheme::apply(qApp);
        QVERIFY(m_bus.start({FakeUDisksBus::drive("r", "usb", false, true)},
                            {m_bus.volume("sdb1", "r", "ORVEX", 8e9)}));
    }
    void cleanup()
    {
        QFile::remove(m_bus.backing("sdb1") + "/timeset.cfg");
        QDir(m_bus.backing("sdb1") + "/timeset.cfg").removeRecursively();
    }
    void pickersAndToday()
    {
        ORXTimeSetupController window;
        window.show();
        Ui::ORXTimeSetupController* ui = window.ui();
        ui->datePicker->setSelectedDate(QDate(2023, 1, 5));
        QCOMPARE(ui->dateField->text(), QLocale().toString(QDate(2023, 1, 5), QLocale::LongFormat));
        ui->timePicker->setTime(QTime(14, 3, 9));
        ui->clockTimePicker->setFocus();
        QTest::keyClick(ui->clockTimePicker, Qt::Key_PageUp); // an hour on, by keyboard
        QCOMPARE(window.selectedTime(), QTime(15, 3, 9));
        // The year stays within four digits, so the file stays 19 bytes.
        QCOMPARE(ui->datePicker->minimumDate(), QDate(1, 1, 1));
        QCOMPARE(ui->datePicker->maximumDate(), QDate(9999, 12, 31));

        // "Today" sets the date only, and unticks itself.
        ui->nowDaySettingChk->click();
        QCOMPARE(ui->datePicker->selectedDate(), QDate::currentDate());
        QCOMPARE(ui->dateField->text(), QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
        QCOMPARE(window.selectedTime(), QTime(15, 3, 9));
        QVERIFY(ui->nowDaySettingChk->text().contains(ORXLocalizedString("today")));
        QVERIFY(ui->nowDaySettingChk->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(!ui->nowDaySettingChk->isChecked(), 1000);
        // Ctrl+T does the same.
        ui->datePicker->setSelectedDate(QDate(2023, 1, 5));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(window.selectedDate(), QDate::currentDate());
    }
    void clockHandsDragged_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<int>("hand");
        QTest::addColumn<double>("toDegrees"); // where the hand is dropped, clockwise from twelve
        QTest::addColumn<QTime>("expected");
        QTest::newRow("minute hand to a quarter past")
            << QTime(14, 3, 9) << int(ORXClockFace::MinuteHand) << 90.0 << QTime(14, 15, 9);
        QTest::newRow("minute hand past twelve carries the hour")
            << QTime(14, 50, 0) << int(ORXClockFace::MinuteHand) << 30.0 << QTime(15, 5, 0);
        QTest::newRow("hour hand keeps the afternoon")
            << QTime(14, 0, 0) << int(ORXClockFace::HourHand) << 150.0 << QTime(17, 0, 0);
        QTest::newRow("hour hand back past twelve into the morning")
            << QTime(14, 0, 0) << int(ORXClockFace::HourHand) << 330.0 << QTime(11, 0, 0);
        QTest::newRow("second hand") << QTime(8, 30, 0) << int(ORXClockFace::SecondHand) << 180.0
                                     << QTime(8, 30, 30);
    }
    void clockHandsDragged()
    {
        QFETCH(QTime, start);
        QFETCH(int, hand);
        QFETCH(double, toDegrees);
        QFETCH(QTime, expected);
        ORXTimeSetupController window;
        window.show();
        ORXClockFace* face = window.ui()->clockTimePicker;
        window.ui()->timePicker->setTime(start);
        const QPointF centre = QRectF(face->rect()).center();
        const QPointF from = centre + (face->handTip(ORXClockFace::Hand(hand)) - centre) * 0.85;
        const double a = qDegreesToRadians(toDegrees);
        const QPointF to = centre + QPointF(std::sin(a), -std::cos(a)) * QLineF(centre, from).length();
        // Pressed at the hand's tip, moved there in seven steps, released.
        for (int i = 0; i <= 9; ++i) {
            const QPointF at = from + (to - from) * (std::clamp(i, 1, 8) - 1) / 7.0;
            const auto type = i == 0   ? QEvent::MouseButtonPress
                              : i == 9 ? QEvent::MouseButtonRelease
                                       : QEvent::MouseMove;
            QMouseEvent event(type, at, face->mapToGlobal(at),
                              i == 0 || i == 9 ? Qt::LeftButton : Qt::NoButton,
                              i == 9 ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(face, &event);
        }
        QCOMPARE(window.ui()->timePicker->time(), expected);
        QCOMPARE(window.selectedTime(), expected);
    }
    void writesClockFile_data()
    {
        QTest::addColumn<QString>("onCard");    // what the card's root holds as timeset.cfg
        QTest::addColumn<bool>("inFolder");     // the folder open in the player holds one
        QTest::addColumn<QString>("typedName"); // in the save dialog; empty: no dialog expected
        QTest::addColumn<QString>("written");   // the file written in the card's root or the folder
        QTest::newRow("card holds one") << "file" << true << QString() << "card:timeset.cfg";
        QTest::newRow("folder open in the player holds one")
            << "" << true << QString() << "folder:timeset.cfg";
        QTest::newRow("neither: save dialog adds .cfg") << "" << false << "mytime"
                                                        << "folder:mytime.cfg";
        // The card's "timeset.cfg" is a folder: the window stays for another try.
        QTest::newRow("card's file cannot be written") << "folder" << false << QString() << "";
    }
    void writesClockFile()
    {
        QFETCH(QString, onCard);
        QFETCH(bool, inFolder);
        QFETCH(QString, typedName);
        QFETCH(QString, written);
        QTemporaryDir folder;
        const QString cardFile = m_bus.backing("sdb1") + "/timeset.cfg";
        const auto put = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write("2020/01/01 00:00:00\r\nxxxx") == 25;
        };
        QVERIFY(onCard == "folder" ? QDir().mkpath(cardFile) : onCard.isEmpty() || put(cardFile));
        QVERIFY(!inFolder || put(folder.filePath("timeset.cfg")));
        QPointer<ORXTimeSetupController> window = new ORXTimeSetupController(nullptr, folder.path());
        window->setAttribute(Qt::WA_DeleteOnClose); // as the player opens it
        window->show();
        QTRY_VERIFY(!window->isBusy());
        window->ui()->datePicker->setSelectedDate(QDate(2023, 1, 5));
        window->ui()->timePicker->setTime(QTime(14, 3, 9));
        window->ui()->saveButton->click();
        if (!typedName.isEmpty()) {
            QFileDialog* panel = window->savePanel();
            QVERIFY(panel);
            // Proposes "timeset" of the type cfg.
            QCOMPARE(panel->selectedFiles().value(0).section('/', -1), QStringLiteral("timeset.cfg"));
            QVERIFY(panel->acceptMode() == QFileDialog::AcceptSave &&
                    panel->windowModality() == Qt::WindowModal);
            panel->setDirectory(folder.path());
            panel->selectFile(typedName);
            static_cast<QDialog*>(panel)->accept(); // as the Save button does
        }
        QTRY_VERIFY(openBox(window));
        QMessageBox* done = openBox(window);
        if (written.isEmpty()) {
            QCOMPARE(done->text(), ORXLocalizedString("time.write_failed"));
            done->buttons().constFirst()->click();
            QTest::qWait(50);
            QVERIFY(window->isVisible());
            QVERIFY(window->ui()->saveButton->isEnabled());
            delete window;
            return;
        }
        QCOMPARE(done->informativeText(), ORXLocalizedString("time.filesave"));
        QFile result((written.startsWith("card:") ? m_bus.backing("sdb1") : folder.path()) + '/' +
                     written.section(':', 1));
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll(), QByteArray("2023/01/05 14:03:09"));
        done->buttons().constFirst()->click();
        QTRY_VERIFY(!window); // closes (and goes) once the user has read the message
    }

private:
    FakeUDisksBus m_bus; // a USB card "sdb1", mounted
};

ORVEX_TEST(ORXTimeSetupWindowTest)
#include "tst_ORXTimeSetupWindow.moc"
