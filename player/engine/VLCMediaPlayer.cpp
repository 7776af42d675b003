#include "VLCMediaPlayer.h"

#include "ORXAviDeclaredFormat.h"

#include "VLCLibrary.h"
#include "VLCVideoView.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QTimer>

#include <vlc/vlc.h>

#include <algorithm>
#include <cstring>
#include <utility>

Q_DECLARE_LOGGING_CATEGORY(lcEngine)

namespace {
constexpr libvlc_event_e kStateEvents[] = {
    libvlc_MediaPlayerOpening, libvlc_MediaPlayerPlaying,    libvlc_MediaPlayerPaused,
    libvlc_MediaPlayerStopped, libvlc_MediaPlayerEndReached, libvlc_MediaPlayerEncounteredError,
};
constexpr libvlc_event_e kOtherEvents[] = {libvlc_MediaPlayerTimeChanged, libvlc_MediaPlayerLengthChanged};
constexpr int kRenewalTimeoutMs = 3000; // a renewal that has not played again by then is over
constexpr qint64 kRenewalSlackMs = 500; // how far before its start time a renewal may report
} // namespace

VLCMediaPlayer::VLCMediaPlayer(VLCVideoView* videoView, QObject* parent)
    : ORXPlaybackEngine(parent), m_view(videoView)
{
    VLCLibrary* library = VLCLibrary::sharedLibrary();
    if (!library->isValid())
        return;
    m_player = libvlc_media_player_new(library->instance());
    if (!m_player) {
        qCWarning(lcEngine, "libvlc_media_player_new failed: %s", libvlc_errmsg());
        return;
    }
    if (videoView) {
        m_sink = videoView->frameSink();
        libvlc_video_set_callbacks(m_player, &VLCMediaPlayer::onVideoLock, nullptr,
                                   &VLCMediaPlayer::onVideoDisplay, this);
        libvlc_video_set_format_callbacks(m_player, &VLCMediaPlayer::onVideoFormat,
                                          &VLCMediaPlayer::onVideoCleanup);
        connect(videoView, &VLCVideoView::pictureSizeChanged, this, &VLCMediaPlayer::renewVideoOutput);
        connect(videoView, &VLCVideoView::wantsPicturesChanged, this, &VLCMediaPlayer::followViewShown);
    }
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(m_player);
    for (libvlc_event_e type : kStateEvents)
        libvlc_event_attach(events, type, &VLCMediaPlayer::onEvent, this);
    for (libvlc_event_e type : kOtherEvents)
        libvlc_event_attach(events, type, &VLCMediaPlayer::onEvent, this);
}

VLCMediaPlayer::~VLCMediaPlayer()
{
    if (!m_player)
        return;
    // Detaching waits for a callback that is running, so none can reach us afterwards.
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(m_player);
    for (libvlc_event_e type : kStateEvents)
        libvlc_event_detach(events, type, &VLCMediaPlayer::onEvent, this);
    for (libvlc_event_e type : kOtherEvents)
        libvlc_event_detach(events, type, &VLCMediaPlayer::onEvent, this);
    libvlc_media_player_stop(m_player); // joins the decoder and display threads
    libvlc_media_player_release(m_player);
}

// --- libVLC callbacks (libVLC's threads) ---------------------------------------------------

void VLCMediaPlayer::onEvent(const libvlc_event_t* event, void* opaque)
{
    auto* self = static_cast<VLCMediaPlayer*>(opaque);
    switch (event->type) {
    case libvlc_MediaPlayerTimeChanged:
        QMetaObject::invokeMethod(
            self, [self] { self->handleTimeEvent(); }, Qt::QueuedConnection);
        break;
    case libvlc_MediaPlayerLengthChanged: {
        const qint64 length = event->u.media_player_length_changed.new_length;
        QMetaObject::invokeMethod(
            self, [self, length] { self->handleLengthEvent(length); }, Qt::QueuedConnection);
        break;
    }
    default:
        QMetaObject::invokeMethod(
            self, [self] { self->handleStateEvent(); }, Qt::QueuedConnection);
        break;
    }
}

unsigned VLCMediaPlayer::onVideoFormat(void** opaque, char* chroma, unsigned* width, unsigned* height,
                                       unsigned* pitches, unsigned* lines)
{
    auto* self = static_cast<VLCMediaPlayer*>(*opaque);
    // RV32 is 0xXXRRGGBB per pixel in host order: QImage::Format_RGB32 as it stands.
    std::memcpy(chroma, "RV32", 4);
    if (*width == 0 || *height == 0 || *width > 8192 || *height > 8192)
        return 0;
    // libVLC proposes the decoder's buffer size, padded to its block size (a 640x360 MJPEG
    // stream arrives as 640x384), and scales the picture to whatever size is asked for here.
    // The file's declared size gives the picture's true aspect; the sink asks for the size the
    // view shows it at, so that libVLC's converter scales and converts in one pass.
    QSize source{int(*width), int(*height)};
    const int declaredWidth = self->m_declaredWidth.load();
    const int declaredHeight = self->m_declaredHeight.load();
    if (declaredWidth > 0 && declaredHeight > 0)
        source = QSize(declaredWidth, declaredHeight);
    const VLCVideoFrameFormat format = self->m_sink->configure(source);
    if (!format.isValid())
        return 0;
    *width = unsigned(format.width);
    *height = unsigned(format.height);
    pitches[0] = unsigned(format.pitch);
    lines[0] = unsigned(format.lines);
    return 1;
}

void VLCMediaPlayer::onVideoCleanup(void* opaque)
{
    static_cast<VLCMediaPlayer*>(opaque)->m_sink->release();
}

void* VLCMediaPlayer::onVideoLock(void* opaque, void** planes)
{
    planes[0] = static_cast<VLCMediaPlayer*>(opaque)->m_sink->backBuffer();
    return nullptr;
}

void VLCMediaPlayer::onVideoDisplay(void* opaque, void*)
{
    static_cast<VLCMediaPlayer*>(opaque)->m_sink->present();
}

// --- events on the main thread -----------------------------------------------------------

void VLCMediaPlayer::handleStateEvent()
{
    const libvlc_state_t state = m_player ? libvlc_media_player_get_state(m_player) : libvlc_NothingSpecial;
    bool reloaded = false; // a reload after a seek at the end pauses now: no renewal on top
    if (state == libvlc_Playing) {
        applySound();
        followViewShown(); // a new input selects its video track again
        if (m_reloadSeekMs >= 0) {
            finishReload();
            reloaded = true;
        }
    }
    if (m_renewing) {
        // The stop, the opening and the playing of a renewal are not the controller's
        // business (the first time event at the old place ends it); an error ends it openly.
        if (state == libvlc_Error || state == libvlc_Ended) {
            endRenewal();
            emit mediaPlayerStateChanged(this);
        }
        return;
    }
    emit mediaPlayerStateChanged(this);
    if (state == libvlc_Playing && !reloaded && m_sink && m_sink->needsNewFormat())
        renewVideoOutput(); // the view changed size while the output was being made, or paused
}

void VLCMediaPlayer::finishReload()
{
    // The reloaded file plays now and can seek: go to the place asked for, and pause there
    // unless play() was asked for meanwhile.
    const qint64 target = std::exchange(m_reloadSeekMs, -1);
    libvlc_media_player_set_time(m_player, target);
    if (!std::exchange(m_playAfterReload, false))
        libvlc_media_player_set_pause(m_player, 1);
}

void VLCMediaPlayer::seekEnded(qint64 milliseconds)
{
    // An ended libVLC player has no input left to seek in: load the file again and start it;
    // the seek and the pause follow once it plays (finishReload). Until then the engine
    // reports itself paused at the place asked for, as a seek in a paused file would.
    if (m_reloadSeekMs < 0) {
        // Opened at the place asked for, so that the first picture decoded (the one shown
        // paused) is the one there, not the file's first.
        m_playAfterReload = false;
        loadMedia(std::max<qint64>(0, milliseconds));
        libvlc_media_player_play(m_player);
    }
    m_reloadSeekMs = std::max<qint64>(0, milliseconds);
}

void VLCMediaPlayer::handleTimeEvent()
{
    if (m_renewing) {
        // libVLC reports 0 for a moment before the start time takes hold.
        if (!m_player || libvlc_media_player_get_state(m_player) != libvlc_Playing ||
            libvlc_media_player_get_time(m_player) < m_renewAt - kRenewalSlackMs)
            return;
        endRenewal();
        emit videoOutputRenewed(this);
    }
    emit mediaPlayerTimeChanged(this);
}

// --- a hidden view ---------------------------------------------------------------------------

void VLCMediaPlayer::followViewShown()
{
    if (!m_player || !m_media || !m_view)
        return;
    const int track = libvlc_video_get_track(m_player);
    if (!m_view->wantsPictures()) {
        // Nobody sees the pictures (the small view in full screen): no decoding, no
        // converting. The input goes on, paced by its sound, so the time and the telemetry
        // still follow. A file without sound is paced by its pictures alone (without them
        // libVLC reads it to the end at once): it is decoded on.
        if (track >= 0 && !audioTrackIndexes().isEmpty())
            libvlc_video_set_track(m_player, -1);
        return;
    }
    if (track >= 0)
        return;
    int first = -1;
    libvlc_track_description_t* list = libvlc_video_get_track_description(m_player);
    for (libvlc_track_description_t* entry = list; entry && first < 0; entry = entry->p_next)
        first = entry->i_id; // -1 is libVLC's "Disable" entry
    if (list)
        libvlc_track_description_list_release(list);
    if (first < 0)
        return; // no input, or no video in it
    libvlc_video_set_track(m_player, first);
    // The new decoder starts where the demuxer is; a seek to the present moment makes it decode
    // the picture of now at once, paused or playing, whatever the distance between key frames.
    const libvlc_time_t now = libvlc_media_player_get_time(m_player);
    if (now >= 0)
        libvlc_media_player_set_time(m_player, now);
}

// --- a new picture size --------------------------------------------------------------------

void VLCMediaPlayer::renewVideoOutput()
{
    if (!m_player || !m_media || !m_sink || m_renewing || m_reloadSeekMs >= 0 || !m_sink->needsNewFormat())
        return;
    // A paused picture is scaled while painting; the output is renewed when it plays again.
    if (libvlc_media_player_get_state(m_player) != libvlc_Playing)
        return;
    m_renewAt = std::max<qint64>(0, libvlc_media_player_get_time(m_player));
    qCDebug(lcEngine, "new picture size: video output renewed at %lld ms", static_cast<long long>(m_renewAt));
    const float rate = libvlc_media_player_get_rate(m_player);
    m_renewing = true;
    m_pauseAfterRenewal = false;
    m_renewClock.start();
    libvlc_media_player_stop(m_player); // ends the video output; the next one asks anew
    loadMedia(m_renewAt);
    libvlc_media_player_set_rate(m_player, rate);
    libvlc_media_player_play(m_player);
    QTimer::singleShot(kRenewalTimeoutMs, this, [this] {
        if (m_renewing && m_renewClock.elapsed() >= kRenewalTimeoutMs - 100) {
            endRenewal();
            emit mediaPlayerStateChanged(this);
        }
    });
}

void VLCMediaPlayer::endRenewal()
{
    m_renewing = false;
    if (m_pauseAfterRenewal) {
        m_pauseAfterRenewal = false;
        pause();
    }
}

void VLCMediaPlayer::handleLengthEvent(qint64 length)
{
    if (m_media && length > 0)
        m_media->setLength(VLCTime::timeWithInt(length));
}

// --- media and transport -------------------------------------------------------------------

void VLCMediaPlayer::setMedia(std::shared_ptr<VLCMedia> media)
{
    m_renewing = false;
    m_media = std::move(media);
    m_reloadSeekMs = -1;
    m_playAfterReload = false;
    if (m_view)
        m_view->clearFrame();
    loadMedia();
}

void VLCMediaPlayer::loadMedia(qint64 startMs)
{
    if (!m_player)
        return;
    m_pausedSeek = false;
    if (m_view)
        m_view->updatePictureBox(); // the size the next video output is made for
    const ORXAviDeclaredFormat declared =
        m_media ? ORXAviDeclaredFormat::read(m_media->url().toLocalFile()) : ORXAviDeclaredFormat();
    m_declaredWidth = declared.frameSize.isValid() ? declared.frameSize.width() : 0;
    m_declaredHeight = declared.frameSize.isValid() ? declared.frameSize.height() : 0;
    m_framesPerSecond = declared.framesPerSecond;
    if (!m_media) {
        libvlc_media_player_set_media(m_player, nullptr);
        return;
    }
    const QByteArray path = QFile::encodeName(m_media->url().toLocalFile());
    libvlc_media_t* media = libvlc_media_new_path(VLCLibrary::sharedLibrary()->instance(), path.constData());
    if (!media) {
        qCWarning(lcEngine, "cannot open %s: %s", path.constData(), libvlc_errmsg());
        libvlc_media_player_set_media(m_player, nullptr);
        return;
    }
    if (startMs > 0) {
        const QByteArray start = ":start-time=" + QByteArray::number(double(startMs) / 1000.0, 'f', 3);
        libvlc_media_add_option(media, start.constData());
    }
    libvlc_media_player_set_media(m_player, media);
    libvlc_media_release(media);
}

bool VLCMediaPlayer::hasEnded() const
{
    return m_player && !m_renewing && libvlc_media_player_get_state(m_player) == libvlc_Ended;
}

void VLCMediaPlayer::play()
{
    if (!m_player || !m_media)
        return;
    m_pausedSeek = false;
    if (m_reloadSeekMs >= 0) {
        m_playAfterReload = true; // reloading after a seek at the end: play on from there
        return;
    }
    if (m_renewing) {
        m_pauseAfterRenewal = false;
        return;
    }
    if (m_view)
        m_view->updatePictureBox();
    if (hasEnded())
        loadMedia();
    libvlc_media_player_play(m_player);
}

void VLCMediaPlayer::pause()
{
    m_playAfterReload = false;
    if (m_renewing) {
        // libVLC 3 stops rather than pauses an input that is still opening.
        m_pauseAfterRenewal = true;
        return;
    }
    if (m_player && m_reloadSeekMs < 0)
        libvlc_media_player_set_pause(m_player, 1);
}

void VLCMediaPlayer::stop()
{
    m_reloadSeekMs = -1;
    m_playAfterReload = false;
    m_renewing = false;
    if (m_player)
        libvlc_media_player_stop(m_player);
}

bool VLCMediaPlayer::isPlaying() const
{
    if (m_reloadSeekMs >= 0)
        return false; // still on the way to the place asked for
    if (m_renewing)
        return !m_pauseAfterRenewal;
    return m_player && libvlc_media_player_is_playing(m_player) != 0;
}

int VLCMediaPlayer::state() const
{
    if (!m_player)
        return libvlc_NothingSpecial;
    if (m_reloadSeekMs >= 0)
        return kStatePaused;
    if (m_renewing)
        return m_pauseAfterRenewal ? kStatePaused : int(libvlc_Playing);
    const libvlc_state_t state = libvlc_media_player_get_state(m_player);
    if (state == libvlc_Paused || state == libvlc_Ended)
        return kStatePaused;
    return int(state);
}

float VLCMediaPlayer::position() const
{
    if (!m_player)
        return 0.f;
    if (m_reloadSeekMs >= 0) {
        const qint64 length = m_media ? m_media->length().intValue() : 0;
        return length > 0 ? std::clamp(float(double(m_reloadSeekMs) / double(length)), 0.f, 1.f) : 0.f;
    }
    if (hasEnded())
        return 1.f;
    if (m_renewing && m_media && m_media->length().intValue() > 0)
        return std::clamp(float(double(m_renewAt) / double(m_media->length().intValue())), 0.f, 1.f);
    return std::clamp(libvlc_media_player_get_position(m_player), 0.f, 1.f);
}

void VLCMediaPlayer::setPosition(float position)
{
    if (!m_player || !m_media)
        return;
    position = std::clamp(position, 0.f, 1.f);
    const qint64 length = m_media->length().intValue();
    m_pausedSeek = true; // as long as no play() follows
    if ((hasEnded() || m_reloadSeekMs >= 0) && length > 0) {
        seekEnded(qint64(double(position) * double(length)));
        return;
    }
    if (m_renewing)
        m_renewAt = qint64(double(position) * double(length));
    libvlc_media_player_set_position(m_player, position);
}

VLCTime VLCMediaPlayer::time() const
{
    if (!m_player)
        return VLCTime::nullTime();
    if (m_reloadSeekMs >= 0)
        return VLCTime::timeWithInt(m_reloadSeekMs);
    if (hasEnded() && m_media)
        return m_media->length();
    if (m_renewing)
        return VLCTime::timeWithInt(m_renewAt);
    return VLCTime::timeWithInt(std::max<qint64>(0, libvlc_media_player_get_time(m_player)));
}

void VLCMediaPlayer::setTime(const VLCTime& time)
{
    if (!m_player || !m_media)
        return;
    m_pausedSeek = true; // as long as no play() follows
    if (hasEnded() || m_reloadSeekMs >= 0) {
        seekEnded(time.intValue());
        return;
    }
    if (m_renewing)
        m_renewAt = std::max<qint64>(0, time.intValue());
    libvlc_media_player_set_time(m_player, std::max<qint64>(0, time.intValue()));
}

VLCTime VLCMediaPlayer::remainingTime() const
{
    if (!m_player || !m_media)
        return VLCTime::nullTime();
    const qint64 length =
        std::max<qint64>(m_media->length().intValue(), libvlc_media_player_get_length(m_player));
    return VLCTime::timeWithInt(std::min<qint64>(0, time().intValue() - length));
}

float VLCMediaPlayer::rate() const
{
    return m_player ? libvlc_media_player_get_rate(m_player) : 1.f;
}

void VLCMediaPlayer::setRate(float rate)
{
    if (m_player && rate > 0.f)
        libvlc_media_player_set_rate(m_player, rate);
}

void VLCMediaPlayer::jumpForward(int seconds)
{
    if (!m_player || !m_media)
        return;
    const qint64 length = m_media->length().intValue();
    qint64 target = time().intValue() + qint64(seconds) * 1000;
    if (length > 0)
        target = std::min(target, length);
    setTime(VLCTime::timeWithInt(target));
}

void VLCMediaPlayer::jumpBackward(int seconds)
{
    if (!m_player || !m_media)
        return;
    setTime(VLCTime::timeWithInt(std::max<qint64>(0, time().intValue() - qint64(seconds) * 1000)));
}

void VLCMediaPlayer::nextFrame()
{
    // Only a paused input steps; an ended one has nothing after its last frame.
    if (!m_player || !m_media || m_reloadSeekMs >= 0 || m_renewing || hasEnded())
        return;
    // libVLC 3 shows the picture a paused seek lands on without taking it off its queue of
    // decoded pictures, so the first next-frame after such a seek shows that picture again:
    // one more step reaches the next frame.
    if (std::exchange(m_pausedSeek, false))
        libvlc_media_player_next_frame(m_player);
    libvlc_media_player_next_frame(m_player);
}

// --- sound -----------------------------------------------------------------------------------

void VLCMediaPlayer::applySound()
{
    if (!m_player)
        return;
    libvlc_audio_set_volume(m_player, m_volume);
    libvlc_audio_set_mute(m_player, m_muted ? 1 : 0);
}

void VLCMediaPlayer::setMute(bool mute)
{
    m_muted = mute;
    if (m_player)
        libvlc_audio_set_mute(m_player, mute ? 1 : 0);
}

bool VLCMediaPlayer::isMuted() const
{
    return m_muted;
}

void VLCMediaPlayer::setVolume(int volume)
{
    m_volume = std::clamp(volume, 0, 200);
    if (m_player)
        libvlc_audio_set_volume(m_player, m_volume);
}

int VLCMediaPlayer::volume() const
{
    return m_volume;
}

QList<int> VLCMediaPlayer::audioTrackIndexes() const
{
    QList<int> tracks;
    if (!m_player)
        return tracks;
    libvlc_track_description_t* list = libvlc_audio_get_track_description(m_player);
    for (libvlc_track_description_t* track = list; track; track = track->p_next) {
        if (track->i_id >= 0) // -1 is libVLC's "Disable" entry, not a track
            tracks.append(track->i_id);
    }
    if (list)
        libvlc_track_description_list_release(list);
    return tracks;
}

// --- picture ---------------------------------------------------------------------------------

bool VLCMediaPlayer::hasVideoOut() const
{
    return m_player && libvlc_media_player_has_vout(m_player) > 0;
}

QSize VLCMediaPlayer::videoSize() const
{
    unsigned width = 0, height = 0;
    if (!m_player || libvlc_video_get_size(m_player, 0, &width, &height) != 0)
        return QSize();
    return QSize(int(width), int(height));
}

bool VLCMediaPlayer::saveVideoSnapshotAt(const QString& path, int width, int height)
{
    if (!m_player || !m_media)
        return false;
    const QByteArray file = QFile::encodeName(path);
    if (hasVideoOut() &&
        libvlc_video_take_snapshot(m_player, 0, file.constData(), unsigned(std::max(0, width)),
                                   unsigned(std::max(0, height))) == 0 &&
        QFileInfo(path).size() > 0)
        return true;
    // At the end of a file libVLC has closed its video output, but the last frame is still
    // on screen: that is the picture the user asked for.
    const QImage shown = m_view ? m_view->currentFrame() : QImage();
    if (shown.isNull())
        return false;
    const QSize size = width > 0 && height > 0 ? QSize(width, height) : shown.size();
    return (size == shown.size() ? shown
                                 : shown.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
        .save(path, "JPEG", 92);
}
