#include "OrvexTest.h"

#include "ORXTheme.h"

#include "DriveLogBytes.h"
#include "ORXConfigRecord.h"
#include "ORXDriveLogHost.h"
#include "ORXDriveLogTable.h"
#include "ORXLocalizedString.h"
#include "ORXMapPage.h"
#include "ORXMapWindowController.h"
#include "ORXSettingForFlashDataViewController.h"
#include "ORXSettingForObdDriveInfoViewController.h"
#include "ORXSimCardFiles.h"
#include "PageScript.h"

#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const bool kPrepared = (ORXMapPage::prepareProcess(), true);

// The settings window as far as a viewer sees it: a window with a loading panel.
class HostStandIn : public QWidget, public ORXDriveLogHost
{
public:
    int shown = 0;
    int hidden = 0;
    void showLoading(const QString&) override { ++shown; }
    void hideLoading() override { ++hidden; }
    QWidget* hostWindow() const override { return const_cast<HostStandIn*>(this); }
};

struct Hosted
{
    HostStandIn host;
    ORXDriveLogViewController* viewer;
    _FILEDATA record{};
    explicit Hosted(ORXDriveLogKind kind, const QString& path = {})
    {
        viewer = kind == ORXDriveLogKind::Obd
                     ? static_cast<ORXDriveLogViewController*>(new ORXSettingForObdDriveInfoViewController)
                     : new ORXSettingForFlashDataViewController;
        (new QVBoxLayout(&host))->addWidget(viewer);
        host.setGeometry(100, 80, 1000, 500);
        viewer->setFlashDataFilePath(path);
        host.show();
    }
    // As the settings window does it: the record first, then the host.
    bool display()
    {
        QSignalSpy read(viewer, &ORXDriveLogViewController::readFinished);
        viewer->setFileData(&record);
        viewer->setMainController(&host);
        return read.wait(10000);
    }
    QStringList alerts() const
    {
        QStringList texts;
        for (QMessageBox* box : host.findChildren<QMessageBox*>())
            texts << box->text() + QLatin1Char('|') + box->informativeText();
        return texts;
    }
};

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

QString sampleCard(const QTemporaryDir& dir)
{
    QString error;
    if (!ORXSimWriteCardFiles(dir.filePath(QStringLiteral("card")), ORXSimRoute(), &error))
        qWarning("%s", qPrintable(error));
    return dir.filePath(QStringLiteral("card/"));
}
} // namespace

class DriveLogViewerTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(kPrepared);
        ORXTheme::apply(qApp); // the program's own look
    }

    void firstDisplay_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("log");
        QTest::addColumn<int>("rows");
        QTest::newRow("flash log of the card")
            << int(ORXDriveLogKind::Flash) << kORXSimFlashLogPath << kORXSimLogRecords;
        QTest::newRow("obd log") << int(ORXDriveLogKind::Obd) << kORXSimObdLogPath << kORXSimLogRecords;
        QTest::newRow("no log: warned once") << int(ORXDriveLogKind::Flash) << "" << 0;
    }
    void firstDisplay()
    {
        QFETCH(int, kind);
        QFETCH(QString, log);
        QFETCH(int, rows);
        const QString card = sampleCard(m_dir);
        Hosted t(ORXDriveLogKind(kind), log.isEmpty() ? QString() : card + log);
        const bool read = t.display();
        QCOMPARE(read, rows > 0);
        QCOMPARE(t.viewer->tableView()->model()->rowCount(), rows);
        QCOMPARE(t.viewer->tableView()->model()->columnCount(), kind == int(ORXDriveLogKind::Obd) ? 26 : 15);
        QCOMPARE(t.host.shown, rows > 0 ? 1 : 0);
        QCOMPARE(t.host.hidden, t.host.shown);
        QTRY_COMPARE(t.alerts().size(), rows > 0 ? 0 : 1);
        if (rows == 0) {
            QCOMPARE(t.alerts().first(), "Alarm|" + ORXLocalizedString("setting.flashdata.warning"));
            QVERIFY(!t.viewer->doWriteCSVFile(m_dir.filePath("empty.csv"))); // nothing to export
        }
        // Shown again: neither read nor warned again.
        t.viewer->setFileData(&t.record);
        QTest::qWait(50);
        QCOMPARE(t.host.shown, rows > 0 ? 1 : 0);
        QCOMPARE(t.alerts().size(), rows > 0 ? 0 : 1);
    }

    void failedReadKeepsTheRows_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("message");
        const QByteArray record = flashBytes([](auto& r) { r.seq = 9; });
        QTest::newRow("count too large") << driveLogBytes(0xFFFFFFFF, {record}) << 300
                                         << ORXLocalizedString("msg.log_count_too_large").arg(0xFFFFFFFFu);
        QTest::newRow("short file shows what it holds")
            << driveLogBytes(3, {record}) << 1 << ORXLocalizedString("msg.log_short").arg(3).arg(1);
    }
    void failedReadKeepsTheRows()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rows);
        QFETCH(QString, message);
        Hosted t(ORXDriveLogKind::Flash, sampleCard(m_dir) + kORXSimFlashLogPath);
        QVERIFY(t.display());
        QSignalSpy read(t.viewer, &ORXDriveLogViewController::readFinished);
        QVERIFY(t.viewer->loadFlashDataFile(writeFile(m_dir, QStringLiteral("bad.drv"), bytes)));
        QVERIFY(read.wait(10000));
        QCOMPARE(t.viewer->tableView()->model()->rowCount(), rows);
        QCOMPARE(t.host.hidden, 2);
        QTRY_COMPARE(t.alerts().size(), 1);
        QVERIFY2(t.alerts().first().endsWith(message), qPrintable(t.alerts().first()));
    }

    void draggedColumnsAndTheCSV()
    {
        Hosted t(ORXDriveLogKind::Obd, sampleCard(m_dir) + kORXSimObdLogPath);
        QVERIFY(t.display());
        QTableView* view = t.viewer->tableView();
        QHeaderView* header = view->horizontalHeader();
        header->moveSection(0, 25);
        header->moveSection(header->visualIndex(5), 0);
        QCOMPARE(header->logicalIndex(0), 5);
        QCOMPARE(view->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Latitude"));
        // Over a longer file: nothing of it stays; the name gets its suffix.
        const QString csv = writeFile(m_dir, QStringLiteral("orvex_obd.csv"), QByteArray(4 << 20, 'x'));
        const QString chosen = ORXDriveLogViewController::withSuffix(m_dir.filePath("orvex_obd"), "csv");
        QCOMPARE(chosen, csv);
        QSignalSpy written(t.viewer, &ORXDriveLogViewController::writeFinished);
        QVERIFY(t.viewer->doWriteCSVFile(chosen));
        QVERIFY(written.wait(10000));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QCOMPARE(text, ORXDriveLogTable(
                           ORXDriveLog::read(sampleCard(m_dir) + kORXSimObdLogPath, ORXDriveLogKind::Obd))
                           .csvText());
        QVERIFY(text.startsWith(ORXLocalizedString("setting.obdata.index").toUtf8() + ','));
        QCOMPARE(t.alerts().size(), 0);
        QTRY_COMPARE(t.alerts().size(), 1); // "msg.saved" half a second later
        QCOMPARE(t.alerts().first(), "ORVEX|" + ORXLocalizedString("msg.saved"));
    }

    void doubleClickShowsTheMap()
    {
        // Row 0 at 3735.1234 N 12701.5678 E; row 1 with no latitude.
        const QByteArray bytes = driveLogBytes(2, {flashBytes([](auto& r) {
                                                       r.lat_int = 3735;
                                                       r.lat_frac = 1234;
                                                       r.lon_int = 12701;
                                                       r.lon_frac = 5678;
                                                   }),
                                                   flashBytes([](auto& r) { r.lon_int = 12702; })});
        Hosted t(ORXDriveLogKind::Flash, writeFile(m_dir, QStringLiteral("map.drv"), bytes));
        QVERIFY(t.display());
        QVERIFY(QTest::qWaitForWindowExposed(&t.host));
        QTableView* view = t.viewer->tableView();
        const QRect cell = view->visualRect(view->model()->index(0, 3));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        ORXMapWindowController* map = t.viewer->mapWindowController();
        QVERIFY(map);
        QVERIFY(map->isVisible());
        QCOMPARE(map->pos().x(), t.host.frameGeometry().right() + 1);
        QCOMPARE(map->pos().y(), t.host.frameGeometry().top());
        QSignalSpy loaded(map->mapPage(), &ORXMapPage::mapLoaded);
        QVERIFY(map->mapPage()->isMapLoaded() || loaded.wait(30000));
        const auto marker = [map] { return evaluate(map->mapPage(), "ORXMarkerPosition()").toList(); };
        QTRY_COMPARE(qRound(marker().value(0).toDouble() * 1e5), 3758539);
        QCOMPARE(qRound(marker().value(1).toDouble() * 1e5), 12702613);
        // A row with a zero coordinate shows the window and leaves the marker.
        t.viewer->doubleClickTableRow(1);
        QTest::qWait(200);
        QCOMPARE(qRound(marker().value(0).toDouble() * 1e5), 3758539);
        t.viewer->onHide();
        QVERIFY(!t.viewer->mapWindowController());
    }
};

ORVEX_TEST(DriveLogViewerTest)
#include "tst_DriveLogViewer.moc"
