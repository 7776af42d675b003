// "Export clip...": the span taken, the cut behind its dialog, the marks on the slider.
#include "OrvexTest.h"

#include "ORXClipExport.h"
#include "ORXClipMarks.h"
#include "ORXLocalizedString.h"
#include "ORXSliderStyle.h"
#include "ORXTheme.h"
#include "TinyRecording.h"

#include <QApplication>
#include <QImage>
#include <QSlider>

class ClipExportTest : public QObject
{
    Q_OBJECT

private slots:
    void span_data()
    {
        QTest::addColumn<double>("in");
        QTest::addColumn<double>("out");
        QTest::addColumn<double>("position");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::newRow("near the start") << -1.0 << -1.0 << 3.0 << 0.0 << 13.0;
        QTest::newRow("near the end") << -1.0 << -1.0 << 55.0 << 45.0 << 60.0;
        QTest::newRow("in point only") << 12.0 << -1.0 << 30.0 << 12.0 << 40.0;
        QTest::newRow("in point after the position") << 50.0 << -1.0 << 30.0 << 50.0 << 60.0;
        QTest::newRow("out point only") << -1.0 << 50.0 << 30.0 << 20.0 << 50.0;
        QTest::newRow("out point just before the position") << -1.0 << 15.0 << 25.0 << 5.0 << 15.0;
        QTest::newRow("out before in") << 40.0 << 20.0 << 30.0 << 20.0 << 40.0;
        QTest::newRow("out at the start, before in") << 20.0 << 0.0 << 30.0 << 0.0 << 20.0;
    }

    void span()
    {
        QFETCH(double, in);
        QFETCH(double, out);
        QFETCH(double, position);
        QFETCH(double, from);
        QFETCH(double, to);
        QCOMPARE(ORXClipExport::span(in, out, position, 60.0), std::make_pair(from, to));
    }

    // The pair cut into the chosen folder off the GUI thread; the user is told where.
    void exportPair()
    {
        QTemporaryDir dir;
        ORXSimRecordingOptions o = tinyRecording(dir.filePath("alwa_20230105_134501_F.avi"), 4);
        QVERIFY(ORXSimWriteRecording(o, nullptr, nullptr));
        o.path = dir.filePath("alwa_20230105_134501_R.avi");
        o.front = false;
        QVERIFY(ORXSimWriteRecording(o, nullptr, nullptr));
        QDir(dir.path()).mkdir("out");

        QWidget window;
        QSlider slider(Qt::Horizontal, &window);
        ORXClipExport clip(&window, {&slider});
        QStringList starts, alerts;
        clip.setFolderChooser([&](QWidget*, const QString& start) {
            starts << start;
            return dir.filePath("out");
        });
        clip.setAlert([&](QWidget*, const QString& text) { alerts << text; });
        clip.setInPoint(1.0, 4.0);
        QVERIFY(clip.exportClip(dir.filePath("alwa_20230105_134501_F.avi"),
                                dir.filePath("alwa_20230105_134501_R.avi"), 2.0, 4.0));
        QVERIFY(clip.isRunning());
        clip.waitForFinished();
        QVERIFY(!clip.isRunning());
        const QString folder = dir.filePath("out/alwa_20230105_134502");
        QCOMPARE(starts, QStringList{QFileInfo(dir.path()).absoluteFilePath()});
        QCOMPARE(alerts, QStringList{ORXLocalizedString("clip.done").arg(folder)});
        QCOMPARE(QDir(folder).entryList(QDir::Files),
                 (QStringList{"alwa_20230105_134502_F.avi", "alwa_20230105_134502_R.avi"}));
    }

    // Ticks where the handle stands at the in and the out point, nowhere else.
    void marks()
    {
        QWidget window;
        window.setStyleSheet(qApp->styleSheet());
        window.resize(420, 30);
        QSlider slider(Qt::Horizontal, &window);
        slider.setStyle(new ORXSliderStyle(QApplication::style()->name()));
        slider.setGeometry(10, 5, 400, 20);
        ORXClipExport clip(&window, {&slider});
        clip.setInPoint(15.0, 60.0);
        clip.setOutPoint(45.0, 60.0);
        window.show();
        const QImage image = window.grab().toImage();
        // The ticks' dark edges, in two groups of columns.
        QList<int> ticks;
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, 15 - 6)) < 60 && (ticks.isEmpty() || x > ticks.last() + 4))
                ticks << x;
        }
        QCOMPARE(ticks.size(), 2);
        QVERIFY2(std::abs(ticks.first() + 2 - (10 + 6 + 388 / 4)) <= 3,
                 qPrintable(QString::number(ticks.first())));
        QVERIFY2(std::abs(ticks.last() + 2 - (10 + 6 + 388 * 3 / 4)) <= 3,
                 qPrintable(QString::number(ticks.last())));
    }
};

ORVEX_TEST(ClipExportTest)
#include "tst_clip_export.moc"
