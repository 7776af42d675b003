#include "OrvexTest.h"

#include "CustomWindow.h"
#include "GraphView.h"
#include "ORXAppDelegate.h"
#include "ORXMapPage.h"
#include "ORXMediaList.h"
#include "ORXMediaListTableModel.h"
#include "ORXPlayInfo.h"
#include "ORXPlaybackEngine.h"
#include "ORXPlaybackController.h"
#include "ORXPlayerDefaults.h"
#include "ORXScreen.h"
#include "ORXSimRecording.h"
#include "PMProgressIndicator.h"
#include "PageScript.h"
#include "TKImageButton.h"
#include "VLCVideoView.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSlider>

#include <QImage>

namespace {
void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// A widget of the window by its outlet name.
template <typename T> T* child(ORXAppDelegate& delegate, const char* name)
{
    return delegate.window()->findChild<T*>(QLatin1String(name));
}

bool waitForReload(ORXAppDelegate& delegate, const QString& folder)
{
    QSignalSpy reloaded(&delegate, &ORXAppDelegate::mediaListReloaded);
    delegate.openDirectory(folder);
    return reloaded.wait(10000);
}
} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settingsDir;

private slots:
    void initTestCase()
    {
        // The window's settings (languages, last folder) stay away from the user's own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    }

    // One launch: layout, full screen, loading indicator, map column, a 2-minute pair with the map.
    void launchedWindowThenAPairPlaying()
    {
        QTemporaryDir dir;
        for (bool front : {true, false}) {
            ORXSimRecordingOptions options;
            options.path = dir.filePath(front ? QStringLiteral("alwa_20230105_134501_F.avi")
                                              : QStringLiteral("alwa_20230105_134501_R.avi"));
            options.durationSeconds = 121;
            options.width = 320;
            options.height = 180;
            options.fps = 10;
            options.front = front;
            QVERIFY(ORXSimWriteRecording(options, nullptr, nullptr));
        }
        QSettings(ORXPlayerDefaults::settings())
            .setValue(QLatin1String(ORXPlayerDefaults::kAppleLanguages), QStringList{"de", "fr"});
        ORXAppDelegate delegate;
        delegate.window()->show();
        delegate.applicationDidFinishLaunching();
        QVERIFY(QTest::qWaitForWindowExposed(delegate.window()));
        QCOMPARE(ORXPlayerDefaults::settings()
                     .value(QLatin1String(ORXPlayerDefaults::kAppleLanguages))
                     .toStringList(),
                 QStringList{"en"});
        QCOMPARE(delegate.playback()->mediaIndex(), -1);
        QVERIFY(!delegate.playInfo()->isPlaying());
        QCOMPARE(delegate.window()->size(), ORXAppDelegate::minWindowSize());
        const struct
        {
            const char* name;
            int width, height;
        } boxes[] = {{"headBox", -1, 50},         {"bodyRightBox", 334, -1},  {"gsensorBox", -1, 130},
                     {"mediaControlBox", -1, 72}, {"sideButtonBox", 334, 32}, {"subVideoBox", 334, 250}};
        for (const auto& box : boxes) {
            auto* widget = child<QWidget>(delegate, box.name);
            QVERIFY2(widget && widget->isVisible(), box.name);
            QVERIFY2(box.width < 0 || widget->width() == box.width, box.name);
            QVERIFY2(box.height < 0 || widget->height() == box.height, box.name);
        }
        const QRect left = child<QWidget>(delegate, "bodyLeftBox")->geometry();
        const QRect right = child<QWidget>(delegate, "bodyRightBox")->geometry();
        QCOMPARE(left.left(), 10);
        QCOMPARE(right.left() - left.right() - 1, 10);
        QCOMPARE(child<QWidget>(delegate, "bodyBox")->width() - right.right() - 1, 10);
        QCOMPARE(child<QWidget>(delegate, "bodyBox")->height() - left.bottom() - 1, 8);

        QVERIFY(!child<QWidget>(delegate, "progressIndicator")->isVisible());
        QCOMPARE(child<QLabel>(delegate, "timeLabel")->text(), QStringLiteral("00:00 / 00:00"));
        const QStringList enabled = {"openFolderButton", "fullScreenButton", "closeButton", "volumeSlider"};
        for (const QString& name :
             enabled + QStringList{"playButton", "jumpBackwardButton", "jumpForwardButton", "speedTextButton",
                                   "sizeTextButton", "sizeDownButton", "swapButton", "snapshotButton",
                                   "printButton", "videoPositionSlider"}) {
            auto* widget = delegate.window()->findChild<QWidget*>(name);
            QVERIFY2(widget && widget->isEnabled() == enabled.contains(name), qPrintable(name));
            QVERIFY2(!widget->accessibleName().isEmpty() && !widget->toolTip().isEmpty(), qPrintable(name));
            QVERIFY2(!widget->accessibleName().contains(QLatin1Char('(')), qPrintable(name));
        }
        for (const char* drawn : {"sizeDownButton", "swapButton"}) // glyphs drawn by the program
            QVERIFY2(!child<QAbstractButton>(delegate, drawn)->icon().isNull(), drawn);
        // The tab pictures are named and drawn at the size the layout gave the tabs, not stretched.
        for (const char* tab : {"recordButtonImageView", "informationButtonImageView"}) {
            auto* label = child<QLabel>(delegate, tab);
            QVERIFY2(!label->accessibleName().isEmpty(), tab);
            const QSize picture = label->pixmap().deviceIndependentSize().toSize();
            QVERIFY(picture.width() == label->width() || picture.height() == label->height());
            QVERIFY(picture.width() <= label->width() && picture.height() <= label->height());
        }
        // A click on the volume slider's track puts the handle there, and that is the volume.
        QCOMPARE(delegate.playback()->volume(), 70);
        auto* volume = child<QSlider>(delegate, "volumeSlider");
        QTest::mouseClick(volume, Qt::LeftButton, {}, QPoint(volume->width() * 3 / 4, volume->height() / 2));
        QVERIFY2(qAbs(double(volume->value()) / volume->maximum() - 0.75) < 0.1,
                 qPrintable(QString::number(volume->value())));
        QCOMPARE(delegate.playback()->volume(), volume->value());

        // Full screen shows only the video and its bar.
        const QRect launched = delegate.window()->frame();
        QSignalSpy changes(delegate.window(), &CustomWindow::isFullScreenChanged);

        delegate.toggleFullScreen();
        QCOMPARE(changes.count(), 1);
        QVERIFY(delegate.isFullScreen());
        QTRY_COMPARE(delegate.window()->frame().size(), delegate.screenFrame().size());
        for (const char* hidden : {"headBox", "bodyRightBox", "gsensorBox", "mediaControlBox"})
            QVERIFY2(!delegate.window()->findChild<QWidget*>(QLatin1String(hidden))->isVisible(), hidden);
        QTRY_COMPARE(child<QWidget>(delegate, "mediaControlBoxForFullScreen")->height(), 36);
        QVERIFY(child<QWidget>(delegate, "mediaControlBoxForFullScreen")->isVisible());

        QTest::keyClick(delegate.window(), Qt::Key_Escape);
        QVERIFY(!delegate.isFullScreen());
        QTRY_COMPARE(delegate.window()->frame(), launched);
        QVERIFY(child<QWidget>(delegate, "headBox")->isVisible());
        QVERIFY(!child<QWidget>(delegate, "mediaControlBoxForFullScreen")->isVisible());

        QTest::keyClick(delegate.window(), Qt::Key_Escape);
        QCOMPARE(changes.count(), 2);
        QVERIFY(!delegate.isFullScreen());

        // The loading indicator stops when told, or after its time.
        PMProgressIndicator* indicator = child<PMProgressIndicator>(delegate, "progressIndicator");

        delegate.showLoading(QStringLiteral("Loading..."));
        QVERIFY(indicator->isVisible());
        QVERIFY(!delegate.isLoadingStopped());
        const int centre = indicator->geometry().center().x();
        QVERIFY(qAbs(centre - child<QWidget>(delegate, "headBox")->width() / 2) <= 1);
        QTest::qWait(700);
        QVERIFY(indicator->isVisible());
        delegate.hideLoading();
        QVERIFY(delegate.isLoadingStopped());
        QTRY_VERIFY_WITH_TIMEOUT(!indicator->isVisible(), 400);

        // Never told: each tick adds 100 / (s / 0.3); a 0.9-second run ends on its third tick.
        delegate.showLoading(QStringLiteral("Loading..."));
        delegate.updateLoadingWindow(0.9);
        QCOMPARE(delegate.loadingProgress(), 100.0 / 3);
        QVERIFY(indicator->isVisible());
        delegate.updateLoadingWindow(0.9);
        delegate.updateLoadingWindow(0.9);
        QVERIFY(!indicator->isVisible());
        QVERIFY(delegate.isLoadingStopped());

        // The map replaces the list in the right column until a folder is opened.
        delegate.clickMapViewButton();
        QCOMPARE(delegate.rightViewMode(), 1);
        QVERIFY(child<QWidget>(delegate, "mapContainerView")->isVisible());
        QVERIFY(!child<QWidget>(delegate, "mediaListScrollView")->isVisible());
        QTRY_COMPARE(child<QWidget>(delegate, "mapContainerBottomView")->height(), 57);
        QSignalSpy modes(&delegate, &ORXAppDelegate::rightViewModeChanged);
        delegate.clickMapViewButton(); // already there: nothing changes
        QCOMPARE(modes.count(), 0);
        QVERIFY(waitForReload(delegate, dir.path()));
        QCOMPARE(delegate.rightViewMode(), 0);
        QVERIFY(child<QWidget>(delegate, "mediaListScrollView")->isVisible());
        QVERIFY(!child<QWidget>(delegate, "mapContainerView")->isVisible());
        QCOMPARE(delegate.tableModel()->rowCount(), 2);
        QCOMPARE(
            ORXPlayerDefaults::settings().value(QLatin1String(ORXPlayerDefaults::kLastFolder)).toString(),
            QFileInfo(dir.path()).absoluteFilePath());
        delegate.clickMapViewButton();

        QVERIFY(delegate.playback()->playAtIndex(0));
        QTRY_VERIFY_WITH_TIMEOUT(delegate.video1View()->isVisible() && delegate.video2View()->isVisible(),
                                 10000);
        QTRY_VERIFY_WITH_TIMEOUT(
            delegate.video1View()->frameCount() > 3 && delegate.video2View()->frameCount() > 3, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(delegate.isLoadingStopped(), 5000);
        QCOMPARE(child<TKImageButton>(delegate, "playButton")->imageName(), QStringLiteral("icon_pause_n"));
        QCOMPARE(delegate.selectedRow(), 0);
        QVERIFY(child<QAbstractButton>(delegate, "audioToggleButton")->isVisible());

        // The window's picture shows the video, not the empty background.
        const QImage shot = delegate.window()->grab().toImage();
        const QPoint middle =
            delegate.video1View()->mapTo(delegate.window(), delegate.video1View()->rect().center());
        QVERIFY2(shot.pixelColor(middle * shot.devicePixelRatio()) != QColor(Qt::black),
                 "the large view shows no picture");

        QTRY_VERIFY_WITH_TIMEOUT(
            child<QLabel>(delegate, "speedField")->text().endsWith(QLatin1String("Km/h")), 30000);
        QVERIFY(child<QLabel>(delegate, "gsensorXField")->text().startsWith(QLatin1String("X=")));
        QCOMPARE(child<GraphView>(delegate, "graphView")->values().size(), 1210); // 10 a second
        ORXMapPage* page = delegate.mapPage();
        QTRY_VERIFY_WITH_TIMEOUT(page->isMapLoaded(), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(page, QStringLiteral("ORXRoutePointCount()")).toInt() > 5, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(page, QStringLiteral("ORXMarkerPosition()")).toList().size() == 2,
                                 10000);
        const QVariantList place = evaluate(page, QStringLiteral("ORXMarkerPosition()")).toList();
        QVERIFY(place.at(0).toDouble() > 0 && place.at(1).toDouble() > 0); // the sample drive is north-east

        // A quick drag plays on from where it is let go, though the seek to the press is under way.
        QVERIFY2(child<QLabel>(delegate, "timeLabel")->text().endsWith(" / 02:01"),
                 qPrintable(child<QLabel>(delegate, "timeLabel")->text()));
        auto* position = child<QSlider>(delegate, "videoPositionSlider");
        const int y = position->height() / 2;
        QTest::mousePress(position, Qt::LeftButton, {}, QPoint(position->width() * 3 / 10, y));
        QTest::mouseMove(position, QPoint(position->width() * 6 / 10, y));
        QTest::mouseRelease(position, Qt::LeftButton, {}, QPoint(position->width() * 6 / 10, y));
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(delegate.playback()->player1()->time().intValue() - 72600) < 3000, 10000);
        QVERIFY(child<QLabel>(delegate, "timeLabel")->text().startsWith("01:1"));
        delegate.toggleFullScreen(); // while playing, the size-down button leaves full screen
        child<QAbstractButton>(delegate, "sizeDownButton")->click();
        QVERIFY(!delegate.isFullScreen());
        QTest::mouseClick(child<QAbstractButton>(delegate, "swapButton"), Qt::LeftButton);
        QVERIFY(delegate.playback()->swapping());
        delegate.playback()->stopPlay();
    }

    void resizedFrameStaysWithinBounds_data()
    {
        QTest::addColumn<int>("edges");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("expected");
        const int right = Qt::RightEdge, bottomRight = Qt::RightEdge | Qt::BottomEdge;
        QTest::newRow("wider") << right << QPoint(100, 0) << QRect(100, 100, 1120, 640);
        QTest::newRow("not below the minimum") << right << QPoint(-500, 0) << QRect(100, 100, 1020, 640);
        QTest::newRow("corner, cut at the area")
            << bottomRight << QPoint(2000, 2000) << QRect(100, 100, 1820, 950);
        QTest::newRow("left edge outwards")
            << int(Qt::LeftEdge) << QPoint(-150, 0) << QRect(0, 100, 1120, 640);
        QTest::newRow("top edge inwards") << int(Qt::TopEdge) << QPoint(0, 50) << QRect(100, 100, 1020, 640);
    }
    void resizedFrameStaysWithinBounds()
    {
        QFETCH(int, edges);
        QFETCH(QPoint, delta);
        const QRect available(0, 0, 1920, 1050);
        QTEST(CustomWindow::resizedFrame(QRect(100, 100, 1020, 640), Qt::Edges(edges), delta,
                                         QSize(1020, 640), available),
              "expected");
        QCOMPARE(CustomWindow::boundedFrame(QRect(1500, 900, 2500, 700), available),
                 QRect(0, 350, 1920, 700));
    }

    void draggingStopsAtTheTopOfTheMainScreen_data()
    {
        QTest::addColumn<QPoint>("pressedAt");
        QTest::addColumn<QPoint>("mouseAt");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("down and right") << QPoint(100, 20) << QPoint(600, 420) << QPoint(500, 400);
        QTest::newRow("up, stopped at the panel") << QPoint(100, 20) << QPoint(300, 25) << QPoint(200, 30);
        QTest::newRow("left past the edge") << QPoint(100, 20) << QPoint(50, 300) << QPoint(-50, 280);
    }

    void draggingStopsAtTheTopOfTheMainScreen()
    {
        QFETCH(QPoint, pressedAt);
        QFETCH(QPoint, mouseAt);
        CustomWindow window;
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, pressedAt);
        QCOMPARE(window.initialLocation(), pressedAt);
        QTEST(window.draggedOrigin(mouseAt, QRect(0, 30, 1920, 1050)), "origin"); // a 30-point panel on top
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, pressedAt);
    }

    void dockAndMenuBarFromScreenGeometry_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("menuBar");
        QTest::addColumn<bool>("dock");
        QTest::addColumn<int>("options");
        QTest::newRow("no panels") << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1080) << true << false
                                   << 5;
        QTest::newRow("top panel only")
            << QRect(0, 0, 1920, 1080) << QRect(0, 32, 1920, 1048) << true << false << 5;
        QTest::newRow("top and bottom panels")
            << QRect(0, 0, 1920, 1080) << QRect(0, 32, 1920, 1000) << true << true << 5;
        QTest::newRow("side dock") << QRect(0, 0, 1920, 1080) << QRect(64, 0, 1856, 1080) << true << true
                                   << 5;
        QTest::newRow("second screen, bottom panel")
            << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 1280, 990) << false << true << 1;
        QTest::newRow("second screen, top panel counts as a dock")
            << QRect(1920, 0, 1280, 1024) << QRect(1920, 30, 1280, 994) << false << true << 1;
        QTest::newRow("second screen, bare")
            << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 1280, 1024) << false << false << 0;
    }

    void dockAndMenuBarFromScreenGeometry()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, available);
        QFETCH(bool, menuBar);
        const bool dock = ORXScreen::hasDock(frame, available, menuBar);
        QTEST(dock, "dock");
        QTEST(ORXScreen::fullscreenPresentationOptions(menuBar, dock), "options");
        QVERIFY(!ORXScreen::spansDisplays());
    }

    void tableCellsFollowKindAndChannel()
    {
        const struct
        {
            const char *file, *kind, *image, *time; // no time: no date either
        } rows[] = {{"alwa_20230105_134501_F.avi", "Always", "car_front_alwa", "13:45:01"},
                    {"alwa_20230105_134502_R.avi", "Always", "car_rear_alwa", "13:45:02"},
                    {"motion_20230105_134503_F.avi", "Motion", "car_front_motion", "13:45:03"},
                    {"motion_20230105_134504_R.avi", "Motion", "car_rear_motion", "13:45:04"},
                    {"event_20230105_134505_F.avi", "Event", "car_front_event", "13:45:05"},
                    {"event_20230105_134506_R.AVI", "Event", "car_rear_event", "13:45:06"},
                    {"xxxxx_20230105_134507_R.avi", "Always", "car_rear_alwa", ""}};
        QTemporaryDir dir;
        for (const auto& row : rows)
            touch(dir.filePath(QStringLiteral("DCIM/") + QLatin1String(row.file)));
        ORXAppDelegate delegate;
        QVERIFY(waitForReload(delegate, dir.path()));
        ORXMediaListTableModel* model = delegate.tableModel();
        QCOMPARE(model->rowCount(), 7);
        for (int r = 0; r < 7; ++r) {
            const QString file = model->textAt(r, QStringLiteral("file"));
            const auto row = std::find_if(std::begin(rows), std::end(rows),
                                          [&](const auto& row) { return file == QLatin1String(row.file); });
            QVERIFY2(row != std::end(rows), qPrintable(file));
            QCOMPARE(model->textAt(r, QStringLiteral("saveMode")), QLatin1String(row->kind));
            QCOMPARE(model->imageNameAt(r), QLatin1String(row->image));
            QCOMPARE(model->textAt(r, QStringLiteral("time")), QLatin1String(row->time));
            QCOMPARE(model->textAt(r, QStringLiteral("date")),
                     *row->time ? QStringLiteral("2023-01-05") : QString(""));
            QCOMPARE(model->textAt(r, QStringLiteral("other")), QString(""));
        }
        // A row past the end (the list shrank) gives no cell.
        QVERIFY(model->textAt(7, QStringLiteral("file")).isNull());
        QVERIFY(!model->data(model->index(0, 0), Qt::DecorationRole).value<QPixmap>().isNull());
        QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Kind"));
        QCOMPARE(model->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("File"));

        const QString file = dir.filePath(QStringLiteral("card/alwa_20230105_134501_F.avi"));
        const QString folder = dir.filePath(QStringLiteral("other"));
        touch(file);
        touch(folder + QStringLiteral("/alwa_20230105_134601_F.avi"));
        for (const auto& [dropped, opened] :
             {std::pair(file, QFileInfo(file).absolutePath()), {folder, folder}}) {
            QSignalSpy reloaded(&delegate, &ORXAppDelegate::mediaListReloaded);
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(dropped)});
            QVERIFY(model->canDropMimeData(&mime, Qt::CopyAction, -1, -1, {}));
            QVERIFY(model->dropMimeData(&mime, Qt::CopyAction, -1, -1, {}));
            QVERIFY(reloaded.wait(10000));
            QCOMPARE(delegate.mediaList()->directoryPath(), opened);
            QCOMPARE(model->rowCount(), 1);
        }
        QMimeData text;
        text.setText(QStringLiteral("not a file"));
        QVERIFY(!model->canDropMimeData(&text, Qt::CopyAction, -1, -1, {}));
    }

    void programSavesAScreenshotAndQuits()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("window.png"));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ORVEX_APP_PATH), {dir.path(), QStringLiteral("--screenshot"), picture,
                                                       QStringLiteral("--quit-after"), QStringLiteral("1")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()).trimmed(), picture);
        QImage image(picture);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size() / image.devicePixelRatio(), ORXAppDelegate::minWindowSize());

        program.start(QStringLiteral(ORVEX_APP_PATH), {QStringLiteral("--screenshot"), picture});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 2);
    }
};

ORVEX_TEST(TestWindow)
#include "tst_window.moc"
