#pragma once

#include "ORXMediaListDelegate.h"
#include "ORXPlayerView.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>

#include <atomic>

#include <memory>

class CustomWindow;
class ORXBlackBoxData;
class ORXClipExport;
class ORXMediaList;
class ORXMapPage;
class ORXMediaListTableModel;
class ORXPlayInfo;
class ORXPlaybackController;
class ORXPlaybackEngine;
class ORXMediaFilter;
class ORXPrinting;
class ORXRecordingFilterBar;
class ORXSnapshot;
class ORXTelemetryPresenter;
class ORXTrackExport;
class QMenu;
class QPushButton;
class QTimer;
class QWidget;
class VLCMediaPlayer;
class VLCVideoView;
namespace Ui {
class CustomWindow;
}

// The player window's top-level wiring: it creates the window from its interface file, the
// two engines and their video views, the play state, the recording list and the telemetry
// holder; lays the window out in its two modes; keeps the right column (recordings or map);
// runs the recording table and the loading indicator; and gives the playback controller the
// window it needs (ORXPlayerView). Playback itself is ORXPlaybackController's.
//
// The work is split by concern over ORXAppDelegate.cpp (start-up, actions, observation),
// ORXAppDelegateLayout.cpp (layout, full screen, the view operations of the controller),
// ORXAppDelegateList.cpp (table, folders, loading indicator) and ORXAppDelegateControls.cpp
// (sliders, readouts and names of the transport controls).
class ORXAppDelegate : public QObject, public ORXPlayerView, public ORXMediaListDelegate
{
    Q_OBJECT
    Q_PROPERTY(int rightViewMode READ rightViewMode NOTIFY rightViewModeChanged)

public:
    explicit ORXAppDelegate(QObject* parent = nullptr);
    ~ORXAppDelegate() override;

    // Start-up in three steps: awakeFromNib and setupInitialValues run in the
    // constructor; the program calls applicationDidFinishLaunching once the event loop runs.
    void applicationDidFinishLaunching();

    CustomWindow* window() const { return m_window; }
    Ui::CustomWindow* ui() const { return m_ui.get(); }
    ORXPlaybackController* playback() const { return m_playback; }
    ORXMediaList* mediaList() const { return m_mediaList.get(); }
    ORXPlayInfo* playInfo() const { return m_playInfo; }
    ORXBlackBoxData* blackBoxData() const { return m_blackBoxData.get(); }
    ORXMediaListTableModel* tableModel() const { return m_tableModel; }
    VLCVideoView* video1View() const { return m_video1View; }
    VLCVideoView* video2View() const { return m_video2View; }
    int rightViewMode() const { return m_rightViewMode; }
    ORXTelemetryPresenter* telemetryPresenter() const { return m_telemetry; }
    ORXMapPage* mapPage() const { return m_mapPage; }
    double loadingProgress() const { return m_progress; }

    // --- actions -----------------------------------------------------------------------------
    void toggleFullScreen();
    void closeWindow();
    void showTimeSetupPanel(); // ORXAppDelegateCard.cpp, with the format window
    void showFormatWindow();
    void showSettingPanel();
    void clickMediaListViewButton();
    void clickMapViewButton();
    void openMediaDirectoryDialog();
    // Opens a folder of recordings (the dialog's result, a drop, the command line).
    void openDirectory(const QString& path);
    void captureVideo();
    void print();
    // "Export clip...", and the in and out points set with "I" and "O" (ORXAppDelegateClip.cpp).
    void exportClip();
    void setClipInPoint();
    void setClipOutPoint();
    ORXClipExport* clipExport() const { return m_clipExport; }

    // --- layout --------------------------------------------------------------------------------
    static QSize minWindowSize() { return QSize(1020, 640); }
    QRect minWindowFrame() const;
    void layoutWindow();
    void layoutBodyBox();
    void layoutMapContainer();
    void updateSideViewButton() override;
    void showFrameIfDebugging();
    void contentResized();
    void die();

    // --- recording table and loading indicator -----------------------------------------------
    void initMediaListTableView();
    void updateTableColumnWithIndex(int index, const QString& title, const QString& identifier,
                                    Qt::Alignment alignment);
    void mediaListChanged(ORXMediaList* list) override; // on the list's worker
    void showLoading(const QString& text) override;
    void updateLoadingWindow(double seconds);
    void hideLoading() override;
    bool isLoadingStopped() const override { return m_stopVideoLoadingView; }

    // --- ORXPlayerView -----------------------------------------------------------------------
    void setVideoViewVisible(int player, bool visible) override;
    void setBackgroundLogos(const QString& logo1, const QString& logo2) override;
    void animateSwap() override;
    double videoContainerHeight() const override;
    void setAudioToggleVisible(bool visible) override;
    void setAudioToggleOn(bool on) override;
    bool isAudioToggleOn() const override;
    void setVolumeSliderValue(int volume) override;
    double positionSliderValue() const override;
    void setPositionSliderValue(double value) override;
    void selectRow(int row) override;
    int selectedRow() const override;
    void setGraphData(const QVector<ORXGSensor>& samples) override;
    void resetTelemetryReadouts() override;
    QRect screenFrame() const override;
    QRect windowFrame() const override;
    void setWindowFrame(const QRect& frame, bool animate) override;
    bool isFullScreen() const override;
    void enterFullscreen() override;
    void leaveFullscreen() override;

signals:
    void rightViewModeChanged(int mode);
    // The table has been reloaded after a rebuild of the list (main thread).
    void mediaListReloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void awakeFromNib();
    void setupInitialValues();
    void setupButtons();
    void setupShortcuts();
    void setupTelemetry();
    void addCardMenuItems(QMenu* menu);
    void setupClipExport();
    double playingLength() const;
    double playPosition() const;
    void setupControls(); // ORXAppDelegateControls.cpp
    void setupSliders();
    void setupSizeAndSwap();
    void setupAccessibility();
    void setTransportEnabled(bool loaded);
    void updateTimeLabel();
    void updateVolumeIcon();
    bool isDraggingPosition() const;
    void seekToSlider();
    QString playingRecordingPath() const;
    void readCardSettingsOnce();
    void settingsCardRemounted(const QString& oldMountPath, const QString& newMountPath);
    void observePlayState();
    void positionVideoViews();
    void updateSideViewImages();
    void setRightViewMode(int mode);
    void onPositionChanged(double position);
    void onSliderMoved(int value);
    void setupFrameStepping(); // ORXAppDelegateStepping.cpp
    void updateFrameStepEnabled();
    void setupRecordingFilter(); // ORXAppDelegateFilter.cpp
    void applyRecordingFilter(const ORXMediaFilter& filter);
    void updateRecordingFilterBar();

    std::unique_ptr<Ui::CustomWindow> m_ui;
    QPointer<CustomWindow> m_window;
    VLCVideoView* m_video1View = nullptr;
    VLCVideoView* m_video2View = nullptr;
    VLCMediaPlayer* m_player1 = nullptr;
    VLCMediaPlayer* m_player2 = nullptr;
    ORXPlayInfo* m_playInfo = nullptr;
    std::unique_ptr<ORXMediaList> m_mediaList;
    std::unique_ptr<ORXBlackBoxData> m_blackBoxData;
    ORXPlaybackController* m_playback = nullptr;
    ORXMediaListTableModel* m_tableModel = nullptr;
    QPointer<QWidget> m_lastDialogController;
    ORXTelemetryPresenter* m_telemetry = nullptr;
    ORXMapPage* m_mapPage = nullptr;
    ORXSnapshot* m_snapshot = nullptr;
    ORXPrinting* m_printing = nullptr;
    ORXTrackExport* m_trackExport = nullptr;
    ORXClipExport* m_clipExport = nullptr;

    QStringList m_columnNames;
    int m_rightViewMode = 0;
    bool m_stopVideoLoadingView = true;
    double m_progress = 0;
    bool m_animatingSwap = false;
    bool m_sliderFollowsPlayInfo = false;
    bool m_volumeFollowsPlayback = false;
    QTimer* m_seekPreview = nullptr;
    bool m_previewPending = false;
    int m_lastSeekValue = -1;
    QPushButton* m_sizeDownButton = nullptr;
    QPushButton* m_swapButton = nullptr;
    ORXRecordingFilterBar* m_filterBar = nullptr;
    std::atomic<bool> m_closing{false}; // read by the list's worker
};
