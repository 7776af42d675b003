// The player's clip export: in and out points at the play position, and "Export clip...".
#include "ORXAppDelegate.h"

#include "CustomWindow.h"
#include "ORXClipCutter.h"
#include "ORXClipExport.h"
#include "ORXMediaList.h"
#include "ORXMediaPair.h"
#include "ORXPlayInfo.h"
#include "ORXPlaybackController.h"
#include "VLCMediaPlayer.h"
#include "ui_CustomWindow.h"

#include <QShortcut>

void ORXAppDelegate::setupClipExport()
{
    m_clipExport = new ORXClipExport(
        m_window, {m_ui->videoPositionSlider, m_ui->videoPositionSliderForFullScreen}, this);
    const std::pair<Qt::Key, void (ORXAppDelegate::*)()> keys[] = {
        {Qt::Key_I, &ORXAppDelegate::setClipInPoint},
        {Qt::Key_O, &ORXAppDelegate::setClipOutPoint},
    };
    for (const auto& [key, action] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), m_window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    }
    // Points belong to the recording they were set in.
    connect(m_playback, &ORXPlaybackController::recordingChanged, m_clipExport, &ORXClipExport::clearPoints);
}

// Seconds of the recording in the first engine, 0 while none is loaded.
double ORXAppDelegate::playingLength() const
{
    const std::shared_ptr<VLCMedia> media = m_player1 ? m_player1->media() : nullptr;
    return media && !playingRecordingPath().isEmpty() ? double(media->length().intValue()) / 1000.0 : 0.0;
}

// Where the position slider stands (0 to 1): also after a jump while paused, before the
// engine has told the new time.
double ORXAppDelegate::playPosition() const
{
    return std::clamp(positionSliderValue(), 0.0, 1.0);
}

void ORXAppDelegate::setClipInPoint()
{
    const double length = playingLength();
    if (length > 0)
        m_clipExport->setInPoint(playPosition() * length, length);
}

void ORXAppDelegate::setClipOutPoint()
{
    const double length = playingLength();
    if (length > 0)
        m_clipExport->setOutPoint(playPosition() * length, length);
}

void ORXAppDelegate::exportClip()
{
    const QString path = playingRecordingPath();
    const ORXMediaPtr media =
        m_playback->mediaIndex() >= 0 ? m_mediaList->mediaAtIndex(m_playback->mediaIndex()) : ORXMediaPtr();
    QString partner;
    if (media) {
        // The pair as the list filed it (its partner may lie in another folder of the card).
        const ORXMediaPairPtr pair = m_mediaList->mediaPairDic().value(media->mediaGroupName());
        const ORXMediaPtr other = pair ? pair->partnerOf(*media) : ORXMediaPtr();
        partner = other ? other->path() : ORXClipCutter::partnerPathOf(path);
    }
    const double length = playingLength();
    m_clipExport->exportClip(path, partner, playPosition() * length, length);
}
