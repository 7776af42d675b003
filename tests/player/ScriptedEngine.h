#pragma once

#include "ORXPlaybackEngine.h"

#include <QStringList>

#include <algorithm>

// An engine whose answers the test sets; it sends events only on reportState() / reportTime().
class ScriptedEngine : public ORXPlaybackEngine
{
    Q_OBJECT

public:
    static constexpr int kStatePlaying = 3;
    static constexpr int kStateStopped = 5;

    using ORXPlaybackEngine::ORXPlaybackEngine;

    std::shared_ptr<VLCMedia> media() const override { return m_media; }
    void setMedia(std::shared_ptr<VLCMedia> media) override;

    void play() override;
    void pause() override;
    void stop() override;
    bool isPlaying() const override { return playing; }
    int state() const override { return currentState; }

    float position() const override { return currentPosition; }
    void setPosition(float position) override;
    VLCTime time() const override { return VLCTime::timeWithInt(timeMs); }
    void setTime(const VLCTime& time) override
    {
        calls << QStringLiteral("setTime");
        if (m_media)
            playTo(time.intValue());
    }
    VLCTime remainingTime() const override { return VLCTime::timeWithInt(std::min<qint64>(0, timeMs - length())); }
    float rate() const override { return currentRate; }
    void setRate(float rate) override { calls << QStringLiteral("setRate"); currentRate = rate; }
    void jumpForward(int seconds) override { calls << QStringLiteral("jumpForward"); playTo(timeMs + seconds * 1000LL); }
    void jumpBackward(int seconds) override { calls << QStringLiteral("jumpBackward"); playTo(timeMs - seconds * 1000LL); }
    void nextFrame() override; // one frame of fps on, paused
    double framesPerSecond() const override { return fps; }

    void setMute(bool mute) override { muted = mute; }
    bool isMuted() const override { return muted; }
    void setVolume(int volume) override { currentVolume = volume; }
    int volume() const override { return currentVolume; }
    QList<int> audioTrackIndexes() const override { return audioTracks; }

    bool hasVideoOut() const override { return true; }
    QSize videoSize() const override { return size; }
    bool saveVideoSnapshotAt(const QString&, int, int) override { return false; }

    void reportState() { emit mediaPlayerStateChanged(this); }
    void reportTime() { emit mediaPlayerTimeChanged(this); }
    void playTo(qint64 milliseconds); // moves the play time (and position) without a seek
    void reachEnd();                  // at the end of the file: paused, position 1
    void fail();                      // the file cannot be played: error state
    QString fileName() const;         // of the media, empty without one
    int count(const QString& call) const { return int(calls.count(call)); }

    std::shared_ptr<VLCMedia> m_media;
    bool playing = false;
    int currentState = 0;
    float currentPosition = 0;
    qint64 timeMs = 0;
    float currentRate = 1.f;
    bool muted = false;
    int currentVolume = 100;
    QList<int> audioTracks{1};
    QSize size{640, 360};
    qint64 mediaLengthMs = 60000;
    double fps = 30;
    QStringList calls; // "play", "pause", "stop", "setMedia", "setPosition", "setTime", ...

private:
    qint64 length() const { return m_media ? m_media->length().intValue() : 0; }
};
