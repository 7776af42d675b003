#include "OrvexTest.h"

#include "../PageRecord.h"
#include "../TmpfsMount.h"
#include "FakeUDisksBus.h"
#include "ORXConfigFile.h"
#include "ORXLocalizedString.h"
#include "ORXSegmentedControl.h"
#include "ORXSettingController.h"
#include "ORXSettingForBasicViewController.h"
#include "ORXSettingPage.h"
#include "ORXSettingPageModel.h"
#include "ORXTheme.h"
#include "ORXUserDefaults.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QToolButton>

#include <cstring>

namespace {
_FILEDATA cardRecord()
{
    _FILEDATA r;
    std::memset(&r, 0, sizeof r);
    applyDefaultSettings(&r, 0);
    r.vid_enc_bitrate = 2;
    r.gsen_x_threshold = 29;
    r.time_gmt = 22;
    r.checksum = configChecksum(r);
    return r;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A window that has found its card (or none) and whose progress sheet has closed.
std::unique_ptr<ORXSettingController> openWindow(const ORXSettingController::PlayerState& player = {})
{
    auto window = std::make_unique<ORXSettingController>(player);
    QSignalSpy loaded(window.get(), &ORXSettingController::settingsLoaded);
    window->show();
    if (!loaded.wait(20000))
        return nullptr;
    QDialog* sheet = window->findChild<QDialog*>("progressPanel");
    (void)QTest::qWaitFor([sheet] { return !sheet->isVisible(); }, 3000);
    return sheet->isVisible() ? nullptr : std::move(window);
}

QMessageBox* alert(QWidget* window)
{
    return window->findChild<QMessageBox*>("alertSheet");
}

ORXSegmentedControl* segment(QWidget* window, const char* name)
{
    return window->findChild<ORXSegmentedControl*>(name);
}
} // namespace

class ORXSettingControllerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // On the card, on a copy in the folder open in the player, or on neither (the defaults).
    void opens_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("card") << "card";
        QTest::newRow("copy in the open folder") << "copy";
        QTest::newRow("no card, no copy") << "";
    }
    void opens()
    {
        QFETCH(QString, source);
        FakeUDisksBus bus;
        QJsonArray blocks;
        if (source == "card")
            blocks.append(bus.volume("sdb1", "r", "ORVEX", 8e9));
        QVERIFY(bus.start({FakeUDisksBus::drive("r", "usb", false, true)}, blocks));
        QTemporaryDir folder;
        const QString path =
            source == "card" ? bus.mountRoot() + "/ORVEX/config.bin" : folder.filePath("config.bin");
        if (!source.isEmpty())
            QVERIFY(writeConfigFile(cardRecord(), path).isNull());
        auto window = openWindow({folder.path(), QString()});
        QVERIFY(window);
        QVERIFY(!window->version().isEmpty());
        const QString title = ORXLocalizedString("setting.window_title") + "[Ver " + window->version() + "]";
        QCOMPARE(window->windowTitle(), source.isEmpty() ? title : title + " : " + path);
        QCOMPARE(window->isEditingCopy(), source == "copy");
        // The first page shows the record as read, not the defaults it showed meanwhile.
        QCOMPARE(window->lastSelectedTabIndex(), 0);
        QCOMPARE(segment(window.get(), "videoEncodingBitrate")->selectedSegment(), source.isEmpty() ? 1 : 2);
        QCOMPARE(window->filedata()->time_gmt, source.isEmpty() ? localTimeZoneIndex() : 22);
    }

    // A card under another name is renamed unless a recording from it is playing.
    void renameOnlyWhenNotPlaying_data()
    {
        QTest::addColumn<bool>("playing");
        QTest::newRow("idle") << false;
        QTest::newRow("playing from the card") << true;
    }
    void renameOnlyWhenNotPlaying()
    {
        QFETCH(bool, playing);
        FakeUDisksBus bus;
        QVERIFY(bus.start({FakeUDisksBus::drive("r", "usb", false, true)},
                          {bus.volume("sdb1", "r", "CAM", 8e9)}));
        QVERIFY(writeConfigFile(cardRecord(), bus.backing("sdb1") + "/config.bin").isNull());
        const QString oldMount = bus.mountRoot() + "/CAM";
        ORXSettingController::PlayerState player{oldMount, playing ? oldMount + "/DCIM/a_F.avi" : QString()};
        auto window = std::make_unique<ORXSettingController>(player);
        QSignalSpy moved(window.get(), &ORXSettingController::cardRemounted);
        QSignalSpy loaded(window.get(), &ORXSettingController::settingsLoaded);
        QVERIFY(loaded.wait(20000));
        QCOMPARE(bus.calls().size(), playing ? 0 : 3);
        QCOMPARE(moved.size(), playing ? 0 : 1);
        QCOMPARE(window->settingFilePath(),
                 (playing ? oldMount : bus.mountRoot() + "/ORVEX") + "/config.bin");
        if (!playing)
            QCOMPARE(moved.at(0), QVariantList({oldMount, bus.mountRoot() + "/ORVEX"}));
    }

    // A page comes back rebuilt from the record; choosing the tab shown does nothing.
    void pageProtocol()
    {
        FakeUDisksBus bus;
        QVERIFY(bus.start({}, {}));
        auto window = openWindow();
        QVERIFY(window);
        window->activateWindow();
        segment(window.get(), "functionSegmentedControl")->segmentButton(1)->click();
        QWidget* basic = window->targetController();
        QCOMPARE(window->lastSelectedTabIndex(), 1);
        segment(basic, "gsensorSensitivityDrivingSeg")->segmentButton(5)->click();
        auto* x = basic->findChild<QLineEdit*>("gsensorSensitivityThresholdXDrivingField");
        QVERIFY(x->isEnabled());
        x->setText("2");
        segment(window.get(), "functionSegmentedControl")->segmentButton(2)->click();
        QCOMPARE(window->targetController(), basic);
        QCOMPARE(segment(window.get(), "functionSegmentedControl")->selectedSegment(), 1);
        QTRY_VERIFY(alert(window.get()));
        QCOMPARE(alert(window.get())->text(), QString("ORVEX"));
        QCOMPARE(alert(window.get())->informativeText(),
                 ORXLocalizedString("msg.gsensor_outofrange_fmt").arg("0.05", "1.5"));
        alert(window.get())->button(QMessageBox::Ok)->click();
        QTRY_COMPARE(window->focusWidget(), x);
        QCOMPARE(window->filedata()->gsen_x_threshold, 50); // nothing stored

        x->setText("0,29");
        window->changeViewController(1); // the tab shown: nothing happens
        QCOMPARE(window->targetController(), basic);
        window->changeViewController(2);
        QCOMPARE(window->lastSelectedTabIndex(), 2);
        window->changeViewController(1);
        QVERIFY(window->targetController() != basic);
        QCOMPARE(window->targetController()
                     ->findChild<QLineEdit*>("gsensorSensitivityThresholdXDrivingField")
                     ->text(),
                 QString("0.29"));
        QCOMPARE(window->filedata()->gsen_x_threshold, 29);

        // The drive-log page is the same object at each visit.
        window->changeViewController(ORXSettingController::kDriveInfoTab);
        QWidget* driveInfo = window->targetController();
        window->changeViewController(0);
        window->changeViewController(ORXSettingController::kDriveInfoTab);
        QCOMPARE(window->targetController(), driveInfo);

        // AUX: a share under 20 percent stores nothing; a bad Wi-Fi password keeps the page.
        window->changeViewController(3);
        auto* aux = qobject_cast<ORXSettingPage*>(window->targetController());
        auto* warning = aux->findChild<QLabel*>("sdcardCapacityWarningLabel");
        auto* slider = aux->findChild<QSlider*>("memeryRatioSlider");
        QVERIFY(warning->isHidden());
        slider->setValue(9);
        QVERIFY(!warning->isHidden());
        QVERIFY(!aux->populate());
        QCOMPARE(window->filedata()->sd_mem_always_ratio, 70u);
        slider->setValue(8);
        auto* password = aux->findChild<QLineEdit*>("passwordLabel");
        QCOMPARE(password->accessibleName(), ORXLocalizedString("setting.aux.wifi_settings") + ": " +
                                                 ORXLocalizedString("setting.aux.password"));
        password->setText("pass word");
        window->changeViewController(5);
        QCOMPARE(window->targetController(), aux);
        QCOMPARE(window->filedata()->sd_mem_always_ratio, 80u);
        QTRY_VERIFY(alert(window.get()) && alert(window.get())->text() == "Warning");
        alert(window.get())->button(QMessageBox::Ok)->click();
        QTRY_COMPARE(window->focusWidget(), password);

        // The audio page: Malaysia is stored when chosen, a language cell turns it off.
        password->setText("12345678");
        window->changeViewController(5);
        auto* audio = qobject_cast<ORXSettingPage*>(window->targetController());
        auto* malaysia = audio->findChild<QRadioButton*>("malaysiaRadio");
        malaysia->click();
        QCOMPARE(window->filedata()->Brightness1, 20u);
        matrixButtons(audio->control("voiceLangRadio")).at(1)->click();
        QVERIFY(!malaysia->isChecked());
    }

    // The rear camera bits are kept in the user's settings for the next reset.
    void basicPageExtras()
    {
        _FILEDATA r = cardRecord();
        ORXSettingForBasicViewController page;
        page.setFileData(&r);
        auto* plate = page.findChild<QLineEdit*>("carNumberField");
        plate->setText("ab-12 CD 345");
        emit plate->editingFinished();
        QCOMPARE(plate->text(), QString("ab12CD34"));
        auto* voltage = page.findChild<QComboBox*>("powerVoltageCombo");
        voltage->setCurrentIndex(2);
        emit voltage->activated(2);
        QTRY_VERIFY(alert(&page));
        QCOMPARE(alert(&page)->text(), QString("Warning"));
        QCOMPARE(voltage->currentIndex(), 2);
        page.findChild<QCheckBox*>("externalRearCameraUse")->click();
        QCOMPARE(r.external_rear_camera, 1u); // stored at once
        QVERIFY(page.populate());
        QCOMPARE(ORXUserDefaults::externalRearCamera(), 1);
    }

    // The window closes after the message, not before; Initialize keeps the kept fields.
    void saveToCard()
    {
        FakeUDisksBus bus;
        QVERIFY(bus.start({FakeUDisksBus::drive("r", "usb", false, true)},
                          {bus.volume("sdb1", "r", "ORVEX", 8e9)}));
        const QString path = bus.backing("sdb1") + "/config.bin";
        QVERIFY(writeConfigFile(cardRecord(), path).isNull());
        auto window = openWindow();
        QVERIFY(window);
        window->filedata()->Brightness1 = 7;
        window->findChild<QPushButton*>("resetButton")->click();
        QCOMPARE(window->filedata()->time_gmt, 22);
        QCOMPARE(window->filedata()->Brightness1, 7u);
        QCOMPARE(segment(window.get(), "videoEncodingBitrate")->selectedSegment(), 1);
        segment(window.get(), "videoEncodingBitrate")->segmentButton(0)->click();
        QSignalSpy saved(window.get(), &ORXSettingController::saveFinished);
        window->findChild<QPushButton*>("saveButton")->click();
        QVERIFY(!window->close()); // not while the file is being written
        QVERIFY(saved.wait(10000));
        QCOMPARE(saved.at(0).at(0).toBool(), true);
        _FILEDATA written;
        QVERIFY(readConfigFile(path, &written));
        QCOMPARE(written.vid_enc_bitrate, 0u);
        QCOMPARE(written.osd_plate_flag, 1);
        QCOMPARE(written.checksum, configChecksum(written));
        QTRY_VERIFY(alert(window.get()));
        QCOMPARE(alert(window.get())->informativeText(), ORXLocalizedString("msg.saved"));
        alert(window.get())->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(!window->isVisible());
    }

    // A card copy on a read-only or full file system: the old file and the user's edits kept.
    void saveFails_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("read-only") << false;
        QTest::newRow("full") << true;
    }
    void saveFails()
    {
        QFETCH(bool, full);
        TmpfsMount card(QStringLiteral("size=64k"));
        if (!card.isMounted())
            QSKIP("needs root to mount a small tmpfs");
        FakeUDisksBus bus;
        QVERIFY(bus.start({}, {}));
        QVERIFY(writeConfigFile(cardRecord(), card.filePath("config.bin")).isNull());
        const QByteArray old = readFile(card.filePath("config.bin"));
        if (full) {
            QFile filler(card.filePath("filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(4096, 'f')) == 4096) {
            }
        } else {
            QVERIFY(card.remount("ro"));
        }
        auto window = openWindow({card.path(), QString()});
        QVERIFY(window);
        segment(window.get(), "videoEncodingBitrate")->segmentButton(0)->click();
        QSignalSpy saved(window.get(), &ORXSettingController::saveFinished);
        window->onSave();
        QVERIFY(saved.wait(10000));
        const QString text = ORXLocalizedString(full ? "msg.disk_full" : "msg.write_protected_disk");
        QCOMPARE(saved.at(0), QVariantList({false, text}));
        QTRY_VERIFY(alert(window.get()));
        QCOMPARE(alert(window.get())->text(), QString("Warn"));
        alert(window.get())->button(QMessageBox::Ok)->click();
        QVERIFY(window->isVisible());
        QCOMPARE(window->filedata()->vid_enc_bitrate, 0u);
        QCOMPARE(readFile(card.filePath("config.bin")), old);
    }

    // A record off the common path (no selection, Malaysia, alternate motion blocks).
    void everyTabShows()
    {
        FakeUDisksBus bus;
        QVERIFY(bus.start({}, {}));
        ORXTheme::apply(qApp); // the program's own look for the pictures
        auto window = openWindow();
        QVERIFY(window);
        window->resize(900, 720);
        *window->filedata() = recordWith({"motionBlock=2730", "motion720pCValue=9", "pip_position=2",
                                          "wifi_channel=40", "Brightness1=20", "time_gmt=-1"});
        const QString dir =
            qEnvironmentVariable("ORVEX_SCREENSHOT_DIR", QDir::tempPath() + "/orvex-settings");
        QDir().mkpath(dir);
        for (int tab = 0; tab < ORXSettingController::kTabCount; ++tab) {
            window->changeViewController(tab);
            QCOMPARE(window->lastSelectedTabIndex(), tab);
            QWidget* page = window->targetController();
            QVERIFY(page);
            QVERIFY(window->grab().save(QStringLiteral("%1/settings-tab%2.png").arg(dir).arg(tab)));
            if (const auto* settings = qobject_cast<ORXSettingPage*>(page)) {
                const ORXPageState shown = settings->model()->display(*window->filedata());
                for (const QString& outlet : shown.outlets())
                    QVERIFY2(settings->control(outlet), qPrintable(outlet));
                QCOMPARE(settings->currentState().toJson(), shown.toJson());
            }
            // Screen readers and AT-SPI automation find every control by its label.
            for (QWidget* control : page->findChildren<QWidget*>()) {
                const bool shown = control->isVisibleTo(page);
                if (shown &&
                    (qobject_cast<ORXSegmentedControl*>(control) || qobject_cast<QComboBox*>(control) ||
                     qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control)))
                    QVERIFY2(
                        !QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                        qPrintable(QStringLiteral("tab %1: %2 %3")
                                       .arg(tab)
                                       .arg(control->metaObject()->className(), control->objectName())));
                // Titles are shown translated, never as their keys ("Korean" is its own text).
                const auto* box = qobject_cast<QGroupBox*>(control);
                const QString title = box ? box->title() : control->property("text").toString();
                const QString translated = ORXLocalizedString(title);
                QVERIFY2(translated.isEmpty() || translated == title, qPrintable(title));
            }
            // Every control of the page fits the width of the window.
            const auto* view = window->findChild<QScrollArea*>("targetView");
            QVERIFY2(page->minimumSizeHint().width() <= view->viewport()->width(),
                     qPrintable(QString::number(tab)));
        }
        // The rear frame rates follow the mains frequency of the record shown (50 Hz: 25 fps).
        for (const auto& [gamma, first] : {std::pair(0, "30fps"), std::pair(1, "25fps")}) {
            window->filedata()->Gamma = gamma;
            window->changeViewController(1);
            window->changeViewController(0);
            QCOMPARE(segment(window.get(), "rearfpsSeg")->label(0), ORXLocalizedString(first));
        }
    }
};

ORVEX_TEST(ORXSettingControllerTest)
#include "tst_ORXSettingController.moc"
