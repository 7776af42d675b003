// Frame by frame while paused: the two step buttons beside the play button and their keys.
#include "ORXAppDelegate.h"

#include "CustomWindow.h"
#include "ORXControlIcons.h"
#include "ORXLocalizedString.h"
#include "ORXPlayInfo.h"
#include "ORXPlaybackController.h"
#include "ui_CustomWindow.h"

#include <QPainter>
#include <QShortcut>

namespace {
constexpr QSize kGlyphSize(14, 12);

} // namespace

void ORXAppDelegate::setupFrameStepping()
{
    const qreal dpr = m_window->devicePixelRatioF();
    const struct
    {
        QPushButton* button;
        bool forward;
        const char* tip;
    } buttons[] = {{m_ui->frameBackwardButton, false, "player.frame_backward"},
                   {m_ui->frameForwardButton, true, "player.frame_forward"}};
    for (const auto& b : buttons) {
        b.button->setIcon(
            ORXControlIcons::buttonIcon(ORXControlIcons::frameStep(b.forward, kGlyphSize, dpr)));
        b.button->setIconSize(kGlyphSize);
        b.button->setFocusPolicy(Qt::NoFocus);
        b.button->setToolTip(ORXLocalizedString(b.tip));
        // Held down, the button steps on as a held key does.
        b.button->setAutoRepeat(true);
        b.button->setAutoRepeatDelay(400);
        b.button->setAutoRepeatInterval(80);
    }
    connect(m_ui->frameBackwardButton, &QAbstractButton::clicked, m_playback,
            &ORXPlaybackController::stepFrameBackward);
    connect(m_ui->frameForwardButton, &QAbstractButton::clicked, m_playback,
            &ORXPlaybackController::stepFrameForward);
    const std::pair<QKeySequence, void (ORXPlaybackController::*)()> keys[] = {
        {QKeySequence(Qt::Key_Period), &ORXPlaybackController::stepFrameForward},
        {QKeySequence(Qt::Key_Comma), &ORXPlaybackController::stepFrameBackward},
    };
    for (const auto& [sequence, step] : keys) {
        auto* shortcut = new QShortcut(sequence, m_window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(true);
        connect(shortcut, &QShortcut::activated, m_playback, step);
    }
    // Steps are for a paused recording: the buttons follow the play state.
    connect(m_playback, &ORXPlaybackController::recordingChanged, this,
            &ORXAppDelegate::updateFrameStepEnabled);
    connect(m_playInfo, &ORXPlayInfo::isPlayingChanged, this, &ORXAppDelegate::updateFrameStepEnabled);
    updateFrameStepEnabled();
}

void ORXAppDelegate::updateFrameStepEnabled()
{
    const bool paused = m_playback->hasRecording() && !m_playInfo->isPlaying();
    m_ui->frameBackwardButton->setEnabled(paused);
    m_ui->frameForwardButton->setEnabled(paused);
}
