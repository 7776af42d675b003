#include "ORXSettingController.h"

#include "ORXConfigFile.h"
#include "ORXFormatWindowController.h"
#include "ORXLocalizedString.h"
#include "ORXObdCameraChoice.h"
#include "ORXSegmentedControl.h"
#include "ORXSettingControllerDelegate.h"
#include "ORXSettingDriveLogPage.h"
#include "ORXSettingFileLocator.h"
#include "ORXSettingForFlashDataViewController.h"
#include "ORXSettingForObdDriveInfoViewController.h"
#include "ORXSettingPageFactory.h"
#include "ORXSettingSharedUi.h"
#include "PMProgressIndicator.h"
#include "ui_ORXSettingController.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {
struct Tab
{
    const char* label; // segment label key
    const char* title; // page title key
    const char* page;  // page model name; nullptr for the drive-log page
};
constexpr Tab kTabs[ORXSettingController::kTabCount] = {
    {"setting.video", "setting.video", "video"},
    {"setting.basic", "setting.basic", "basic"},
    {"setting.gps", "setting.gps", "gps"},
    {"setting.aux", "setting.aux", "aux"},
    {"setting.motion", "setting.motion", "motion"},
    {"setting.audio", "setting.audio", "audio"},
    {"setting.driveinfoview", "setting.information", nullptr},
};
constexpr int kTickMs = 500;
constexpr double kLoadingSeconds = 15;

} // namespace

ORXSettingController::ORXSettingController(const PlayerState& player, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::ORXSettingController>()), m_player(player)
{
    m_ui->setupUi(this);
    // Disabled controls read as disabled in the dark theme, whose text colour is set for all.
    setStyleSheet(
        QStringLiteral("QLineEdit:disabled, QCheckBox:disabled, QRadioButton:disabled, QLabel:disabled,"
                       " QComboBox:disabled { color: #5c626b; }"
                       " QGroupBox { font-weight: 600; }"));
    applyDefaultSettings(&m_FileData);
    setupTabs();
    setupProgressPanel();
    // Centred on the screen it opens on.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect visible = screen->availableGeometry();
        move(visible.topLeft() + QPoint((visible.width() - width()) / 2, (visible.height() - height()) / 2));
    }
    onInitDIalog();
    changeViewController(0);
}

ORXSettingController::~ORXSettingController() = default;

void ORXSettingController::setupTabs()
{
    m_obdCameraChk = new QCheckBox(ORXLocalizedString("setting.obd_camera"), this);
    m_obdCameraChk->setObjectName(QStringLiteral("obdCameraChk"));
    m_obdCameraChk->setToolTip(ORXLocalizedString("setting.obd_camera_tip"));
    m_obdCameraChk->setAccessibleName(m_obdCameraChk->text());
    m_obdCameraChk->setChecked(ORXObdCameraChoice::chosen());
    m_ui->buttonLayout->insertWidget(1, m_obdCameraChk);
    connect(m_obdCameraChk, &QCheckBox::clicked, this, &ORXSettingController::chooseObdCamera);
    updateTabs();
    connect(m_ui->functionSegmentedControl, &ORXSegmentedControl::segmentSelected, this,
            &ORXSettingController::changeViewController);
    const std::pair<QPushButton*, const char*> buttons[] = {
        {m_ui->sdcardFormatButton, "setting.sdcardformat"},
        {m_ui->resetButton, "setting.initialize"},
        {m_ui->saveButton, "save"},
        {m_ui->cancelButton, "cancel"}};
    for (const auto& [button, key] : buttons) {
        button->setText(ORXLocalizedString(key));
        button->setToolTip(ORXLocalizedString(key));
    }
    m_ui->saveButton->setShortcut(QKeySequence::Save);
    m_ui->cancelButton->setShortcut(Qt::Key_Escape);
    connect(m_ui->sdcardFormatButton, &QPushButton::clicked, this, &ORXSettingController::onFormat);
    connect(m_ui->resetButton, &QPushButton::clicked, this, &ORXSettingController::onSaveDefaultSetting);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &ORXSettingController::onSave);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &ORXSettingController::onCloseCmd);
}

void ORXSettingController::setupProgressPanel()
{
    m_progressPanel = new QDialog(this);
    m_progressPanel->setObjectName(QStringLiteral("progressPanel"));
    m_progressPanel->setWindowModality(Qt::WindowModal);
    m_progressPanel->setWindowFlag(Qt::WindowCloseButtonHint, false);
    m_progressPanel->setFixedWidth(360);
    auto* layout = new QVBoxLayout(m_progressPanel);
    m_progressTitleField = new QLabel(m_progressPanel);
    m_progressTitleField->setObjectName(QStringLiteral("progressTitleField"));
    m_progressIndicator = new PMProgressIndicator(m_progressPanel);
    m_progressIndicator->setObjectName(QStringLiteral("progressIndicator"));
    m_progressIndicator->setRange(0, 100);
    m_progressIndicator->setTextVisible(false);
    m_progressIndicator->setAccessibleName(ORXLocalizedString("setting.loading"));
    layout->addWidget(m_progressTitleField);
    layout->addWidget(m_progressIndicator);
}

void ORXSettingController::onInitDIalog()
{
    applyDefaultSettings(&m_FileData);
    m_strVersion = QCoreApplication::applicationVersion();
    if (m_strVersion.isEmpty())
        m_strVersion = QStringLiteral(ORVEX_VERSION);
    updateTitle();
    loadSettingFile();
}

void ORXSettingController::updateTitle()
{
    QString title =
        QStringLiteral("%1[Ver %2]").arg(ORXLocalizedString("setting.window_title"), m_strVersion);
    if (!m_SettingFilePath.isEmpty())
        title += QStringLiteral(" : ") + m_SettingFilePath;
    setWindowTitle(title);
}

// The card search, the rename and the read run on the thread pool: D-Bus calls can take
// seconds (or wait for a password) and the card may be slow.
void ORXSettingController::loadSettingFile()
{
    m_loading = true;
    setBusy(true);
    showLoading(ORXLocalizedString("setting.loading"));
    const ORXSettingFileLocator::Options options{true, m_player.playingPath, m_player.folderPath};
    auto* watcher = new QFutureWatcher<ORXSettingFileLocator::Location>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        const ORXSettingFileLocator::Location found = watcher->result();
        watcher->deleteLater();
        m_SettingFilePath = found.settingFilePath;
        m_selectedUSBDisk = found.selectedUSBDisk;
        m_isCopy = found.isCopy;
        if (found.loaded)
            m_FileData = found.record;
        if (m_SettingFilePath.isEmpty())
            m_FileData.time_gmt = localTimeZoneIndex();
        updateTitle();
        m_loading = false;
        setBusy(false);
        hideLoading();
        // The page was shown before the read ended: show it the record as read.
        if (ORXSettingControllerDelegate* page = currentDelegate())
            page->setFileData(&m_FileData);
        if (!found.renamedFrom.isEmpty())
            emit cardRemounted(found.renamedFrom, found.renamedTo);
        scanCardLogs();
        emit settingsLoaded();
    });
    watcher->setFuture(QtConcurrent::run([options] { return ORXSettingFileLocator::locate(options); }));
}

void ORXSettingController::findCardAgain()
{
    if (m_loading)
        return;
    applyDefaultSettings(&m_FileData);
    loadSettingFile();
}

ORXSettingControllerDelegate* ORXSettingController::currentDelegate() const
{
    return dynamic_cast<ORXSettingControllerDelegate*>(m_targetController.data());
}

void ORXSettingController::selectTab(int index)
{
    m_ui->functionSegmentedControl->setSelectedSegment(index);
}

void ORXSettingController::changeViewController(int index)
{
    if (index < 0 || index >= tabCount() || index == m_lastSelectedTabIndex)
        return;
    if (ORXSettingControllerDelegate* page = currentDelegate()) {
        const QString message = page->validateUserInput();
        if (!message.isNull()) {
            selectTab(m_lastSelectedTabIndex);
            showAlert(this, QStringLiteral("ORVEX"), message);
            return;
        }
        if (!page->populate()) {
            selectTab(m_lastSelectedTabIndex);
            return;
        }
        page->onHide();
    }
    // The drive-log pages are kept for the life of the window, hidden and owned by it (out of
    // the scroll area they have no parent: a read still running would outlive the window and
    // put its message over a window that is gone); every other page goes.
    QWidget* previous = m_ui->targetView->takeWidget();
    if (previous && previous != m_driveInfoController && previous != m_obdLogController) {
        previous->deleteLater();
    } else if (previous) {
        previous->hide();
        previous->setParent(this);
    }

    QWidget* page = createPage(index);
    m_targetController = page;
    m_ui->targetView->setWidget(page);
    page->show();
    if (ORXSettingControllerDelegate* delegate = currentDelegate()) {
        delegate->setFileData(&m_FileData);
        delegate->setMainController(this);
    }
    m_lastSelectedTabIndex = index;
    selectTab(index);
}

QWidget* ORXSettingController::createPage(int index)
{
    if (index == kDriveInfoTab)
        return createDriveInfoController();
    if (index == kObdLogTab)
        return createObdLogController();
    // An OBD camera's tab 2 is the OBD page: it and the GPS page never both edit the record.
    const bool obdPage = index == 2 && m_obdCamera;
    QWidget* page = ORXSettingPageFactory::createSettingPage(obdPage ? QStringLiteral("obd")
                                                                     : QLatin1String(kTabs[index].page));
    page->setWindowTitle(ORXLocalizedString(obdPage ? "setting.obd" : kTabs[index].title));
    return page;
}

QWidget* ORXSettingController::createDriveInfoController()
{
    // The flash data log of the card or card copy ("DrvInfo/orvex_000.drv"), when found there.
    if (!m_driveInfoController)
        m_driveInfoController =
            new ORXSettingDriveLogPage(new ORXSettingForFlashDataViewController, m_flashLogPath);
    m_driveInfoController->setWindowTitle(ORXLocalizedString("setting.information"));
    return m_driveInfoController;
}

QWidget* ORXSettingController::createObdLogController()
{
    // The newest OBD log of the card ("DrvInfo/*.obd"), kept like the flash data page.
    if (!m_obdLogController)
        m_obdLogController =
            new ORXSettingDriveLogPage(new ORXSettingForObdDriveInfoViewController, m_obdLogPath);
    m_obdLogController->setWindowTitle(ORXLocalizedString("setting.obdlog"));
    return m_obdLogController;
}

// Which drive logs the card (or the copy) holds decides the OBD tabs; the card is read off
// the GUI thread.
void ORXSettingController::scanCardLogs()
{
    const QString root =
        m_SettingFilePath.isEmpty() ? QString() : QFileInfo(m_SettingFilePath).absolutePath();
    auto* watcher = new QFutureWatcher<ORXObdCameraChoice::CardLogs>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        const ORXObdCameraChoice::CardLogs logs = watcher->result();
        watcher->deleteLater();
        m_flashLogPath = logs.flashLogPath;
        m_obdLogPath = logs.obdLogPath;
        const bool obd = !m_obdLogPath.isEmpty() || m_obdCameraChk->isChecked();
        if (obd != m_obdCamera && (m_lastSelectedTabIndex == 2 || m_lastSelectedTabIndex == kObdLogTab))
            changeViewController(0);
        updateTabs();
        emit cardLogsFound();
    });
    watcher->setFuture(QtConcurrent::run([root] { return ORXObdCameraChoice::findCardLogs(root); }));
}

void ORXSettingController::updateTabs()
{
    // A card with an OBD log is an OBD camera's card whatever the box said.
    const bool cardIsObd = !m_obdLogPath.isEmpty();
    m_obdCameraChk->setEnabled(!cardIsObd);
    if (cardIsObd)
        m_obdCameraChk->setChecked(true);
    m_obdCamera = m_obdCameraChk->isChecked();
    QStringList labels;
    for (const Tab& tab : kTabs)
        labels << ORXLocalizedString(tab.label);
    if (m_obdCamera) {
        labels[2] = ORXLocalizedString("setting.obd");
        labels << ORXLocalizedString("setting.obdlog");
    }
    setSegmentLabels(m_ui->functionSegmentedControl, labels);
    selectTab(m_lastSelectedTabIndex);
}

void ORXSettingController::chooseObdCamera(bool on)
{
    const int current = m_lastSelectedTabIndex;
    const bool affected = current == 2 || current == kObdLogTab;
    // Leave the page the change replaces first: it stores what it shows (or refuses).
    if (affected && on != m_obdCamera) {
        changeViewController(0);
        if (m_lastSelectedTabIndex != 0) {
            m_obdCameraChk->setChecked(m_obdCamera);
            return;
        }
    }
    m_obdCameraChk->setChecked(on);
    ORXObdCameraChoice::setChosen(on);
    updateTabs();
    if (current == 2)
        changeViewController(2);
}

bool ORXSettingController::populate()
{
    ORXSettingControllerDelegate* page = currentDelegate();
    return page ? page->populate() : true;
}

QString ORXSettingController::validateUserInput()
{
    ORXSettingControllerDelegate* page = currentDelegate();
    return page ? page->validateUserInput() : QString();
}

void ORXSettingController::onSaveDefaultSetting()
{
    applyDefaultSettings(&m_FileData);
    if (ORXSettingControllerDelegate* page = currentDelegate())
        page->setFileData(&m_FileData);
}

void ORXSettingController::onFormat()
{
    // One format window at a time, kept while it is open. A format moves the card's mount
    // path (and may have written a new config.bin), so the card is looked for again after it.
    if (auto* open = qobject_cast<ORXFormatWindowController*>(m_lastDialogController.data())) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* window = new ORXFormatWindowController(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &ORXFormatWindowController::formatFinished, this, &ORXSettingController::findCardAgain);
    m_lastDialogController = window;
    window->show();
}

void ORXSettingController::onCloseCmd()
{
    close();
}

void ORXSettingController::closeEvent(QCloseEvent* event)
{
    // A save in progress finishes first; its message then closes the window.
    if (m_saving) {
        event->ignore();
        return;
    }
    if (ORXSettingControllerDelegate* page = currentDelegate())
        page->onHide();
    QWidget::closeEvent(event);
}

void ORXSettingController::setBusy(bool busy)
{
    for (QWidget* w : {static_cast<QWidget*>(m_ui->saveButton), static_cast<QWidget*>(m_ui->resetButton),
                       static_cast<QWidget*>(m_ui->sdcardFormatButton)})
        w->setEnabled(!busy);
}

// --- progress sheet ------------------------------------------------------------------------

void ORXSettingController::showLoading(const QString& text)
{
    m_stopLoadingWindow = false;
    m_progress = 0;
    m_progressIndicator->setDoubleValue(m_progressIndicator->minimum());
    m_progressTitleField->setText(text);
    emit progressChanged(m_progress);
    const int generation = ++m_loadingGeneration; // a sheet opened again starts its own ticks
    QTimer::singleShot(kTickMs, this, [this, generation] {
        if (generation == m_loadingGeneration)
            updateLoadingWindow(kLoadingSeconds);
    });
    m_progressPanel->open();
}

void ORXSettingController::updateLoadingWindow(double seconds)
{
    m_progress += 100.0 / (2.0 * seconds);
    m_progressIndicator->setDoubleValue(m_progress);
    emit progressChanged(m_progress);
    if (m_progress >= 100.0 || m_stopLoadingWindow) {
        m_progressIndicator->setDoubleValue(m_progressIndicator->minimum());
        m_progressPanel->hide();
        m_stopLoadingWindow = true;
        return;
    }
    const int generation = m_loadingGeneration;
    QTimer::singleShot(kTickMs, this, [this, seconds, generation] {
        if (generation == m_loadingGeneration)
            updateLoadingWindow(seconds);
    });
}

void ORXSettingController::hideLoading()
{
    m_stopLoadingWindow = true;
}
