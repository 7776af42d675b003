#include "CardUiSupport.h"
#include "FakeUDisksBus.h"
#include "ORXCardFormatter.h"
#include "ORXFormatWindowController.h"
#include "ORXLocalizedString.h"
#include "PMProgressIndicatorController.h"
#include "ui_ORXFormatWindowController.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>

// The format window offscreen, against the stand-in UDisks2 service: a sparse image file
// stands in for the card and is formatted by the real mkfs.fat through a pkexec stand-in.
class ORXFormatWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void formatsAfterConfirmation();
    void refusedWithoutFormatting_data();
    void refusedWithoutFormatting();
    void hostClosedDuringRun();
    void followsCardsInAndOut();

private:
    // One 4 GiB card "sdz" in a USB reader, holding config.bin; a second card "sdy" in
    // another reader, not yet inserted.
    bool startBus(quint64 size = quint64(4) << 30);
    void usePkexec(const char* name) { qputenv("ORVEX_PKEXEC", m_tools.filePath(name).toLocal8Bit()); }
    QMessageBox* askToFormat(ORXFormatWindowController& window);
    QByteArray bootSector() const;

    QTemporaryDir m_tools;
    std::unique_ptr<FakeUDisksBus> m_bus;
    QString m_image;
    QByteArray m_config;
};

void ORXFormatWindowTest::initTestCase()
{
    QVERIFY(!QStandardPaths::findExecutable("mkfs.fat", {"/usr/sbin", "/sbin"}).isEmpty());
    ORXTheme::apply(qApp);
    const auto script = [&](const QString& name, const QByteArray& body) {
        QFile file(m_tools.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body + "\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    script("pkexec", "exec \"$@\"");
    script("pkexec-slow", "sleep 1; exec \"$@\"");
    script("pkexec-busy", "echo 'mkfs.fat: unable to open /dev/sdz: Device or resource busy' >&2; exit 1");
    m_config = QByteArray(428, '\0');
    for (int i = 0; i < m_config.size(); ++i)
        m_config[i] = char(i * 5 + 1);
}

void ORXFormatWindowTest::init()
{
    QVERIFY(startBus());
    usePkexec("pkexec");
}

bool ORXFormatWindowTest::startBus(quint64 size)
{
    m_bus = std::make_unique<FakeUDisksBus>();
    QDir().mkpath(m_bus->root() + "/dev");
    m_image = m_bus->root() + "/dev/sdz";
    QFile image(m_image);
    if (!image.open(QIODevice::WriteOnly) || !image.resize(qint64(size)))
        return false;
    image.close();
    qputenv("ORVEX_DEVICE_DIR", (m_bus->root() + "/dev").toLocal8Bit());
    QJsonObject card = m_bus->volume("sdz", "reader", "NO NAME", double(size));
    card.insert("image", m_image);
    QJsonObject later = m_bus->volume("sdy", "stick", "CAMERA", 8e9);
    later.insert("present", false);
    if (!m_bus->start({FakeUDisksBus::drive("reader", "usb", false, true, "Generic", "SD Card Reader"),
                       FakeUDisksBus::drive("stick", "usb", true, false)},
                      {card, later}))
        return false;
    QFile config(m_bus->backing("sdz") + "/config.bin");
    return config.open(QIODevice::WriteOnly) && config.write(m_config) == m_config.size();
}

QByteArray ORXFormatWindowTest::bootSector() const
{
    QFile image(m_image);
    return image.open(QIODevice::ReadOnly) ? image.read(512) : QByteArray();
}

QMessageBox* ORXFormatWindowTest::askToFormat(ORXFormatWindowController& window)
{
    window.show();
    if (!QTest::qWaitFor([&] { return window.usbDiskArray().size() == 1 && window.stopProgressBar(); },
                         10000))
        return nullptr;
    window.ui()->formatButton->click();
    (void)QTest::qWaitFor([&] { return window.confirmationBox() != nullptr; }, 10000);
    return window.confirmationBox();
}

void ORXFormatWindowTest::formatsAfterConfirmation()
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
    // The question names the disk, its device, size and volume name; Enter keeps the card.
    const QString question = CardUi::boxText(box);
    for (const QString& part : {disk.displayString(), QStringLiteral("/dev/sdz"),
                                QStringLiteral("4294967296"), QStringLiteral("NO NAME")})
        QVERIFY2(question.contains(part), qPrintable(question));
    QCOMPARE(box->defaultButton()->objectName(), QStringLiteral("confirmCancelButton"));

    box->findChild<QPushButton*>("confirmFormatButton")->click();
    QVERIFY(window.isFormatting());
    QVERIFY(!window.ui()->formatButton->isEnabled());
    QVERIFY(!window.ui()->cancelButton->isEnabled());
    QVERIFY(icon.containsProgressIndicator(window.ui()->progressBar)); // on the launcher icon too
    QVERIFY(!window.close());

    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QCOMPARE(finished.first(), (QVariantList{"sdz", true}));
    QMessageBox* done = CardUi::openBox(&window);
    QVERIFY(done);
    QCOMPARE(done->text(), ORXLocalizedString("msg.format_complete"));
    QCOMPARE(bootSector().mid(71, 11), QByteArray("ORVEX      "));
    QFile config(m_bus->backing("sdz") + "/config.bin");
    QVERIFY(config.open(QIODevice::ReadOnly));
    QCOMPARE(config.readAll(), m_config);
    // Selected again by its device name, under its new name.
    QCOMPARE(window.selectedUSBDisk()->volumeName(), QStringLiteral("ORVEX"));
    QVERIFY(!icon.containsProgressIndicator(window.ui()->progressBar));
    done->buttons().constFirst()->click(); // OK closes the window
    QTRY_VERIFY(!window.isVisible());
}

void ORXFormatWindowTest::refusedWithoutFormatting_data()
{
    QTest::addColumn<QString>("step"); // what happens after the question
    QTest::addColumn<QString>("told"); // the end of the alert's text; empty: no alert
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("declined") << "decline" << QString() << QStringList();
    QTest::newRow("card swapped after the question")
        << "swap" << ORXLocalizedString("msg.format_card_changed") << QStringList();
    QTest::newRow("mkfs.fat fails with its own words")
        << "busy"
        << "mkfs.fat: unable to open /dev/sdz: Device or resource busy"
        << QStringList{"Unmount sdz", "Mount sdz"};
}

void ORXFormatWindowTest::refusedWithoutFormatting()
{
    QFETCH(QString, step);
    QFETCH(QString, told);
    QFETCH(QStringList, calls);
    if (step == "busy")
        usePkexec("pkexec-busy");
    ORXFormatWindowController window;
    QSignalSpy finished(&window, &ORXFormatWindowController::formatFinished);
    QMessageBox* box = askToFormat(window);
    QVERIFY(box);
    if (step == "decline") {
        QTest::keyClick(box, Qt::Key_Escape);
        QTRY_VERIFY(!window.confirmationBox());
        QVERIFY(!window.isFormatting());
    } else {
        if (step == "swap")
            QVERIFY(m_bus->control("SwapCard", {"sdz", "0A0B-0C0D"}));
        box->findChild<QPushButton*>("confirmFormatButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        QCOMPARE(finished.first(), (QVariantList{"sdz", false}));
        const QString alert = CardUi::boxText(CardUi::openBox(&window));
        QVERIFY2(alert.endsWith(told), qPrintable(alert));
    }
    QCOMPARE(finished.count(), step == "decline" ? 0 : 1);
    QCOMPARE(bootSector(), QByteArray(512, '\0')); // nothing erased
    QCOMPARE(m_bus->calls(), calls);
    QVERIFY(window.isVisible());
    QVERIFY(QFile::exists(window.selectedUSBDisk()->mountPath() + "/config.bin"));
}

void ORXFormatWindowTest::hostClosedDuringRun()
{
    usePkexec("pkexec-slow");
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
    QCOMPARE(bootSector().mid(71, 11), QByteArray("ORVEX      "));
    QTRY_VERIFY(QFile::exists(m_bus->backing("sdz") + "/config.bin"));
}

void ORXFormatWindowTest::followsCardsInAndOut()
{
    ORXFormatWindowController window;
    window.show();
    QTRY_COMPARE(window.ui()->usbDiskCombo->count(), 1);
    window.ui()->usbDiskCombo->setCurrentIndex(0);
    QVERIFY(m_bus->control("InsertCard", {"sdy"}));
    QTRY_COMPARE_WITH_TIMEOUT(window.ui()->usbDiskCombo->count(), 2, 5000);
    QCOMPARE(window.selectedUSBDisk()->deviceFilePath(), QStringLiteral("sdz")); // the user's choice stays
    QVERIFY(m_bus->control("RemoveCard", {"sdz"}));
    QTRY_COMPARE_WITH_TIMEOUT(window.ui()->usbDiskCombo->count(), 1, 5000);
    QCOMPARE(window.selectedUSBDisk()->deviceFilePath(), QStringLiteral("sdy"));
    QCOMPARE(window.ui()->allocationUnitField->text(), QStringLiteral("64 KB"));
}

ORVEX_TEST(ORXFormatWindowTest)
#include "tst_ORXFormatWindow.moc"
