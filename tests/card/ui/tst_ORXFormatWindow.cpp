#include "CardUiSupport.h"
#include "FakeUDisksBus.h"
#include "ORXCardFormatter.h"
#include "ORXFormatWindowController.h"
#include "ORXLocalizedString.h"
#include "PMProgressIndicatorController.h"
#include "ui_ORXFormatWindowController.h"

// Card "sdz" is a sparse image, formatted by mkfs.fat through a pkexec stand-in that takes a second.
class ORXFormatWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(!QStandardPaths::findExecutable("mkfs.fat", {"/usr/sbin", "/sbin"}).isEmpty());
        ORXTheme::apply(qApp);
        QFile pkexec(m_tools.filePath("pkexec"));
        QVERIFY(pkexec.open(QIODevice::WriteOnly));
        pkexec.write("#!/bin/sh\nsleep 1; exec \"$@\"\n");
        pkexec.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("ORVEX_PKEXEC", pkexec.fileName().toLocal8Bit());
    }
    // A 4 GiB card "sdz" holding config.bin; a card "sdy" in another reader, not yet inserted.
    void init()
    {
        m_bus = std::make_unique<FakeUDisksBus>();
        QVERIFY(QDir().mkpath(m_bus->root() + "/dev"));
        m_image = m_bus->root() + "/dev/sdz";
        QFile image(m_image);
        QVERIFY(image.open(QIODevice::WriteOnly) && image.resize(qint64(4) << 30));
        image.close();
        qputenv("ORVEX_DEVICE_DIR", (m_bus->root() + "/dev").toLocal8Bit());
        QJsonObject card = m_bus->volume("sdz", "reader", "NO NAME", double(qint64(4) << 30));
        card.insert("image", m_image);
        QJsonObject later = m_bus->volume("sdy", "stick", "CAMERA", 8e9);
        later.insert("present", false);
        QVERIFY(m_bus->start({FakeUDisksBus::drive("reader", "usb", false, true, "Generic", "SD Card Reader"),
                              FakeUDisksBus::drive("stick", "usb", true, false)},
                             {card, later}));
        QFile config(m_bus->backing("sdz") + "/config.bin");
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write(m_config) == m_config.size());
    }
    void formatsAfterConfirmation()
    {
        ORXFormatWindowController window;
        PMProgressIndicatorController icon(QImage(128, 128, QImage::Format_ARGB32),
                                           [](const QString&) { return QImage(); });
        window.ui()->progressBar->setController(&icon);
        QSignalSpy finished(&window, &ORXFormatWindowController::formatFinished);
        QMessageBox* box = askToFormat(window);
        QVERIFY(box);
        const TKUSBDiskEntity disk = window.usbDiskArray().constFirst();
        QCOMPARE(window.ui()->usbDiskCombo->currentText(), disk.displayString());
        QCOMPARE(window.ui()->allocationUnitField->text(), QStringLiteral("16 KB"));
        QCOMPARE(window.ui()->pathField->text(), "sdz   " + disk.mountPath());
        // The question names the disk, its device, size and volume name; Enter and Escape keep it.
        for (const QString& part : {disk.displayString(), QStringLiteral("/dev/sdz"),
                                    QStringLiteral("4294967296"), QStringLiteral("NO NAME")})
            QVERIFY2(box->informativeText().contains(part), qPrintable(box->informativeText()));
        QCOMPARE(box->defaultButton(), box->findChild<QPushButton*>("confirmCancelButton"));
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        QTest::keyClick(box, Qt::Key_Escape);
        QTRY_VERIFY(!window.confirmationBox());
        QVERIFY(!window.isFormatting());

        box = askToFormat(window);
        QVERIFY(box);
        box->findChild<QPushButton*>("confirmFormatButton")->click();
        QVERIFY(window.isFormatting());
        QVERIFY(!window.ui()->formatButton->isEnabled());
        QVERIFY(!window.ui()->cancelButton->isEnabled());
        QVERIFY(icon.containsProgressIndicator(window.ui()->progressBar)); // on the launcher icon too
        QVERIFY(!window.close());
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        // The run is off the GUI thread: the progress steps arrive while it goes on.
        QTRY_COMPARE(window.ui()->progressMessageField->text(), QStringLiteral("formatting..."));
        QVERIFY(finished.isEmpty());

        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QCOMPARE(finished.first(), (QVariantList{"sdz", true}));
        QMessageBox* done = openBox(&window);
        QVERIFY(done);
        QCOMPARE(done->text(), ORXLocalizedString("msg.format_complete"));
        QCOMPARE(volumeLabel(), QByteArray("ORVEX      "));
        QFile config(m_bus->backing("sdz") + "/config.bin");
        QVERIFY(config.open(QIODevice::ReadOnly));
        QCOMPARE(config.readAll(), m_config);
        // Selected again by its device name, under its new name.
        QCOMPARE(window.selectedUSBDisk()->volumeName(), QStringLiteral("ORVEX"));
        QVERIFY(!icon.containsProgressIndicator(window.ui()->progressBar));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        done->buttons().constFirst()->click(); // OK closes the window
        QTRY_VERIFY(!window.isVisible());
    }
    void hostClosedDuringRun()
    {
        QPointer<QWidget> host = new QWidget;
        host->setAttribute(Qt::WA_DeleteOnClose);
        host->show();
        auto* window = new ORXFormatWindowController(host);
        QMessageBox* box = askToFormat(*window);
        QVERIFY(box);
        box->findChild<QPushButton*>("confirmFormatButton")->click();
        QVERIFY(ORXCardFormatter::isRunning());
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^format of sdz succeeded"));
        host->close(); // takes the format window with it; must not wait for the run
        QTRY_VERIFY(!host);
        QVERIFY(ORXCardFormatter::isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!ORXCardFormatter::isRunning(), 60000);
        QTest::qWait(200); // the result is handed back and logged on this thread
        QCOMPARE(volumeLabel(), QByteArray("ORVEX      "));
        QTRY_VERIFY(QFile::exists(m_bus->backing("sdz") + "/config.bin"));
    }
    void followsCardsInAndOut()
    {
        ORXFormatWindowController window;
        window.show();
        QTRY_COMPARE(window.ui()->usbDiskCombo->count(), 1);
        QVERIFY(m_bus->control("InsertCard", {"sdy"}));
        QTRY_COMPARE_WITH_TIMEOUT(window.ui()->usbDiskCombo->count(), 2, 5000);
        QCOMPARE(window.selectedUSBDisk()->deviceFilePath(),
                 QStringLiteral("sdz")); // the user's choice stays
        QVERIFY(m_bus->control("RemoveCard", {"sdz"}));
        QTRY_COMPARE_WITH_TIMEOUT(window.ui()->usbDiskCombo->count(), 1, 5000);
        QCOMPARE(window.selectedUSBDisk()->deviceFilePath(), QStringLiteral("sdy"));
        QCOMPARE(window.ui()->allocationUnitField->text(), QStringLiteral("64 KB"));
    }

private:
    QMessageBox* askToFormat(ORXFormatWindowController& window)
    {
        window.show();
        if (!QTest::qWaitFor([&] { return window.usbDiskArray().size() == 1 && window.stopProgressBar(); },
                             10000))
            return nullptr;
        window.ui()->formatButton->click();
        (void)QTest::qWaitFor([&] { return window.confirmationBox() != nullptr; }, 10000);
        return window.confirmationBox();
    }
    QByteArray volumeLabel() const // as mkfs.fat wrote it in the boot sector
    {
        QFile image(m_image);
        return image.open(QIODevice::ReadOnly) ? image.read(82).mid(71) : QByteArray();
    }

    QTemporaryDir m_tools;
    std::unique_ptr<FakeUDisksBus> m_bus;
    QString m_image;
    const QByteArray m_config = QByteArray(428, 'c');
};

ORVEX_TEST(ORXFormatWindowTest)
#include "tst_ORXFormatWindow.moc"
