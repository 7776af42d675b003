#pragma once

#include "ORXMediaList.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QObject>
#include <QSize>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class ORXBlackBoxData;
class ORXPlaybackEngine;
class ORXPlayerView;
class ORXPlayInfo;
class QTimer;

// Plays one recording pair on two engines: player1 shows the recording picked in the table
// in the large view, player2 its partner channel (the rear file of a front recording, the
// front file of a rear one) in the small view. Keeps the two in step through start, pause,
// seek, jump, speed and swap; feeds the play state; advances to the next row at the end;
// decides whose sound is heard and how loud; steps the window size.
//
// Nothing here is a widget: the window is reached through ORXPlayerView, the engines through
// ORXPlaybackEngine. Engines, play state, list, telemetry holder and view are not owned and
// must outlive the controller. Everything runs on the main thread except the telemetry
// extraction of a started recording, which runs on the shared pool and hands the start step
// back to the main thread with the worker waiting.
class ORXPlaybackController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int volume READ volume WRITE setVolume NOTIFY volumeChanged)

public:
    // Playback positions at or past this share of the length count as the end.
    static constexpr double kEndPosition = 0.998;
    static constexpr int kJumpSeconds = 10;
    static constexpr int kMaxVolume = 200;
    static constexpr int kVolumeStep = 10;
    static constexpr int kStartVolume = 70;
    // A start whose engines have not reported playing by then no longer blocks new starts
    // (the loading indicator gives up after the same time).
    static constexpr int kStartTimeoutMs = 15000;
    // A burst of frame steps counts as over this long after its last step.
    static constexpr int kStepSettleMs = 300;
    // A step this soon after the one before comes from a held key or button.
    static constexpr int kQuickStepMs = 120;
    // Frame rate assumed for a file that declares none.
    static constexpr double kDefaultFramesPerSecond = 30;

    ORXPlaybackController(ORXPlaybackEngine* player1, ORXPlaybackEngine* player2, ORXPlayInfo* playInfo,
                          ORXMediaList* mediaList, ORXBlackBoxData* blackBoxData, ORXPlayerView* view,
                          QObject* parent = nullptr);
    ~ORXPlaybackController() override;

    static QSize minWindowSize() { return QSize(1020, 640); }
    void setStartTimeout(int milliseconds); // kStartTimeoutMs unless set
    // The delayed catch-up after a seek, jump or resume seeks both engines to player1's
    // position, so that both pay the same seek delay and show the same frame (on unless
    // set); off, only player2 is moved and lags by its own seek delay.
    void setSyncSeeksBoth(bool enabled) { m_syncSeeksBoth = enabled; }
    bool syncSeeksBoth() const { return m_syncSeeksBoth; }
    // A frame step forward shows player1's next frame with the engine's next-frame (on), or
    // seeks player1 to the next frame as a step back does (off, unless set). libVLC 3 drops
    // or repeats a next-frame now and then (after a seek while paused, or while it is still
    // showing the frame before), which leaves the front a frame behind the rear; a seek lands
    // on the frame asked for every time.
    void setFrameStepUsesNextFrame(bool enabled) { m_stepUsesNextFrame = enabled; }
    bool frameStepUsesNextFrame() const { return m_stepUsesNextFrame; }

    ORXPlaybackEngine* player1() const { return m_player1; }
    ORXPlaybackEngine* player2() const { return m_player2; }
    ORXPlayInfo* playInfo() const { return m_playInfo; }
    ORXMediaList* mediaList() const { return m_mediaList; }
    ORXBlackBoxData* blackBoxData() const { return m_blackBoxData; }
    ORXPlayerView* view() const { return m_view; }

    // --- state -------------------------------------------------------------------------------
    qint64 mediaIndex() const { return m_mediaIndex; }
    void setMediaIndex(qint64 index) { m_mediaIndex = index; }
    bool waitingForPlayStart() const { return m_waitingForPlayStart; }
    bool hasRearMedia() const { return m_hasRearMedia; }
    bool bPlayNext() const { return m_bPlayNext; }
    bool preparingPlayNext() const { return m_preparingPlayNext; }
    bool moving() const { return m_moving; }
    double movingPosition() const { return m_movingPosition; }
    bool swapping() const { return m_swapping; }
    int volume() const { return m_volume; }
    void setVolume(int volume); // kept within 0 to 200; every set runs updateAudioUI
    QTimer* playStopTimer() const { return m_playStopTimer; } // null when no recording is watched
    // Counts player1's time events; -1 right after a start or a seek.
    int positionCounter() const { return m_positionCounter; }
    // Grows with every start and every close of a recording; a delayed step queued for an
    // older generation does nothing when it comes due.
    quint64 generation() const { return m_generation; }
    // A recording is loaded on player1 (the transport controls act on it).
    bool hasRecording() const;
    // The telemetry of a started recording is being read; its start step has not run yet.
    bool isExtracting() const;

    // --- user actions ------------------------------------------------------------------------
    bool playAtIndex(qint64 index);
    void changeAndPlay();
    void clickPlayButton();
    void videoPositionSliderMoved();
    void jumpForward();
    void jumpBackward();
    void swapPlayer();
    void increaseSpeed();
    void decreaseSpeed();
    void volumeSliderMoved(int value);
    void volumeUp();
    void volumeDown();
    void toggleAudioChoice();
    void sizeUp();
    void sizeDown();
    void setVideoScaleIndex(int step);
    bool playNext();
    // The list's filter changed: mediaIndex and the selected row move to the new row of the
    // recording started last. When the filter hides it, no row is selected and the advance
    // goes on with the first shown row after it.
    void listFiltered();
    void syncVideoPositionDelay(double seconds);
    void stopPlay();
    // Frame by frame while paused: player1's frame decides and player2 goes to the same time.
    // Forward shows player1's next frame, back seeks it to the previous frame's time.
    bool canStepFrame() const;
    void stepFrameForward();
    void stepFrameBackward();
    // The frame player1 shows after the last step; -1 when it is not known (no step since
    // the last start, play, seek or jump).
    qint64 stepFrame() const { return m_stepFrame; }
    // Stops playback for good (another folder is opened): no row, not playing, no
    // telemetry, no delayed step of the old recording left to run.
    void closeRecording();

    // --- queries and internal steps ----------------------------------------------------------
    bool isPlaying(const ORXPlaybackEngine* engine) const;
    bool hasAudio(const ORXPlaybackEngine* engine) const;
    void updateVideoUI();
    void initMediaControlView();
    void didStartPlayer();
    void didFinishPlay();
    void startTimerPlayNext();
    void timerPlayNext();
    void chooseAudioAuto();
    void updateAudioUI();
    void updatePlayInfoScale();

    // --- engine events -----------------------------------------------------------------------
    void mediaPlayerStateChanged(ORXPlaybackEngine* sender);
    void mediaPlayerTimeChanged(ORXPlaybackEngine* sender);

signals:
    void volumeChanged(int volume);
    // player1 got or lost its recording (transport controls follow it).
    void recordingChanged(bool loaded);
    // A frame step was taken: player1 now shows this frame (counted from 0).
    void frameStepped(qint64 frame);

private:
    void updateVideoUI(const ORXMediaList::Contents& contents);
    void updateVideoViewsVisibility(bool p1, bool p2);
    bool engineHasMediaAndPlays(const ORXPlaybackEngine* engine) const;
    void startExtraction(const QString& frontPath);
    void didExtract(const std::shared_ptr<ORXBlackBoxData>& extracted, quint64 generation);
    void startPlayers();
    void startWatchingStart();
    void setEnginesToEnd();
    void setEnginesPosition(float position);
    void setBackgroundLogosForMedia();
    ORXPlaybackEngine* engineForDirection(int direction) const;
    // Runs step after ms on the main thread unless another recording has started meanwhile.
    void later(int ms, std::function<void()> step);
    bool partnerFailed() const;
    void dropFailedPartner();
    void seekTo(double position);
    qint64 nextPairRow(const ORXMediaList::Contents& contents) const;
    double framesPerSecond() const;
    qint64 frameAtTime(qint64 milliseconds) const;
    qint64 frameTimeMs(qint64 frame) const;
    qint64 shownFrame() const;
    void stepToFrame(qint64 frame, bool useNextFrame);
    void endStepBurst(quint64 burst);
    void forgetStep() { m_stepFrame = -1; }

    ORXPlaybackEngine* m_player1 = nullptr;
    ORXPlaybackEngine* m_player2 = nullptr;
    ORXPlayInfo* m_playInfo = nullptr;
    ORXMediaList* m_mediaList = nullptr;
    ORXBlackBoxData* m_blackBoxData = nullptr;
    ORXPlayerView* m_view = nullptr;

    qint64 m_mediaIndex = -1;
    bool m_waitingForPlayStart = false;
    bool m_hasRearMedia = false;
    bool m_bPlayNext = false;
    bool m_preparingPlayNext = false;
    bool m_moving = false;
    double m_movingPosition = 0;
    bool m_swapping = false;
    int m_volume = kStartVolume;
    int m_positionCounter = -1;
    quint64 m_generation = 0;
    double m_pendingSeek = -1; // a slider position that came while a seek was under way
    QTimer* m_playStopTimer = nullptr;
    QTimer* m_startWatchdog = nullptr;
    ORXMediaPtr m_playingMedia; // the recording started last, whatever its row now
    qint64 m_advanceRow = -1;   // the next row of a recording the filter hides, -1: none
    qint64 m_stepFrame = -1;
    bool m_burstUsedNextFrame = false;
    QElapsedTimer m_stepClock; // since the last step
    bool m_stepping = false;   // a burst of frame steps holds `moving` until it settles
    quint64 m_stepBurst = 0;   // counts steps, so that only the last one's settle step acts

    QFuture<void> m_extraction;
    bool m_syncSeeksBoth = true;
    bool m_stepUsesNextFrame = false;
    bool m_extracting = false; // from the start until the start step has run (main thread)
    std::atomic<bool> m_destroying{false};
};
