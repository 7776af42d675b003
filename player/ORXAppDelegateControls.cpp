// The player window's transport controls as a person uses them: the position sliders
// (click and drag), the volume slider, the play time and volume readouts, the size and swap
// controls, which controls are enabled, and what each control is called on the
// accessibility bus.
#include "ORXAppDelegate.h"

#include "CustomWindow.h"
#include "ORXAccessibleRole.h"
#include "ORXCFormat.h"
#include "ORXControlIcons.h"
#include "ORXLocalizedString.h"
#include "ORXPlayInfo.h"
#include "ORXPlaybackController.h"
#include "ORXSliderStyle.h"
#include "TKImageButton.h"
#include "VLCMediaPlayer.h"
#include "ui_CustomWindow.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QRegularExpression>
#include <QShortcut>
#include <QTimer>

namespace {
constexpr int kPreviewSeekMs = 100; // at most one seek this often while the handle is dragged
constexpr int kVolumeSingleStep = 5;
constexpr int kVolumeIconSize = 18;

// "Play or pause (Space)" names the control "Play or pause".
QString withoutKey(const QString& tip)
{
    static const QRegularExpression key(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    return QString(tip).remove(key);
}

QString clock(qint64 milliseconds)
{
    const qint64 seconds = std::max<qint64>(0, milliseconds / 1000);
    return ORXCFormat("%02lld:%02lld", static_cast<long long>(seconds / 60),
                      static_cast<long long>(seconds % 60));
}
} // namespace

void ORXAppDelegate::setupControls()
{
    setupSliders();
    setupSizeAndSwap();
    setupFrameStepping();
    setupRecordingFilter();
    setupAccessibility();
    m_ui->progressIndicator->hide(); // shown only while a recording loads
    connect(m_playback, &ORXPlaybackController::recordingChanged, this, &ORXAppDelegate::setTransportEnabled);
    connect(m_playback, &ORXPlaybackController::volumeChanged, this, &ORXAppDelegate::updateVolumeIcon);
    connect(m_playInfo, &ORXPlayInfo::audioMediaDirectionChanged, this, &ORXAppDelegate::updateVolumeIcon);
    setTransportEnabled(false);
    updateVolumeIcon();
}

void ORXAppDelegate::setupSliders()
{
    auto* style = new ORXSliderStyle(QApplication::style()->name());
    style->setParent(this);
    m_seekPreview = new QTimer(this);
    m_seekPreview->setSingleShot(true);
    m_seekPreview->setInterval(kPreviewSeekMs);
    connect(m_seekPreview, &QTimer::timeout, this, [this] {
        if (std::exchange(m_previewPending, false))
            seekToSlider();
    });
    for (QSlider* slider : {m_ui->videoPositionSlider, m_ui->videoPositionSliderForFullScreen}) {
        slider->setStyle(style);
        connect(slider, &QSlider::valueChanged, this, &ORXAppDelegate::onSliderMoved);
        connect(slider, &QSlider::sliderReleased, this, [this] {
            // The handle stops where the user lets go, whatever the preview did meanwhile.
            m_seekPreview->stop();
            m_previewPending = false;
            seekToSlider();
        });
    }
    QSlider* volume = m_ui->volumeSlider;
    volume->setStyle(style);
    volume->setMinimumWidth(60); // room for the sound toggle beside it
    volume->setSingleStep(kVolumeSingleStep);
    volume->setPageStep(ORXPlaybackController::kVolumeStep);
    // Every way the knob moves (drag, click on the track, wheel) sets the volume.
    connect(volume, &QSlider::valueChanged, this, [this](int value) {
        if (!m_volumeFollowsPlayback)
            m_playback->volumeSliderMoved(value);
    });
}

bool ORXAppDelegate::isDraggingPosition() const
{
    return m_ui->videoPositionSlider->isSliderDown() ||
           m_ui->videoPositionSliderForFullScreen->isSliderDown();
}

void ORXAppDelegate::onSliderMoved(int value)
{
    if (m_sliderFollowsPlayInfo)
        return; // our own update from the play state, not the user's
    const double position = double(value) / m_ui->videoPositionSlider->maximum();
    setPositionSliderValue(position);
    m_playInfo->setPosition(position);
    updateTimeLabel();
    if (isDraggingPosition() && m_seekPreview->isActive()) {
        m_previewPending = true; // the picture follows the drag at most every 100 ms
        return;
    }
    seekToSlider();
    if (isDraggingPosition())
        m_seekPreview->start();
}

void ORXAppDelegate::seekToSlider()
{
    const int value = m_ui->videoPositionSlider->value();
    if (value == m_lastSeekValue && m_playback->moving())
        return; // that very place is being sought already
    m_lastSeekValue = value;
    m_playback->videoPositionSliderMoved();
}

void ORXAppDelegate::setupSizeAndSwap()
{
    auto makeButton = [this](const char* name, const QString& text) {
        auto* button = new QPushButton(text, m_ui->sizeTextButton->parentWidget());
        button->setObjectName(QLatin1String(name));
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(24, 26);
        button->setIconSize(QSize(14, 12));
        return button;
    };
    const qreal dpr = m_window->devicePixelRatioF();
    m_sizeDownButton = makeButton("sizeDownButton", QString());
    m_sizeDownButton->setIcon(
        ORXControlIcons::buttonIcon(ORXControlIcons::smallerWindow(QSize(14, 12), dpr)));
    m_swapButton = makeButton("swapButton", QString());
    m_swapButton->setIcon(ORXControlIcons::buttonIcon(ORXControlIcons::swap(QSize(14, 12), dpr)));
    QHBoxLayout* row = m_ui->mediaButtonLayout;
    row->insertWidget(row->indexOf(m_ui->sizeTextButton) + 1, m_sizeDownButton);
    row->insertWidget(row->indexOf(m_sizeDownButton) + 1, m_swapButton);
    connect(m_sizeDownButton, &QAbstractButton::clicked, m_playback, &ORXPlaybackController::sizeDown);
    connect(m_swapButton, &QAbstractButton::clicked, m_playback, &ORXPlaybackController::swapPlayer);

    m_ui->timeLabel->setMinimumWidth(
        m_ui->timeLabel->fontMetrics().horizontalAdvance(QStringLiteral("00:00 / 00:00")));
    m_ui->speedTextButton->setIcon(ORXControlIcons::buttonIcon(ORXControlIcons::speed(QSize(14, 12), dpr)));
    m_ui->sizeTextButton->setIcon(
        ORXControlIcons::buttonIcon(ORXControlIcons::windowSize(QSize(14, 12), dpr)));
    for (QPushButton* b : {m_ui->speedTextButton, m_ui->sizeTextButton}) {
        b->setIconSize(QSize(14, 12));
        b->setStyleSheet(QStringLiteral("QPushButton { padding-left: 3px; padding-right: 3px; }"));
        b->setFixedWidth(56);
    }

    struct Key
    {
        QKeySequence sequence;
        std::function<void()> action;
    };
    const Key keys[] = {
        {Qt::Key_Plus, [this] { m_playback->sizeUp(); }},
        {Qt::Key_Equal, [this] { m_playback->sizeUp(); }},
        {Qt::Key_Minus, [this] { m_playback->sizeDown(); }},
        {Qt::Key_S, [this] { m_playback->swapPlayer(); }},
        {Qt::CTRL | Qt::Key_S, [this] { captureVideo(); }},
        {Qt::CTRL | Qt::Key_P, [this] { print(); }},
    };
    for (const Key& key : keys) {
        auto* shortcut = new QShortcut(key.sequence, m_window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, key.action);
    }
}

void ORXAppDelegate::setupAccessibility()
{
    const std::pair<QWidget*, const char*> tips[] = {
        {m_ui->snapshotButton, "player.snapshot"},
        {m_ui->printButton, "player.print"},
        {m_ui->sizeTextButton, "player.size"},
        {m_sizeDownButton, "player.size_down"},
        {m_swapButton, "player.swap"},
        {m_ui->videoPositionSlider, "player.position"},
        {m_ui->videoPositionSliderForFullScreen, "player.position"},
        {m_ui->volumeSlider, "player.volume"},
        {m_ui->timeLabel, "player.time"},
        {m_ui->progressIndicator, "player.loading"},
    };
    for (const auto& [widget, key] : tips)
        widget->setToolTip(ORXLocalizedString(key));
    // Every control is named on the accessibility bus by its tooltip, without the key.
    for (QWidget* widget : m_window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QAbstractSlider*>(widget);
        if (widget->accessibleName().isEmpty() && !widget->toolTip().isEmpty() && control)
            widget->setAccessibleName(withoutKey(widget->toolTip()));
    }
    m_ui->progressIndicator->setAccessibleName(ORXLocalizedString("player.loading"));
    m_ui->mediaListTableView->setAccessibleName(ORXLocalizedString("player.list_tab"));
    m_ui->volumeIconLabel->setAccessibleName(withoutKey(ORXLocalizedString("player.volume")));
    const std::pair<QLabel*, const char*> tabs[] = {{m_ui->recordButtonImageView, "player.list_tab"},
                                                    {m_ui->informationButtonImageView, "player.map_tab"}};
    for (const auto& [tab, key] : tabs) {
        ORXAccessibleRole::setRole(tab, QAccessible::PageTab);
        tab->setAccessibleName(ORXLocalizedString(key));
        tab->setCursor(Qt::PointingHandCursor);
    }
}

void ORXAppDelegate::setTransportEnabled(bool loaded)
{
    // Before a recording is chosen these controls have nothing to act on.
    QWidget* const controls[] = {m_ui->playButton,          m_ui->playButtonForFullScreen,
                                 m_ui->jumpBackwardButton,  m_ui->jumpForwardButton,
                                 m_ui->speedTextButton,     m_ui->sizeTextButton,
                                 m_sizeDownButton,          m_swapButton,
                                 m_ui->snapshotButton,      m_ui->printButton,
                                 m_ui->videoPositionSlider, m_ui->videoPositionSliderForFullScreen};
    for (QWidget* control : controls) {
        if (auto* image = qobject_cast<TKImageButton*>(control))
            image->setEnabled(loaded);
        else
            control->setEnabled(loaded);
    }
    updateTimeLabel();
}

void ORXAppDelegate::updateTimeLabel()
{
    const std::shared_ptr<VLCMedia> media = m_player1 ? m_player1->media() : nullptr;
    if (!media) {
        m_ui->timeLabel->setText(QStringLiteral("00:00 / 00:00"));
        return;
    }
    const qint64 length = media->length().intValue();
    const qint64 played = qint64(std::clamp(m_playInfo->position(), 0.0, 1.0) * double(length));
    m_ui->timeLabel->setText(clock(played) + QStringLiteral(" / ") + clock(length));
}

void ORXAppDelegate::updateVolumeIcon()
{
    const int volume = m_playback->volume();
    const bool muted = m_playInfo->audioMediaDirection() == 2;
    m_ui->volumeIconLabel->setPixmap(ORXControlIcons::volume(
        volume, muted, QSize(kVolumeIconSize, kVolumeIconSize), m_window->devicePixelRatioF()));
    m_ui->volumeIconLabel->setToolTip(muted ? ORXLocalizedString("player.muted")
                                            : ORXLocalizedString("player.volume_level").arg(volume));
}
