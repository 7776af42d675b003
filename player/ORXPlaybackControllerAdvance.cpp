#include "ORXPlaybackController.h"

#include "ORXBlackBoxData.h"
#include "ORXPlayInfo.h"
#include "ORXPlaybackEngine.h"
#include "ORXPlayerView.h"

#include <QTimer>

#include <algorithm>

// The end of a recording and its close: the watch for the end, the automatic advance to the
// next pair, the delayed steps that belong to one start, and closing a recording for good.

namespace {
constexpr int kPausedState = ORXPlaybackEngine::kStatePaused;
} // namespace

// --- automatic advance --------------------------------------------------------------------

void ORXPlaybackController::startTimerPlayNext()
{
    if (!m_playStopTimer) {
        m_playStopTimer = new QTimer(this);
        m_playStopTimer->setInterval(1000);
        connect(m_playStopTimer, &QTimer::timeout, this, &ORXPlaybackController::timerPlayNext);
    }
    m_playStopTimer->start(); // restarts a running one
}

void ORXPlaybackController::timerPlayNext()
{
    if (m_preparingPlayNext || m_player1->state() != kPausedState || m_player1->position() < kEndPosition)
        return;
    m_preparingPlayNext = true;
    later(1000, [this] {
        if (m_player1->state() != kPausedState || m_player1->position() < kEndPosition) {
            m_preparingPlayNext = false; // the user went back meanwhile: no advance
            return;
        }
        if (m_bPlayNext)
            return;
        m_bPlayNext = true;
        playNext();
    });
}

bool ORXPlaybackController::playNext()
{
    if (m_playStopTimer) {
        m_playStopTimer->stop();
        m_playStopTimer->deleteLater(); // playNext may run from inside its tick
        m_playStopTimer = nullptr;
    }

    const std::shared_ptr<const ORXMediaList::Contents> contents = m_mediaList->contents();
    const qint64 next = nextPairRow(*contents);
    if (next < 0 || next >= contents->medias.size())
        return false;
    return playAtIndex(next);
}

qint64 ORXPlaybackController::nextPairRow(const ORXMediaList::Contents& contents) const
{
    // The next moment of the drive: the first row after mediaIndex that belongs to another
    // pair, whichever channel of this pair was picked and whichever is shown large now.
    const qint64 count = contents.medias.size();
    if (m_mediaIndex < 0 && m_advanceRow >= 0)
        return m_advanceRow; // the recording playing is hidden by the list's filter
    if (m_mediaIndex < 0 || m_mediaIndex >= count)
        return m_mediaIndex + 1;
    const QString group = contents.medias.at(m_mediaIndex)->mediaGroupName();
    qint64 next = m_mediaIndex + 1;
    while (next < count && !group.isEmpty() && contents.medias.at(next)->mediaGroupName() == group)
        ++next;
    return next;
}

void ORXPlaybackController::listFiltered()
{
    const ORXMediaPtr playing = m_player1->media() ? m_playingMedia : nullptr;
    if (!playing) {
        m_view->selectRow(-1);
        return;
    }
    const std::shared_ptr<const ORXMediaList::Contents> contents = m_mediaList->contents();
    const qint64 row = contents->medias.indexOf(playing);
    if (row >= 0) {
        m_mediaIndex = row;
        m_advanceRow = -1;
        m_view->selectRow(int(row));
        return;
    }
    // The list keeps its order, so the rows after the hidden recording are those that sort
    // after it; the first of another pair is where the advance goes on.
    const auto after =
        std::upper_bound(contents->medias.cbegin(), contents->medias.cend(), playing,
                         [](const ORXMediaPtr& a, const ORXMediaPtr& b) { return a->compareDate(*b) < 0; });
    qint64 next = after - contents->medias.cbegin();
    while (next < contents->medias.size() &&
           contents->medias.at(next)->mediaGroupName() == playing->mediaGroupName())
        ++next;
    m_mediaIndex = -1;
    m_advanceRow = next;
    m_view->selectRow(-1);
}

void ORXPlaybackController::later(int ms, std::function<void()> step)
{
    const quint64 generation = m_generation;
    QTimer::singleShot(ms, this, [this, generation, step = std::move(step)] {
        if (generation == m_generation)
            step();
    });
}

void ORXPlaybackController::closeRecording()
{
    ++m_generation;
    if (m_playStopTimer) {
        m_playStopTimer->stop();
        m_playStopTimer->deleteLater();
        m_playStopTimer = nullptr;
    }
    m_startWatchdog->stop();
    stopPlay();
    m_mediaIndex = -1;
    m_waitingForPlayStart = false;
    m_hasRearMedia = false;
    m_bPlayNext = false;
    m_preparingPlayNext = false;
    m_moving = false;
    m_swapping = false;
    m_pendingSeek = -1;
    m_stepping = false;
    forgetStep();
    m_advanceRow = -1;
    m_playingMedia.reset();
    m_blackBoxData->clear();
    m_playInfo->setIsPlaying(false);
    m_playInfo->setPosition(0);
    m_view->selectRow(-1);
    m_view->setPositionSliderValue(0);
    m_view->setVideoViewVisible(1, false);
    m_view->setVideoViewVisible(2, false);
    m_view->setAudioToggleVisible(false);
    m_view->setBackgroundLogos(QStringLiteral("v1_front_logo"), QStringLiteral("v2_rear_logo"));
    m_view->setGraphData({});
    m_view->resetTelemetryReadouts();
    if (!m_view->isLoadingStopped())
        m_view->hideLoading();
    emit recordingChanged(false);
}
