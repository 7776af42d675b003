#include "ORXPlaybackController.h"

#include "ORXBlackBoxData.h"
#include "ORXPlayInfo.h"
#include "ORXPlaybackEngine.h"
#include "ORXPlayerView.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcPlayback, "orvex.player")
// Step-by-step lines for following the controller; quiet unless enabled through
// QT_LOGGING_RULES="orvex.player.debug=true".
Q_LOGGING_CATEGORY(lcPlaybackDebug, "orvex.player.debug", QtInfoMsg)

namespace {
constexpr int kPausedState = ORXPlaybackEngine::kStatePaused;
} // namespace

ORXPlaybackController::ORXPlaybackController(ORXPlaybackEngine* player1, ORXPlaybackEngine* player2,
                                             ORXPlayInfo* playInfo, ORXMediaList* mediaList,
                                             ORXBlackBoxData* blackBoxData, ORXPlayerView* view,
                                             QObject* parent)
    : QObject(parent), m_player1(player1), m_player2(player2), m_playInfo(playInfo), m_mediaList(mediaList),
      m_blackBoxData(blackBoxData), m_view(view)
{
    Q_ASSERT(player1 && player2 && playInfo && mediaList && blackBoxData && view);
    for (ORXPlaybackEngine* engine : {m_player1, m_player2}) {
        connect(engine, &ORXPlaybackEngine::mediaPlayerStateChanged, this,
                &ORXPlaybackController::mediaPlayerStateChanged);
        connect(engine, &ORXPlaybackEngine::mediaPlayerTimeChanged, this,
                &ORXPlaybackController::mediaPlayerTimeChanged);
    }
    connect(m_playInfo, &ORXPlayInfo::audioMediaDirectionChanged, this, [this] { updateAudioUI(); });
    connect(this, &ORXPlaybackController::volumeChanged, this, [this] { updateAudioUI(); });

    m_startWatchdog = new QTimer(this);
    m_startWatchdog->setSingleShot(true);
    m_startWatchdog->setInterval(kStartTimeoutMs);
    connect(m_startWatchdog, &QTimer::timeout, this, [this] {
        if (!m_waitingForPlayStart || isExtracting())
            return;
        if (m_player2->media() && engineHasMediaAndPlays(m_player1)) {
            // The front plays but its partner never got going: play the one that works.
            dropFailedPartner();
            mediaPlayerStateChanged(m_player1);
            return;
        }
        qCWarning(lcPlayback, "mediaIndex=%lld did not start playing; new starts allowed again",
                  static_cast<long long>(m_mediaIndex));
        m_waitingForPlayStart = false;
    });
}

ORXPlaybackController::~ORXPlaybackController()
{
    // A running extraction ends with a blocking hand-back to this thread. Answer it here (the
    // hand-back sees m_destroying and does nothing) instead of waiting with the event loop
    // stopped, which would leave the worker and us waiting for each other.
    m_destroying.store(true);
    while (!m_extraction.isFinished()) {
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        QThread::msleep(1);
    }
}

void ORXPlaybackController::setStartTimeout(int milliseconds)
{
    m_startWatchdog->setInterval(std::max(0, milliseconds));
}

bool ORXPlaybackController::hasRecording() const
{
    return m_player1->media() != nullptr;
}

bool ORXPlaybackController::isExtracting() const
{
    return m_extracting;
}

void ORXPlaybackController::setVolume(int volume)
{
    m_volume = std::clamp(volume, 0, kMaxVolume);
    emit volumeChanged(m_volume); // on every set, as observers of the volume expect
}

// --- starting a recording --------------------------------------------------------------------

bool ORXPlaybackController::playAtIndex(qint64 index)
{
    // One snapshot of the list: a rebuild on the worker may publish a new one at any time.
    const std::shared_ptr<const ORXMediaList::Contents> contents = m_mediaList->contents();
    const qint64 count = contents->medias.size();
    if (count == 0 || m_waitingForPlayStart || isExtracting())
        return false;
    index = std::clamp<qint64>(index, 0, count - 1);

    // A new generation: delayed steps of the recording before (swap, resume, catch-up,
    // advance) find it changed and do nothing.
    ++m_generation;
    m_moving = false;
    m_swapping = false;
    m_preparingPlayNext = false;
    m_pendingSeek = -1;
    m_waitingForPlayStart = true;
    for (ORXPlaybackEngine* engine : {m_player1, m_player2}) {
        engine->stop();
        engine->setMedia(nullptr);
    }
    m_mediaIndex = index;
    m_playingMedia = contents->medias.at(index);
    m_view->selectRow(int(index));
    updateVideoUI(*contents);
    m_view->showLoading(QStringLiteral("Loading..."));
    emit recordingChanged(m_player1->media() != nullptr);

    // The telemetry always comes from the front file of the pair.
    std::shared_ptr<VLCMedia> front = m_player1->media();
    if (front && front->isRearMedia())
        front = m_player2->media();
    startExtraction(front ? front->url().toLocalFile() : QString());
    return true;
}

void ORXPlaybackController::updateVideoUI()
{
    updateVideoUI(*m_mediaList->contents());
}

void ORXPlaybackController::updateVideoUI(const ORXMediaList::Contents& contents)
{
    const ORXMediaPtr media = (m_mediaIndex >= 0 && m_mediaIndex < contents.medias.size())
                                  ? contents.medias.at(m_mediaIndex)
                                  : nullptr;
    ORXMediaPtr partner;
    if (media) {
        if (const ORXMediaPairPtr pair = contents.mediaPairDic.value(media->mediaGroupName()))
            partner = media->isRearMedia() ? pair->frontMedia() : pair->rearMedia();
        m_player1->setMedia(VLCMedia::mediaWithPath(media->path()));
    } else {
        m_player1->stop();
        m_player1->setMedia(nullptr);
    }
    if (media && media->isRearMedia())
        m_view->setBackgroundLogos(QStringLiteral("v1_rear_logo"), QStringLiteral("v2_front_logo"));
    else
        m_view->setBackgroundLogos(QStringLiteral("v1_front_logo"), QStringLiteral("v2_rear_logo"));
    if (partner) {
        m_player2->setMedia(VLCMedia::mediaWithPath(partner->path()));
    } else {
        m_player2->stop();
        m_player2->setMedia(nullptr);
    }
    const bool single = !m_player2->media();
    m_view->setVideoViewVisible(2, !single);
    m_view->setAudioToggleVisible(!single);
}

void ORXPlaybackController::startExtraction(const QString& frontPath)
{
    // Filled aside and handed over on the main thread, so the telemetry views never read a
    // holder that is half refilled. The copy keeps the holder's settings (wait, trace).
    auto extracted = std::make_shared<ORXBlackBoxData>(*m_blackBoxData);
    m_extracting = true;
    const quint64 generation = m_generation;
    m_extraction = QtConcurrent::run(QThreadPool::globalInstance(), [this, extracted, frontPath, generation] {
        if (!extracted->ExtractStreamInformation(frontPath) && !frontPath.isEmpty())
            qCWarning(lcPlayback, "no telemetry read from %s; playing without it", qPrintable(frontPath));
        QMetaObject::invokeMethod(
            this, [this, extracted, generation] { didExtract(extracted, generation); },
            Qt::BlockingQueuedConnection);
    });
}

void ORXPlaybackController::didExtract(const std::shared_ptr<ORXBlackBoxData>& extracted, quint64 generation)
{
    if (m_destroying.load())
        return;
    m_extracting = false;
    if (generation != m_generation)
        return; // the recording was closed while its telemetry was read
    *m_blackBoxData = std::move(*extracted);
    m_view->setGraphData(m_blackBoxData->m_GSensors());
    initMediaControlView();
    startPlayers();
    startWatchingStart();
}

void ORXPlaybackController::startPlayers()
{
    m_player1->play();
    m_hasRearMedia = false;
    if (m_player2->media()) {
        m_player2->play();
        m_hasRearMedia = true;
    }
    m_bPlayNext = false;
}

void ORXPlaybackController::startWatchingStart()
{
    m_startWatchdog->start();
}

void ORXPlaybackController::initMediaControlView()
{
    m_waitingForPlayStart = true;
    forgetStep();
    m_stepping = false;
    m_advanceRow = -1;
    m_view->setPositionSliderValue(0);
    setVideoScaleIndex(0);
    m_view->updateSideViewButton();
    m_playInfo->setSpeed(1.0);
    m_player1->setRate(1.f);
    m_player2->setRate(1.f);
    m_playInfo->setPosition(0);
    m_view->resetTelemetryReadouts();
}

// --- engine events ----------------------------------------------------------------------------

bool ORXPlaybackController::engineHasMediaAndPlays(const ORXPlaybackEngine* engine) const
{
    return engine->media() && engine->isPlaying();
}

void ORXPlaybackController::updateVideoViewsVisibility(bool p1, bool p2)
{
    m_view->setVideoViewVisible(1, p1 || m_player1->state() == kPausedState);
    m_view->setVideoViewVisible(2, p2 || m_player2->state() == kPausedState);
}

bool ORXPlaybackController::partnerFailed() const
{
    if (!m_player2->media())
        return false;
    const int state = m_player2->state();
    // An error, or an end before it ever played (a file libVLC opens but cannot decode).
    return state == ORXPlaybackEngine::kStateError || (m_waitingForPlayStart && state == kPausedState);
}

void ORXPlaybackController::dropFailedPartner()
{
    qCWarning(lcPlayback, "partner %s does not play; playing %s alone",
              qPrintable(m_player2->media()->url().toLocalFile()),
              m_player1->media() ? qPrintable(m_player1->media()->url().toLocalFile()) : "nothing");
    m_player2->stop();
    m_player2->setMedia(nullptr);
    m_hasRearMedia = false;
    m_view->setVideoViewVisible(2, false);
    m_view->setAudioToggleVisible(false);
}

void ORXPlaybackController::mediaPlayerStateChanged(ORXPlaybackEngine* /*sender*/)
{
    if (m_player1->media() && partnerFailed())
        dropFailedPartner();
    const bool p1 = engineHasMediaAndPlays(m_player1);
    const bool p2 = engineHasMediaAndPlays(m_player2);
    updateVideoViewsVisibility(p1, p2);
    if (p1)
        forgetStep(); // playing on: the frame shown is the engine's again

    if (m_player1->media() && m_player2->media()) {
        if (m_player1->state() == kPausedState && m_player2->state() == kPausedState) {
            didFinishPlay();
            return;
        }
        if (!(p1 && p2))
            return;
    } else {
        if (!m_player1->media())
            return;
        if (m_player1->state() == kPausedState) {
            didFinishPlay();
            return;
        }
        if (!p1)
            return;
    }

    if (m_waitingForPlayStart) {
        m_waitingForPlayStart = false;
        m_startWatchdog->stop();
        didStartPlayer();
        startTimerPlayNext();
        m_preparingPlayNext = false;
    } else {
        updateAudioUI();
    }
}

void ORXPlaybackController::mediaPlayerTimeChanged(ORXPlaybackEngine* sender)
{
    updateVideoViewsVisibility(engineHasMediaAndPlays(m_player1), engineHasMediaAndPlays(m_player2));
    m_preparingPlayNext = false;
    if (!m_view->isLoadingStopped()) {
        // The first time event of a recording: the picture is there, the sound can be chosen.
        m_view->hideLoading();
        chooseAudioAuto();
    }
    m_playInfo->setIsPlaying(isPlaying(m_player1));

    if (m_moving) {
        m_positionCounter = -1;
        if (m_movingPosition > 0)
            m_playInfo->setPosition(m_movingPosition);
    } else if (sender == m_player1) {
        // The position (and the telemetry readouts that follow it) moves on every third event.
        m_positionCounter = (m_positionCounter + 1) % 3;
        if (m_positionCounter == 0)
            m_playInfo->setPosition(m_player1->position());
    }
}

void ORXPlaybackController::didStartPlayer()
{
    if (!m_player1->media())
        return;
    m_playInfo->setSpeed(m_player1->rate());
    m_playInfo->setIsPlaying(isPlaying(m_player1));
    chooseAudioAuto();
    if (m_playInfo->scale() == 0 && m_player1->hasVideoOut() && m_player1->videoSize().width() > 0)
        updatePlayInfoScale();
}

void ORXPlaybackController::didFinishPlay()
{
    m_playInfo->setPosition(m_player1->position());
    m_playInfo->setIsPlaying(isPlaying(m_player1));
}

bool ORXPlaybackController::isPlaying(const ORXPlaybackEngine* engine) const
{
    return engine && engine->media() && engine->isPlaying() &&
           engine->remainingTime().stringValue() != QLatin1String("00:00");
}

bool ORXPlaybackController::hasAudio(const ORXPlaybackEngine* engine) const
{
    return engine && engine->media() && !engine->audioTrackIndexes().isEmpty();
}

void ORXPlaybackController::updatePlayInfoScale()
{
    if (!m_player1->isPlaying() || !m_player1->hasVideoOut())
        return;
    const int videoHeight = m_player1->videoSize().height();
    if (videoHeight <= 0)
        return; // size not known yet
    m_playInfo->setScale(m_view->videoContainerHeight() / videoHeight);
}

// --- transport --------------------------------------------------------------------------------

void ORXPlaybackController::stopPlay()
{
    for (ORXPlaybackEngine* engine : {m_player1, m_player2}) {
        engine->pause();
        engine->setMedia(nullptr);
    }
}

void ORXPlaybackController::changeAndPlay()
{
    const int row = m_view->selectedRow();
    qCDebug(lcPlaybackDebug, "selectedRow=%ld,mediaIndex=%ld,isPlaying=%d,count=%ld", long(row),
            long(m_mediaIndex), int(m_player1->isPlaying()), long(m_mediaList->count()));
    if (row != m_mediaIndex) {
        playAtIndex(row);
        return;
    }
    // The row already loaded: restart it from the beginning when it is paused, else resume.
    if (m_player1->state() == kPausedState)
        setEnginesPosition(0.f);
    m_player1->play();
    if (m_player2->media()) {
        m_player2->play();
        syncVideoPositionDelay(0.1);
    }
}

void ORXPlaybackController::clickPlayButton()
{
    if (!m_player1->media())
        return;
    if (m_playInfo->isPlaying()) {
        for (ORXPlaybackEngine* engine : {m_player1, m_player2}) {
            if (isPlaying(engine))
                engine->pause();
        }
    } else if (m_player1->position() >= kEndPosition) {
        const double slider = m_view->positionSliderValue();
        if (slider >= kEndPosition) {
            // At the end with the slider at the end: start the same row again.
            m_player1->setMedia(nullptr);
            m_player2->setMedia(nullptr);
            playAtIndex(m_mediaIndex);
            return;
        }
        // The slider was moved back meanwhile: resume from there.
        const qint64 length = m_player1->media()->length().intValue();
        const VLCTime time = VLCTime::timeWithInt(qint64(slider * double(length)));
        m_player1->setTime(time);
        m_player2->setTime(time);
        later(100, [this] {
            m_player1->play();
            if (m_player2->media())
                m_player2->play();
        });
    } else {
        m_player1->play();
        if (m_player2->media()) {
            m_player2->play();
            syncVideoPositionDelay(0.3);
        }
    }
}

// --- sound ---------------------------------------------------------------------------------

void ORXPlaybackController::volumeSliderMoved(int value)
{
    setVolume(value);
}

void ORXPlaybackController::volumeUp()
{
    setVolume(std::min(m_volume + kVolumeStep, kMaxVolume));
}

void ORXPlaybackController::volumeDown()
{
    setVolume(std::max(m_volume - kVolumeStep, 0));
}

void ORXPlaybackController::chooseAudioAuto()
{
    if (!hasAudio(m_player1) && !hasAudio(m_player2)) {
        m_playInfo->setAudioMediaDirection(2);
        return;
    }
    const ORXPlaybackEngine* engine = hasAudio(m_player1) ? m_player1 : m_player2;
    const std::shared_ptr<VLCMedia> media = engine->media();
    m_playInfo->setAudioMediaDirection(media ? media->mediaDirection() : 2);
}

void ORXPlaybackController::toggleAudioChoice()
{
    m_playInfo->setAudioMediaDirection(m_view->isAudioToggleOn() ? 1 : 0);
}

ORXPlaybackEngine* ORXPlaybackController::engineForDirection(int direction) const
{
    for (ORXPlaybackEngine* engine : {m_player1, m_player2}) {
        const std::shared_ptr<VLCMedia> media = engine->media();
        if (media && media->mediaDirection() == direction)
            return engine;
    }
    return nullptr;
}

void ORXPlaybackController::updateAudioUI()
{
    const int direction = m_playInfo->audioMediaDirection();
    ORXPlaybackEngine* wanted = nullptr;
    if (direction == 0 || direction == 1) {
        // A choice between two channels only exists while a partner is loaded.
        m_view->setAudioToggleVisible(m_player2->media() != nullptr);
        m_view->setAudioToggleOn(direction == 1);
        wanted = engineForDirection(direction);
    } else if (direction == 2) {
        m_view->setAudioToggleVisible(false);
    }
    ORXPlaybackEngine* other = wanted == m_player1 ? m_player2 : m_player1;
    if (wanted) {
        wanted->setMute(false);
        wanted->setVolume(m_volume);
        other->setMute(true);
    } else {
        m_player1->setMute(true);
        m_player2->setMute(true);
    }
    m_view->setVolumeSliderValue(m_volume);
}

// --- window size ---------------------------------------------------------------------------

void ORXPlaybackController::sizeUp()
{
    if (m_player1->isPlaying())
        setVideoScaleIndex(+1);
}

void ORXPlaybackController::sizeDown()
{
    if (m_player1->isPlaying())
        setVideoScaleIndex(-1);
}

void ORXPlaybackController::setVideoScaleIndex(int step)
{
    const QRect screen = m_view->screenFrame();
    const QRect window = m_view->windowFrame();
    const QSize minimum = minWindowSize();
    QSize size(int(std::lround(window.width() + minimum.width() * (step * 0.2))),
               int(std::lround(window.height() + minimum.height() * (step * 0.2))));
    if (step > 0) {
        if (m_view->isFullScreen())
            return;
        if (size.width() > screen.width() || size.height() > screen.height() - 100) {
            m_view->enterFullscreen();
            return;
        }
    } else if (m_view->isFullScreen()) {
        m_view->leaveFullscreen();
        return;
    }
    if (size.width() < minimum.width() || size.height() < minimum.height())
        size = minimum;
    m_view->setWindowFrame(QRect(window.topLeft(), size), true);
}
