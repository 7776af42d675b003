#pragma once

#include "ORXPlaybackEngine.h"

#include <QElapsedTimer>
#include <QPointer>

#include <atomic>
#include <memory>

struct libvlc_media_player_t;
struct libvlc_event_t;
class VLCVideoFrameSink;
class VLCVideoView;

// A playback engine over one libVLC media player, drawing into a VLCVideoView.
//
// libVLC reports events and frames on its own threads; they cross to the main thread by
// queued calls, and no libVLC function is ever called from inside one of its callbacks.
// libVLC 3 facts this layer maps for the player: its paused (4) and ended (6) states are both
// reported as 6; an ended player cannot seek, so seeking it reloads the media paused at the
// place asked for, and playing it reloads and plays; an ended player has no video output left
// to take a snapshot from, so the snapshot is the last frame the view shows; its audio track
// list includes a "disable" entry, left out of audioTrackIndexes().
// libVLC 3 fixes a callback video output's picture size for the output's life, so a new size
// for the view (full screen, another window size) is taken by renewing the output: the player
// is stopped and started again at the same time, its events kept from the controller meanwhile.
class VLCMediaPlayer : public ORXPlaybackEngine
{
    Q_OBJECT

public:
    explicit VLCMediaPlayer(VLCVideoView* videoView, QObject* parent = nullptr);
    ~VLCMediaPlayer() override;

    bool isValid() const { return m_player != nullptr; }

    std::shared_ptr<VLCMedia> media() const override { return m_media; }
    void setMedia(std::shared_ptr<VLCMedia> media) override;

    void play() override;
    void pause() override;
    void stop() override;
    bool isPlaying() const override;
    int state() const override;

    float position() const override;
    void setPosition(float position) override;
    VLCTime time() const override;
    void setTime(const VLCTime& time) override;
    VLCTime remainingTime() const override;
    float rate() const override;
    void setRate(float rate) override;
    void jumpForward(int seconds) override;
    void jumpBackward(int seconds) override;
    void nextFrame() override;
    double framesPerSecond() const override { return m_framesPerSecond; }

    void setMute(bool mute) override;
    bool isMuted() const override;
    void setVolume(int volume) override;
    int volume() const override;
    QList<int> audioTrackIndexes() const override;

    bool hasVideoOut() const override;
    QSize videoSize() const override;
    bool saveVideoSnapshotAt(const QString& path, int width, int height) override;

signals:
    // The video output was renewed at a new picture size and plays again: it restarted where
    // it stood, a moment behind a partner engine that played on.
    void videoOutputRenewed(ORXPlaybackEngine* sender);

private:
    static void onEvent(const libvlc_event_t* event, void* opaque);
    static unsigned onVideoFormat(void** opaque, char* chroma, unsigned* width, unsigned* height,
                                  unsigned* pitches, unsigned* lines);
    static void onVideoCleanup(void* opaque);
    static void* onVideoLock(void* opaque, void** planes);
    static void onVideoDisplay(void* opaque, void* picture);

    void handleStateEvent();
    void handleTimeEvent();
    void handleLengthEvent(qint64 length);
    bool hasEnded() const;
    void seekEnded(qint64 milliseconds);
    void finishReload();
    void loadMedia(qint64 startMs = 0);
    void applySound();
    void renewVideoOutput();
    void followViewShown();
    void endRenewal();

    libvlc_media_player_t* m_player = nullptr;
    std::shared_ptr<VLCMedia> m_media;
    std::shared_ptr<VLCVideoFrameSink> m_sink;
    QPointer<VLCVideoView> m_view;

    // The frame has the size the file declares when it declares one (see onVideoFormat).
    std::atomic<int> m_declaredWidth{0};
    std::atomic<int> m_declaredHeight{0};
    double m_framesPerSecond = 0; // of the loaded file, from its header

    // The sound settings are kept here and applied again whenever libVLC creates a new
    // audio output (each media start), since libVLC 3 forgets them with the old one.
    bool m_muted = false;
    // A seek in an ended file: the place it goes to once the reloaded file plays (-1: none),
    // and whether it plays on from there.
    qint64 m_reloadSeekMs = -1;
    bool m_playAfterReload = false;
    // The picture shown was found by a seek while paused (see nextFrame()).
    bool m_pausedSeek = false;
    int m_volume = 100;

    // A video output being renewed at a new picture size: until libVLC plays again the
    // engine reports playing at m_renewAt, and a pause asked for meanwhile waits for it.
    bool m_renewing = false;
    bool m_pauseAfterRenewal = false;
    qint64 m_renewAt = 0;
    QElapsedTimer m_renewClock;
};
