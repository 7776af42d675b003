#pragma once

#include "VLCMedia.h"
#include "VLCTime.h"

#include <QList>
#include <QObject>
#include <QSize>

#include <memory>

// What the player's controller needs of a playback engine, and nothing more. The libVLC
// engine (VLCMediaPlayer) implements it; tests drive the controller with a scripted one.
//
// Events are signals delivered on the main thread, each naming the engine that sent it.
class ORXPlaybackEngine : public QObject
{
    Q_OBJECT

public:
    // The one state value the player relies on: paused, which is also what an engine that
    // has reached the end of its file reports.
    static constexpr int kStatePaused = 6;
    // The file could not be opened or decoded (libVLC's error state).
    static constexpr int kStateError = 7;

    using QObject::QObject;

    virtual std::shared_ptr<VLCMedia> media() const = 0;
    virtual void setMedia(std::shared_ptr<VLCMedia> media) = 0; // nullptr: nothing loaded

    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    virtual int state() const = 0;

    virtual float position() const = 0; // 0.0 to 1.0
    virtual void setPosition(float position) = 0;
    virtual VLCTime time() const = 0;
    virtual void setTime(const VLCTime& time) = 0;
    virtual VLCTime remainingTime() const = 0; // zero or negative
    virtual float rate() const = 0;
    virtual void setRate(float rate) = 0;
    virtual void jumpForward(int seconds) = 0;
    virtual void jumpBackward(int seconds) = 0;
    // While paused: shows the next frame of the video and stays paused.
    virtual void nextFrame() = 0;
    // The video's frames per second as the file declares them; 0 when unknown.
    virtual double framesPerSecond() const = 0;

    // The engine's sound ("audio" object of the engine).
    virtual void setMute(bool mute) = 0;
    virtual bool isMuted() const = 0;
    virtual void setVolume(int volume) = 0; // 0 to 200
    virtual int volume() const = 0;
    virtual QList<int> audioTrackIndexes() const = 0; // real tracks only

    virtual bool hasVideoOut() const = 0;
    virtual QSize videoSize() const = 0;
    // Writes the current picture to path (width and height 0: the video's own size).
    virtual bool saveVideoSnapshotAt(const QString& path, int width, int height) = 0;

signals:
    void mediaPlayerStateChanged(ORXPlaybackEngine* sender);
    void mediaPlayerTimeChanged(ORXPlaybackEngine* sender);
};
