#include "ORXAppDelegate.h"

#include "CustomWindow.h"
#include "GraphView.h"
#include "ORXBlackBoxData.h"
#include "ORXCFormat.h"
#include "ORXDriveLogWindowController.h"
#include "ORXImage.h"
#include "ORXLocalizedString.h"
#include "ORXMapPage.h"
#include "ORXMediaList.h"
#include "ORXMediaListTableModel.h"
#include "ORXPlayInfo.h"
#include "ORXPlaybackController.h"
#include "ORXPlayerDefaults.h"
#include "ORXPrinting.h"
#include "ORXSnapshot.h"
#include "ORXTelemetryPresenter.h"
#include "ORXTrackExport.h"
#include "PMProgressIndicator.h"
#include "TKImageButton.h"
#include "TKThreePartImageView.h"
#include "TKVideoBackgroundImageView.h"
#include "VLCLibrary.h"
#include "VLCMediaPlayer.h"
#include "VLCVideoView.h"
#include "ui_CustomWindow.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QLoggingCategory>
#include <QShortcut>
#include <QWebEngineView>

Q_LOGGING_CATEGORY(lcShell, "orvex.player.shell")

namespace {
constexpr int kSliderSteps = 10000; // the position sliders run 0..10000 for 0.0..1.0
}

ORXAppDelegate::ORXAppDelegate(QObject* parent) : QObject(parent)
{
    awakeFromNib();
    setupInitialValues();
}

ORXAppDelegate::~ORXAppDelegate()
{
    die();
    delete m_window;
}

// The window, its engines and the model objects.
void ORXAppDelegate::awakeFromNib()
{
    m_window = new CustomWindow;
    m_ui = std::make_unique<Ui::CustomWindow>();
    m_ui->setupUi(m_window);

    // Video views fill their containers; the delegate places them itself (eventFilter), so
    // the swap can fly them in from the edges.
    m_video1View = new VLCVideoView(m_ui->videoContainerView);
    m_video1View->setFillScreen(true);
    m_player1 = new VLCMediaPlayer(m_video1View, this);
    m_video2View = new VLCVideoView(m_ui->subVideoContainerView);
    m_video2View->setFillScreen(true);
    m_player2 = new VLCMediaPlayer(m_video2View, this);
    m_ui->videoContainerView->installEventFilter(this);
    m_ui->subVideoContainerView->installEventFilter(this);
    VLCLibrary::sharedLibrary();

    m_playInfo = new ORXPlayInfo(this);
    m_mediaList = ORXMediaList::mediaList();

    m_ui->mediaControlBoxForFullScreen->setImageNamesLeft(
        QStringLiteral("bottom-background"), QStringLiteral("bottom-background"), QStringLiteral("bottom-background"));
    m_ui->player1BackgroundView->setBackgroundNineImageName(QStringLiteral("v1"));
    m_ui->player1BackgroundView->setLogoImageName(QStringLiteral("v1_front_logo"));
    m_ui->player2BackgroundView->setBackgroundNineImageName(QStringLiteral("v2"));
    m_ui->player2BackgroundView->setLogoImageName(QStringLiteral("v2_rear_logo"));

    initMediaListTableView();
}

void ORXAppDelegate::setupInitialValues()
{
    m_blackBoxData = std::make_unique<ORXBlackBoxData>();
    m_mediaList->setDelegate(this);
    m_playback = new ORXPlaybackController(m_player1, m_player2, m_playInfo, m_mediaList.get(),
                                           m_blackBoxData.get(), this, this);
    // An engine whose picture size changed restarts a moment behind its partner: catch up.
    for (VLCMediaPlayer* player : {m_player1, m_player2})
        connect(player, &VLCMediaPlayer::videoOutputRenewed, m_playback,
                [this] { m_playback->syncVideoPositionDelay(0.1); });

    for (QSlider* slider : {m_ui->videoPositionSlider, m_ui->videoPositionSliderForFullScreen}) {
        slider->setRange(0, kSliderSteps);
        slider->setFocusPolicy(Qt::NoFocus);
    }
    m_ui->volumeSlider->setRange(0, ORXPlaybackController::kMaxVolume);
    m_ui->volumeSlider->setFocusPolicy(Qt::NoFocus);

    setupTelemetry();
    observePlayState();
    connect(m_window, &CustomWindow::isFullScreenChanged, this, &ORXAppDelegate::layoutWindow);
    connect(m_window, &CustomWindow::windowWillClose, this, [this] { m_playback->stopPlay(); });
    m_window->installEventFilter(this); // contentResized on every size change

    setRightViewMode(0);
    updateSideViewButton();
    m_playback->setVolume(ORXPlaybackController::kStartVolume);
    m_playInfo->setIsPlaying(false);
    showFrameIfDebugging();
    m_video1View->hide();
    m_video2View->hide();
    setupButtons();
    setupShortcuts();
    setupControls();
    setupClipExport();
    layoutWindow();
    readCardSettingsOnce();
}

// What the window follows of the play state: speed, scale, isPlaying and position (the
// controller itself follows volume and audioMediaDirection; the full-screen flag is connected
// in setupInitialValues).
void ORXAppDelegate::observePlayState()
{
    connect(m_playInfo, &ORXPlayInfo::speedChanged, this,
            [this](double speed) { m_ui->speedTextButton->setText(ORXCFormat("%.1fx", speed)); });
    connect(m_playInfo, &ORXPlayInfo::scaleChanged, this,
            [this](double scale) { m_ui->sizeTextButton->setText(ORXCFormat("%.2fx", scale)); });
    connect(m_playInfo, &ORXPlayInfo::isPlayingChanged, this, [this](bool playing) {
        const QString name = playing ? QStringLiteral("icon_pause_n") : QStringLiteral("icon_play_n");
        m_ui->playButton->setImageName(name);
        m_ui->playButtonForFullScreen->setImageName(name);
    });
    connect(m_playInfo, &ORXPlayInfo::positionChanged, this, &ORXAppDelegate::onPositionChanged);
}

void ORXAppDelegate::onPositionChanged(double position)
{
    // The sliders are bound to the position; at the end they stand at 1.0. A handle the user
    // holds stays under the hand.
    if (!isDraggingPosition())
        setPositionSliderValue(position >= 1.0 ? 1.0 : position);
    updateTimeLabel();
    m_telemetry->updateGsensorUIByPlayPositon(position, m_player1 ? m_player1->position() : position);
    m_telemetry->updateGpsUIByPlayPosition(position);
}

// Readouts, trace and map page; snapshot, printing and the export menu.
void ORXAppDelegate::setupTelemetry()
{
    m_telemetry = new ORXTelemetryPresenter(
        m_blackBoxData.get(),
        {m_ui->graphView, m_ui->gsensorXField, m_ui->gsensorYField, m_ui->gsensorZField, m_ui->speedField,
         m_ui->hdopField, m_ui->sateliteField, m_ui->mapPositionLabel},
        this);
    m_mapPage = new ORXMapPage(m_ui->mapWebView);
    m_ui->mapWebView->setPage(m_mapPage);
    m_mapPage->loadMap();
    m_telemetry->setScriptRunner([this](const QString& script) { m_mapPage->runScript(script); });
    m_snapshot = new ORXSnapshot(m_window, this);
    m_printing = new ORXPrinting(m_window, this);
    m_trackExport = new ORXTrackExport(m_window, this);
}

QString ORXAppDelegate::playingRecordingPath() const
{
    const ORXMediaPtr media = m_playback->mediaIndex() >= 0 ? m_mediaList->mediaAtIndex(m_playback->mediaIndex())
                                                            : ORXMediaPtr();
    return media ? media->path() : QString();
}

void ORXAppDelegate::captureVideo()
{
    m_snapshot->captureVideo(m_player1);
}

void ORXAppDelegate::print()
{
    m_printing->print(m_player1);
}

void ORXAppDelegate::setupButtons()
{
    auto button = [](TKImageButton* b, const char* image) { b->setImageName(QLatin1String(image)); };
    button(m_ui->openFolderButton, "icon_folder_n");
    button(m_ui->settingButton, "icon_setting_n");
    button(m_ui->clockButton, "icon_clock_n");
    button(m_ui->fullScreenButton, "icon_fullscreen_n");
    button(m_ui->closeButton, "icon_close_n");
    button(m_ui->playButton, "icon_play_n");
    button(m_ui->playButtonForFullScreen, "icon_play_n");
    button(m_ui->jumpBackwardButton, "icon_jump_backward_n");
    button(m_ui->jumpForwardButton, "icon_jump_forward_n");
    button(m_ui->snapshotButton, "icon_snapshot_n");
    button(m_ui->printButton, "icon_print_n");
    connect(m_ui->snapshotButton, &QAbstractButton::clicked, this, &ORXAppDelegate::captureVideo);
    connect(m_ui->printButton, &QAbstractButton::clicked, this, &ORXAppDelegate::print);

    // The export menu, left of the folder button in the head.
    auto* exportButton = new TKImageButton(m_ui->openFolderButton->parentWidget());
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->setImageName(QStringLiteral("icon_export_n"));
    exportButton->setFixedSize(m_ui->openFolderButton->minimumSize());
    exportButton->setFocusPolicy(Qt::NoFocus);
    exportButton->setToolTip(ORXLocalizedString("player.export"));
    m_ui->headButtonLayout->insertWidget(m_ui->headButtonLayout->indexOf(m_ui->openFolderButton), exportButton);
    auto* exportMenu = new QMenu(exportButton);
    exportMenu->addAction(ORXLocalizedString("export.menu_track"), this, [this] {
        m_trackExport->exportRecording(*m_blackBoxData, ORXTrackExport::Track, playingRecordingPath());
    });
    exportMenu->addAction(ORXLocalizedString("export.menu_telemetry"), this, [this] {
        m_trackExport->exportRecording(*m_blackBoxData, ORXTrackExport::Telemetry, playingRecordingPath());
    });
    exportMenu->addAction(ORXLocalizedString("export.menu_clip"), this, &ORXAppDelegate::exportClip);
    // A drive log copied anywhere, in a viewer window of its own.
    exportMenu->addSeparator();
    exportMenu->addAction(ORXLocalizedString("player.open_drive_log"), this,
                          [this] { ORXDriveLogWindowController::openDriveLogDialog(m_window); });
    addCardMenuItems(exportMenu);
    connect(exportButton, &QAbstractButton::clicked, this, [exportButton, exportMenu] {
        exportMenu->popup(exportButton->mapToGlobal(QPoint(0, exportButton->height())));
    });
    m_ui->headLogoLabel->setPixmap(ORXImage::pixmap(QStringLiteral("orvex"), QSize(30, 30), m_window->devicePixelRatioF()));

    connect(m_ui->openFolderButton, &QAbstractButton::clicked, this, &ORXAppDelegate::openMediaDirectoryDialog);
    connect(m_ui->fullScreenButton, &QAbstractButton::clicked, this, &ORXAppDelegate::toggleFullScreen);
    connect(m_ui->closeButton, &QAbstractButton::clicked, this, &ORXAppDelegate::closeWindow);
    connect(m_ui->settingButton, &QAbstractButton::clicked, this, &ORXAppDelegate::showSettingPanel);
    connect(m_ui->clockButton, &QAbstractButton::clicked, this, &ORXAppDelegate::showTimeSetupPanel);
    connect(m_ui->playButton, &QAbstractButton::clicked, m_playback, &ORXPlaybackController::clickPlayButton);
    connect(m_ui->playButtonForFullScreen, &QAbstractButton::clicked, m_playback,
            &ORXPlaybackController::clickPlayButton);
    connect(m_ui->jumpBackwardButton, &QAbstractButton::clicked, m_playback, &ORXPlaybackController::jumpBackward);
    connect(m_ui->jumpForwardButton, &QAbstractButton::clicked, m_playback, &ORXPlaybackController::jumpForward);
    connect(m_ui->speedTextButton, &QAbstractButton::clicked, this, [this] {
        // One button steps between the two speeds.
        if (m_playInfo->speed() < 2.0)
            m_playback->increaseSpeed();
        else
            m_playback->decreaseSpeed();
    });
    connect(m_ui->sizeTextButton, &QAbstractButton::clicked, m_playback, &ORXPlaybackController::sizeUp);
    connect(m_ui->audioToggleButton, &QAbstractButton::clicked, m_playback,
            &ORXPlaybackController::toggleAudioChoice);
    connect(m_ui->mediaListTableView, &QAbstractItemView::doubleClicked, m_playback,
            &ORXPlaybackController::changeAndPlay);
    m_ui->recordButtonImageView->installEventFilter(this);
    m_ui->informationButtonImageView->installEventFilter(this);
    for (QWidget* w : {static_cast<QWidget*>(m_ui->speedTextButton), static_cast<QWidget*>(m_ui->sizeTextButton),
                       static_cast<QWidget*>(m_ui->audioToggleButton)})
        w->setFocusPolicy(Qt::NoFocus);
    const std::pair<QWidget*, const char*> tips[] = {
        {m_ui->openFolderButton, "player.open_folder"}, {m_ui->settingButton, "player.settings"},
        {m_ui->clockButton, "player.clock"},             {m_ui->fullScreenButton, "player.fullscreen"},
        {m_ui->closeButton, "player.quit"},              {m_ui->jumpBackwardButton, "player.jump_backward"},
        {m_ui->jumpForwardButton, "player.jump_forward"}, {m_ui->playButton, "player.play"},
        {m_ui->playButtonForFullScreen, "player.play"},   {m_ui->recordButtonImageView, "player.list_tab"},
        {m_ui->informationButtonImageView, "player.map_tab"},
        {m_ui->snapshotButton, "player.snapshot"},         {m_ui->printButton, "player.print"},
    };
    for (const auto& [widget, key] : tips)
        widget->setToolTip(ORXLocalizedString(key));
    m_ui->speedTitleLabel->setText(ORXLocalizedString("player.speed_title"));
    m_ui->hdopTitleLabel->setText(ORXLocalizedString("player.hdop_title"));
    m_ui->sateliteTitleLabel->setText(ORXLocalizedString("player.satellites_title"));
    m_ui->speedTextButton->setToolTip(ORXLocalizedString("player.speed"));
    m_ui->sizeTextButton->setToolTip(ORXLocalizedString("player.size"));
    m_ui->audioToggleButton->setToolTip(ORXLocalizedString("player.audio_toggle"));
    m_ui->audioToggleButton->setText(ORXLocalizedString("player.audio_front"));
    connect(m_ui->audioToggleButton, &QAbstractButton::toggled, this, [this](bool on) {
        m_ui->audioToggleButton->setText(ORXLocalizedString(on ? "player.audio_rear" : "player.audio_front"));
    });
}

void ORXAppDelegate::setupShortcuts()
{
    struct Key
    {
        QKeySequence sequence;
        std::function<void()> action;
    };
    const Key keys[] = {
        {Qt::Key_Space, [this] { m_playback->clickPlayButton(); }},
        {Qt::Key_Left, [this] { m_playback->jumpBackward(); }},
        {Qt::Key_Right, [this] { m_playback->jumpForward(); }},
        {Qt::Key_Up, [this] { m_playback->volumeUp(); }},
        {Qt::Key_Down, [this] { m_playback->volumeDown(); }},
        {Qt::Key_F, [this] { toggleFullScreen(); }},
        {Qt::Key_Return, [this] { toggleFullScreen(); }},
        {Qt::Key_Enter, [this] { toggleFullScreen(); }},
        {QKeySequence::Open, [this] { openMediaDirectoryDialog(); }},
        {QKeySequence::Quit, [this] { closeWindow(); }},
        {Qt::CTRL | Qt::Key_W, [this] { closeWindow(); }},
        {Qt::Key_BracketRight, [this] { m_playback->increaseSpeed(); }},
        {Qt::Key_BracketLeft, [this] { m_playback->decreaseSpeed(); }},
        {Qt::Key_Tab, [this] { m_playback->swapPlayer(); }},
    };
    for (const Key& key : keys) {
        auto* shortcut = new QShortcut(key.sequence, m_window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, key.action);
    }
}

void ORXAppDelegate::applicationDidFinishLaunching()
{
    QSettings settings = ORXPlayerDefaults::settings();
    for (const QString& language : settings.value(QLatin1String(ORXPlayerDefaults::kAppleLanguages)).toStringList())
        qCInfo(lcShell, "SUPPORT_LANGUAGE=%s", qPrintable(language));
    settings.setValue(QLatin1String(ORXPlayerDefaults::kAppleLanguages), QStringList{QStringLiteral("en")});

    m_window->setFrame(minWindowFrame(), false);
    m_window->setInitialFrame(m_window->frame());
    m_playback->setMediaIndex(-1);
    m_ui->mediaListTableView->setAcceptDrops(true);
}

// --- actions -------------------------------------------------------------------------------

void ORXAppDelegate::toggleFullScreen()
{
    if (m_window->isFullScreen())
        m_window->leaveFullscreen();
    else
        m_window->enterFullscreen();
}

void ORXAppDelegate::closeWindow()
{
    m_window->close();
}

void ORXAppDelegate::clickMediaListViewButton()
{
    if (m_rightViewMode != 0) {
        setRightViewMode(0);
        updateSideViewButton();
    }
}

void ORXAppDelegate::clickMapViewButton()
{
    if (m_rightViewMode != 1) {
        setRightViewMode(1);
        updateSideViewButton();
    }
}

void ORXAppDelegate::setRightViewMode(int mode)
{
    m_rightViewMode = mode;
    emit rightViewModeChanged(mode);
}

void ORXAppDelegate::die()
{
    if (!m_playback)
        return;
    m_closing = true;
    m_playback->stopPlay();
    // Engines go before their views: they stop their decoder threads first.
    delete m_playback;
    m_playback = nullptr;
    delete m_player1;
    m_player1 = nullptr;
    delete m_player2;
    m_player2 = nullptr;
    if (m_mediaList) {
        m_mediaList->setDelegate(nullptr);
        m_mediaList->waitForRebuild();
    }
}
