// Layout of the player window in its two modes, the right column, and the window operations
// the playback controller uses.
#include "ORXAppDelegate.h"

#include "CustomWindow.h"
#include "GraphView.h"
#include "ORXImage.h"
#include "ORXMediaListTableModel.h"
#include "ORXPlaybackController.h"
#include "ORXPlayerDefaults.h"
#include "ORXTelemetryPresenter.h"
#include "TKVideoBackgroundImageView.h"
#include "VLCVideoView.h"
#include "ui_CustomWindow.h"

#include <QEasingCurve>
#include <QEvent>
#include <QGuiApplication>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QScreen>

namespace {
constexpr int kSwapAnimationMs = 1500;
}

QRect ORXAppDelegate::minWindowFrame() const
{
    const QSize size = minWindowSize();
    const QScreen* screen = m_window ? m_window->screen() : nullptr;
    const QRect visible = screen ? screen->availableGeometry() : QRect();
    return QRect(visible.topLeft() + QPoint((visible.width() - size.width()) / 2,
                                            (visible.height() - size.height()) / 2),
                 size);
}

// Normal mode: head 50 high; body with 10-point margins, the left column (video, G-sensor
// box 130, controls 72, 4 apart) and the right column 334 wide (side buttons 32, list or
// map, small video 250). Full screen: the video over the whole screen with the 36-point
// control bar under it.
void ORXAppDelegate::layoutWindow()
{
    const bool full = m_window->isFullScreen();
    ORXPlayerDefaults::settings().setValue(QLatin1String(ORXPlayerDefaults::kVisualizeConstraints), true);
    m_ui->headBox->setVisible(!full);
    layoutBodyBox();
}

void ORXAppDelegate::layoutBodyBox()
{
    const bool full = m_window->isFullScreen();
    m_ui->bodyRightBox->setVisible(!full);
    if (full) {
        m_ui->bodyLayout->setContentsMargins(0, 0, 0, 2);
        m_ui->bodyLayout->setSpacing(0);
        m_ui->bodyLeftLayout->setSpacing(0);
        m_ui->fullScreenControlLayout->setContentsMargins(12, 4, 14, 4); // 2 points off the right edge
    } else {
        m_ui->bodyLayout->setContentsMargins(10, 0, 10, 8);
        m_ui->bodyLayout->setSpacing(10);
        m_ui->bodyLeftLayout->setSpacing(4);
    }
    m_ui->gsensorBox->setVisible(!full);
    m_ui->mediaControlBox->setVisible(!full);
    m_ui->mediaControlBoxForFullScreen->setVisible(full);
    layoutMapContainer();
}

void ORXAppDelegate::layoutMapContainer()
{
    if (m_window->isFullScreen())
        return;
    m_ui->mediaListScrollView->setVisible(m_rightViewMode == 0);
    m_ui->mapContainerView->setVisible(m_rightViewMode != 0);
}

void ORXAppDelegate::updateSideViewButton()
{
    updateSideViewImages();
    m_ui->mapContainerView->setVisible(m_rightViewMode == 1);
    m_ui->mediaListScrollView->setVisible(m_rightViewMode == 0);
    layoutMapContainer();
}

void ORXAppDelegate::updateSideViewImages()
{
    const bool list = m_rightViewMode == 0;
    const qreal dpr = m_window->devicePixelRatioF();
    const std::pair<QLabel*, QString> tabs[] = {
        {m_ui->recordButtonImageView, list ? QStringLiteral("record_p.png") : QStringLiteral("record_n.png")},
        {m_ui->informationButtonImageView,
         list ? QStringLiteral("information_n.png") : QStringLiteral("information_p.png")},
    };
    for (const auto& [tab, name] : tabs) {
        // The picture keeps its proportions inside the tab's laid-out box.
        const QSize size = ORXImage::naturalSize(name).scaled(tab->size(), Qt::KeepAspectRatio);
        tab->setPixmap(size.isEmpty() ? QPixmap() : ORXImage::pixmap(name, size, dpr));
    }
}

void ORXAppDelegate::showFrameIfDebugging()
{
    // Boxes are drawn by the theme; only the small video's box is black.
    m_ui->subVideoBox->setAutoFillBackground(true);
    QPalette palette = m_ui->subVideoBox->palette();
    palette.setColor(QPalette::Window, Qt::black);
    m_ui->subVideoBox->setPalette(palette);
}

void ORXAppDelegate::contentResized()
{
    if (m_playback)
        m_playback->updatePlayInfoScale();
}

bool ORXAppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == m_ui->videoContainerView || watched == m_ui->subVideoContainerView)
            positionVideoViews();
        else if (watched == m_window)
            contentResized();
        else if (watched == m_ui->recordButtonImageView || watched == m_ui->informationButtonImageView)
            updateSideViewImages(); // drawn at the size the layout gave them
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_ui->recordButtonImageView)
            clickMediaListViewButton();
        else if (watched == m_ui->informationButtonImageView)
            clickMapViewButton();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ORXAppDelegate::positionVideoViews()
{
    if (m_animatingSwap)
        return;
    m_video1View->setGeometry(m_ui->videoContainerView->rect());
    m_video2View->setGeometry(m_ui->subVideoContainerView->rect());
}

// --- ORXPlayerView -------------------------------------------------------------------------

void ORXAppDelegate::setVideoViewVisible(int player, bool visible)
{
    VLCVideoView* view = player == 1 ? m_video1View : m_video2View;
    if (view->isVisible() != visible)
        view->setVisible(visible);
}

void ORXAppDelegate::setBackgroundLogos(const QString& logo1, const QString& logo2)
{
    m_ui->player1BackgroundView->setLogoImageName(logo1);
    m_ui->player2BackgroundView->setLogoImageName(logo2);
}

void ORXAppDelegate::animateSwap()
{
    const QRect target1 = m_ui->videoContainerView->rect();
    const QRect target2 = m_ui->subVideoContainerView->rect();
    m_animatingSwap = true;
    m_video1View->setGeometry(QRect(target1.width(), 0, 0, 0));
    m_video2View->setGeometry(QRect(0, target2.height(), 0, 0));
    auto* group = new QParallelAnimationGroup(this);
    for (auto [view, target] : {std::pair{m_video1View, target1}, std::pair{m_video2View, target2}}) {
        auto* animation = new QPropertyAnimation(view, "geometry", group);
        animation->setDuration(kSwapAnimationMs);
        animation->setEasingCurve(QEasingCurve::OutCubic);
        animation->setEndValue(target);
        group->addAnimation(animation);
    }
    connect(group, &QAbstractAnimation::finished, this, [this] {
        m_animatingSwap = false;
        positionVideoViews();
    });
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

double ORXAppDelegate::videoContainerHeight() const
{
    return m_ui->videoContainerView->height();
}

void ORXAppDelegate::setAudioToggleVisible(bool visible)
{
    m_ui->audioToggleButton->setVisible(visible);
}

void ORXAppDelegate::setAudioToggleOn(bool on)
{
    m_ui->audioToggleButton->setChecked(on);
}

bool ORXAppDelegate::isAudioToggleOn() const
{
    return m_ui->audioToggleButton->isChecked();
}

void ORXAppDelegate::setVolumeSliderValue(int volume)
{
    m_volumeFollowsPlayback = true;
    m_ui->volumeSlider->setValue(volume);
    m_volumeFollowsPlayback = false;
}

double ORXAppDelegate::positionSliderValue() const
{
    return double(m_ui->videoPositionSlider->value()) / m_ui->videoPositionSlider->maximum();
}

void ORXAppDelegate::setPositionSliderValue(double value)
{
    m_sliderFollowsPlayInfo = true;
    for (QSlider* slider : {m_ui->videoPositionSlider, m_ui->videoPositionSliderForFullScreen})
        slider->setValue(int(std::lround(std::clamp(value, 0.0, 1.0) * slider->maximum())));
    m_sliderFollowsPlayInfo = false;
}

void ORXAppDelegate::selectRow(int row)
{
    QTableView* table = m_ui->mediaListTableView;
    table->clearSelection();
    if (row < 0 || row >= m_tableModel->rowCount())
        return;
    table->selectRow(row);
    table->scrollTo(m_tableModel->index(row, 0));
}

int ORXAppDelegate::selectedRow() const
{
    const QModelIndexList rows = m_ui->mediaListTableView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ORXAppDelegate::setGraphData(const QVector<ORXGSensor>& samples)
{
    m_ui->graphView->setGraphData(samples);
}

void ORXAppDelegate::resetTelemetryReadouts()
{
    m_ui->gsensorXField->setText(QStringLiteral("X=+0.00"));
    m_ui->gsensorYField->setText(QStringLiteral("Y=+0.00"));
    m_ui->gsensorZField->setText(QStringLiteral("Z=+0.00"));
    m_ui->speedField->clear();
    m_ui->hdopField->clear();
    m_ui->sateliteField->clear();
    m_telemetry->beginRecording(); // the new recording's route to the map
}

QRect ORXAppDelegate::screenFrame() const
{
    const QScreen* screen = m_window->screen();
    return screen ? screen->geometry() : QRect();
}

QRect ORXAppDelegate::windowFrame() const
{
    return m_window->frame();
}

void ORXAppDelegate::setWindowFrame(const QRect& frame, bool animate)
{
    m_window->setFrame(frame, animate);
}

bool ORXAppDelegate::isFullScreen() const
{
    return m_window->isFullScreen();
}

void ORXAppDelegate::enterFullscreen()
{
    m_window->enterFullscreen();
}

void ORXAppDelegate::leaveFullscreen()
{
    m_window->leaveFullscreen();
}
