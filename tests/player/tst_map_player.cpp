// The player window with a recording playing: readouts, trace and the map page follow the
// play position, and the page gets the recording's route.
#include "OrvexTest.h"

#include "CustomWindow.h"
#include "GraphView.h"
#include "ORXAppDelegate.h"
#include "ORXMapPage.h"
#include "ORXPlaybackController.h"
#include "ORXSimRecording.h"
#include "ORXTheme.h"
#include "PageScript.h"

#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

class MapPlayerTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_dir.filePath(QStringLiteral("settings")));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           m_dir.filePath(QStringLiteral("settings")));
    }

    void playingRecordingMovesTheMap()
    {
        const QString folder = m_dir.filePath(QStringLiteral("card"));
        ORXSimRecordingOptions options;
        options.path = folder + QStringLiteral("/alwa_20230105_134501_F.avi");
        options.durationSeconds = 8;
        options.width = 320;
        options.height = 180;
        options.audio = false;
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(ORXSimWriteRecording(options, nullptr, nullptr));

        ORXAppDelegate delegate;
        delegate.window()->show();
        delegate.applicationDidFinishLaunching();
        QSignalSpy reloaded(&delegate, &ORXAppDelegate::mediaListReloaded);
        delegate.openDirectory(folder);
        QVERIFY(reloaded.wait(10000));
        delegate.clickMapViewButton(); // a reload shows the list again
        QCOMPARE(delegate.rightViewMode(), 1);
        QVERIFY(delegate.playback()->playAtIndex(0));

        auto* speed = delegate.window()->findChild<QLabel*>(QStringLiteral("speedField"));
        auto* x = delegate.window()->findChild<QLabel*>(QStringLiteral("gsensorXField"));
        QTRY_VERIFY_WITH_TIMEOUT(speed->text().endsWith(QLatin1String("Km/h")), 30000);
        QVERIFY(x->text().startsWith(QLatin1String("X=")));
        auto* graph = delegate.window()->findChild<GraphView*>(QStringLiteral("graphView"));
        QCOMPARE(graph->values().size(), 80);

        ORXMapPage* page = delegate.mapPage();
        QTRY_VERIFY_WITH_TIMEOUT(page->isMapLoaded(), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(page, QStringLiteral("ORXRoutePointCount()")).toInt() > 5, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(page, QStringLiteral("ORXMarkerPosition()")).toList().size() == 2,
                                 10000);
        const QVariantList place = evaluate(page, QStringLiteral("ORXMarkerPosition()")).toList();
        QVERIFY(place.at(0).toDouble() > 0 && place.at(1).toDouble() > 0); // the sample drive is north-east

        // ORVEX_SCREENSHOT=file keeps a picture of the window, for people to look at.
        if (const QString shot = qEnvironmentVariable("ORVEX_SCREENSHOT"); !shot.isEmpty()) {
            ORXTheme::apply(qApp);
            QTest::qWait(1500);
            QVERIFY(delegate.window()->grab().save(shot));
        }
        delegate.playback()->stopPlay();
    }
};

ORVEX_TEST(MapPlayerTest)
#include "tst_map_player.moc"
