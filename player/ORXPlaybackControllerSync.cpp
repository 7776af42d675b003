#include "ORXPlaybackController.h"

#include "ORXPlayInfo.h"
#include "ORXPlaybackEngine.h"
#include "ORXPlayerView.h"

#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

// Seeks, jumps, speed and swaps: everything that moves the two engines together and brings
// player2 back level with player1 afterwards.

Q_DECLARE_LOGGING_CATEGORY(lcPlayback)
Q_DECLARE_LOGGING_CATEGORY(lcPlaybackDebug)

// --- seeking and jumping -------------------------------------------------------------------

void ORXPlaybackController::setEnginesPosition(float position)
{
    m_player1->setPosition(position);
    m_player2->setPosition(position);
}

void ORXPlaybackController::setEnginesToEnd()
{
    for (ORXPlaybackEngine* engine : {m_player1, m_player2}) {
        if (const std::shared_ptr<VLCMedia> media = engine->media())
            engine->setTime(media->length());
    }
}

void ORXPlaybackController::videoPositionSliderMoved()
{
    const double slider = m_view->positionSliderValue();
    qCDebug(lcPlaybackDebug, "[%s] position slider moved:%f <=> %f", "D ", m_playInfo->position(), slider);
    m_playInfo->setIsPlaying(isPlaying(m_player1));
    if (m_moving) {
        // A seek is under way: keep the latest place asked for and go there once it is done,
        // so that the place where a drag ends is never lost.
        if (!m_swapping && m_player1->media()) {
            m_pendingSeek = slider;
            m_movingPosition = slider;
        }
        return;
    }
    seekTo(slider);
}

void ORXPlaybackController::seekTo(double position)
{
    forgetStep();
    if (position < kEndPosition) {
        m_moving = true;
        m_movingPosition = position;
        setEnginesPosition(float(position));
        syncVideoPositionDelay(0.3);
    } else {
        setEnginesToEnd();
    }
}

void ORXPlaybackController::jumpForward()
{
    const VLCTime remaining = m_player1->remainingTime();
    qCDebug(lcPlaybackDebug, "[%s] _player1.time=%s,remainingTime.stringValue=%s", "D ",
            qPrintable(m_player1->time().stringValue()), qPrintable(remaining.stringValue()));
    if (m_moving || !m_player1->media())
        return;
    forgetStep();
    if (remaining.intValue() / 1000 > -kJumpSeconds) {
        setEnginesToEnd(); // less than a jump left
        return;
    }
    m_moving = true;
    const qint64 length = m_player1->media()->length().intValue();
    const double step = length > 0 ? kJumpSeconds * 1000.0 / double(length) : 0.0;
    m_movingPosition = std::min(1.0, double(m_player1->position()) + step);
    m_view->setPositionSliderValue(m_movingPosition);
    m_player1->jumpForward(kJumpSeconds);
    syncVideoPositionDelay(0.3);
}

void ORXPlaybackController::jumpBackward()
{
    if (m_moving || !m_player1->media())
        return;
    forgetStep();
    if (m_player1->time().intValue() / 1000 < kJumpSeconds) {
        m_player1->setTime(VLCTime::nullTime()); // less than a jump played: to the start
        m_player2->setTime(VLCTime::nullTime());
    } else {
        m_moving = true;
        m_movingPosition = m_view->positionSliderValue();
        m_player1->jumpBackward(kJumpSeconds);
        syncVideoPositionDelay(0.3);
    }
    updateAudioUI();
}

void ORXPlaybackController::increaseSpeed()
{
    if (m_playInfo->speed() + 1.0 > 2.0)
        return;
    for (ORXPlaybackEngine* engine : {m_player1, m_player2})
        engine->setRate(engine->rate() + 1.f);
    m_playInfo->setSpeed(m_playInfo->speed() + 1.0);
}

void ORXPlaybackController::decreaseSpeed()
{
    if (m_playInfo->speed() <= 1.0)
        return;
    for (ORXPlaybackEngine* engine : {m_player1, m_player2})
        engine->setRate(engine->rate() - 1.f);
    m_playInfo->setSpeed(m_playInfo->speed() - 1.0);
}

// --- keeping player2 in step --------------------------------------------------------------

void ORXPlaybackController::syncVideoPositionDelay(double seconds)
{
    const auto seekPending = [this] {
        if (m_pendingSeek < 0)
            return false;
        const double pending = std::exchange(m_pendingSeek, -1.0);
        seekTo(pending);
        return true;
    };
    if (!m_player1->media() || !m_player2->media()) {
        m_moving = false;
        seekPending();
        return;
    }
    later(int(std::lround(seconds * 1000)), [this, seekPending] {
        m_moving = false;
        if (seekPending())
            return; // that seek brings player2 along in its own time
        const float position = m_player1->position();
        // Moving player2 alone leaves it behind by the time its seek takes while player1
        // plays on (one to two frames with libVLC); seeking both together keeps them level.
        if (m_syncSeeksBoth && m_player1->isPlaying() && position < kEndPosition)
            m_player1->setPosition(position);
        m_player2->setPosition(position);
    });
}

// --- swapping the channels ---------------------------------------------------------------

void ORXPlaybackController::setBackgroundLogosForMedia()
{
    const std::shared_ptr<VLCMedia> media1 = m_player1->media();
    const std::shared_ptr<VLCMedia> media2 = m_player2->media();
    m_view->setBackgroundLogos(media1 && media1->isRearMedia() ? QStringLiteral("v1_rear_logo")
                                                               : QStringLiteral("v1_front_logo"),
                               media2 && media2->isFrontMedia() ? QStringLiteral("v2_front_logo")
                                                                : QStringLiteral("v2_rear_logo"));
}

void ORXPlaybackController::swapPlayer()
{
    if (!isPlaying(m_player1) || !isPlaying(m_player2) || m_swapping)
        return;
    m_swapping = true;
    const float position = m_player1->position();

    m_player1->pause();
    m_player2->pause();
    const std::shared_ptr<VLCMedia> media1 = m_player1->media();
    m_player1->setMedia(m_player2->media());
    m_player2->setMedia(media1);
    m_player1->play();
    m_player2->play();
    // Both files open again at their start: ask for the moment shown before right away, so
    // that neither picture goes back to the first frame while the views fly in.
    setEnginesPosition(position);
    setBackgroundLogosForMedia();

    m_moving = true;
    m_movingPosition = position;
    m_view->animateSwap();

    later(800, [this, position] {
        m_moving = false;
        setEnginesPosition(position);
    });
    m_player1->setMute(true);
    m_player2->setMute(true);
    later(1700, [this] {
        m_swapping = false;
        updateAudioUI();
    });
}
