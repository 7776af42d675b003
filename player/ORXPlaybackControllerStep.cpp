#include "ORXPlaybackController.h"

#include "ORXPlayInfo.h"
#include "ORXPlaybackEngine.h"
#include "ORXPlayerView.h"

#include <algorithm>
#include <cmath>
#include <utility>

// Frame by frame while paused. Both files come from the same camera at the same frame rate,
// so a frame is a time: frame k starts at k frame durations. A seek while paused shows the
// first frame that starts at or after the time asked for, so the engines are sent to the
// millisecond at or just before the frame's start.
//
// The controller keeps the number of the frame player1 shows, rather than reading it back
// from the engine: libVLC reports its time late after a step, and a key held down sends steps
// faster than the engines settle. Every step sends player2 to player1's frame, by the same
// seek as player1 unless next-frame is on (setFrameStepUsesNextFrame); while a burst of steps
// runs, `moving` keeps the engines' own late positions off the play state.

double ORXPlaybackController::framesPerSecond() const
{
    const double fps = m_player1->framesPerSecond();
    return fps > 0 ? fps : kDefaultFramesPerSecond;
}

qint64 ORXPlaybackController::frameAtTime(qint64 milliseconds) const
{
    // A time rounded down to the millisecond still counts as the frame that starts within it.
    return std::max<qint64>(0, qint64(std::floor(double(milliseconds + 1) * framesPerSecond() / 1000.0)));
}

qint64 ORXPlaybackController::frameTimeMs(qint64 frame) const
{
    return qint64(std::floor(double(frame) * 1000.0 / framesPerSecond() + 1e-6));
}

qint64 ORXPlaybackController::shownFrame() const
{
    return m_stepFrame >= 0 ? m_stepFrame : frameAtTime(m_player1->time().intValue());
}

bool ORXPlaybackController::canStepFrame() const
{
    const std::shared_ptr<VLCMedia> media = m_player1->media();
    if (!media || media->length().intValue() <= 0)
        return false;
    if (m_waitingForPlayStart || m_extracting || m_swapping || isPlaying(m_player1))
        return false;
    return !m_moving || m_stepping; // a seek or jump under way finishes first
}

void ORXPlaybackController::stepFrameForward()
{
    if (!canStepFrame())
        return;
    const qint64 length = m_player1->media()->length().intValue();
    const qint64 frame = shownFrame() + 1;
    if (frameTimeMs(frame) >= length)
        return; // the last frame is shown
    // With next-frame on, a step from a known frame is the engine's own next frame; from a
    // pause in playback the first step seeks, so that the frame both engines show is known
    // from then on. libVLC loses next-frames that come while it is still showing the one
    // before (a held key), so steps that quick seek too: seeks queued behind each other end
    // on the last one.
    const bool quick = m_stepClock.isValid() && m_stepClock.elapsed() < kQuickStepMs;
    stepToFrame(frame, m_stepUsesNextFrame && m_stepFrame >= 0 && !quick);
}

void ORXPlaybackController::stepFrameBackward()
{
    if (!canStepFrame())
        return;
    const qint64 length = m_player1->media()->length().intValue();
    // At the end of the file the engine reports the length: the last frame is the one before.
    const qint64 shown = std::min(shownFrame(), frameAtTime(length - 1) + 1);
    if (shown <= 0)
        return;
    stepToFrame(shown - 1, false);
}

void ORXPlaybackController::stepToFrame(qint64 frame, bool useNextFrame)
{
    const qint64 length = m_player1->media()->length().intValue();
    const qint64 ms = std::min(frameTimeMs(frame), length);
    if (useNextFrame) {
        m_player1->nextFrame();
        m_burstUsedNextFrame = true;
    } else {
        m_player1->setTime(VLCTime::timeWithInt(ms));
    }
    if (m_player2->media())
        m_player2->setTime(VLCTime::timeWithInt(ms));
    m_stepFrame = frame;
    m_stepClock.start();

    // The same road as a time change: the play state's position moves the slider, the
    // readouts, the trace bar and the map.
    const double position = std::clamp(double(ms) / double(length), 0.0, 1.0);
    m_stepping = true;
    m_moving = true;
    m_movingPosition = position;
    m_positionCounter = -1;
    m_view->setPositionSliderValue(position);
    m_playInfo->setPosition(position);
    const quint64 burst = ++m_stepBurst;
    later(kStepSettleMs, [this, burst] { endStepBurst(burst); });
    emit frameStepped(frame);
}

void ORXPlaybackController::endStepBurst(quint64 burst)
{
    if (burst != m_stepBurst || !m_stepping)
        return; // a later step settles the burst
    m_stepping = false;
    m_moving = false;
    if (m_pendingSeek >= 0) {
        // The slider was moved during the burst: go there now, as after any seek.
        forgetStep();
        seekTo(std::exchange(m_pendingSeek, -1.0));
        return;
    }
    if (std::exchange(m_burstUsedNextFrame, false) && m_stepFrame >= 0) {
        // Next-frames sent faster than libVLC shows them can be lost; once the key is let go
        // both engines are set on the frame the controller counted, so they end level.
        const VLCTime time = VLCTime::timeWithInt(frameTimeMs(m_stepFrame));
        m_player1->setTime(time);
        if (m_player2->media())
            m_player2->setTime(time);
    }
}
