#include "ORXFormatWindowController.h"

#include "ORXByteSize.h"
#include "ORXCFormat.h"
#include "ORXCardAlert.h"
#include "ORXCardBackground.h"
#include "ORXCardLog.h"
#include "ORXLocalizedString.h"
#include "ORXUDisksWatcher.h"
#include "ORXVolumeDiscovery.h"
#include "PMProgressIndicatorController.h"
#include "ui_ORXFormatWindowController.h"

#include <QCloseEvent>
#include <QFutureWatcher>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QtConcurrent/QtConcurrentRun>

namespace {
constexpr int kTickMs = 300;
constexpr double kTickerDuration = 1000;

QString text(const char* key)
{
    return ORXLocalizedString(key);
}

} // namespace

ORXFormatWindowController::ORXFormatWindowController(QWidget* host)
    : QWidget(host, Qt::Window), m_ui(std::make_unique<Ui::ORXFormatWindowController>())
{
    m_ui->setupUi(this);
    windowDidLoad();
}

ORXFormatWindowController::~ORXFormatWindowController()
{
    if (m_formatting)
        qCInfo(lcCard, "format window closed during a run; the run goes on and its result is logged");
}

void ORXFormatWindowController::windowDidLoad()
{
    setWindowTitle(text("format.title"));
    m_ui->introLabel->setText(text("format.intro"));
    m_ui->usbDiskLabel->setText(text("format.disk"));
    m_ui->pathLabel->setText(text("format.path"));
    m_ui->allocationUnitLabel->setText(text("setting.format.allocation_unit_size"));
    m_ui->fileSystemLabel->setText(text("setting.format.filesystem"));
    m_ui->formatButton->setText(text("setting.format.format"));
    m_ui->cancelButton->setText(text("cancel"));
    m_ui->formatButton->setToolTip(text("format.format_tip"));
    m_ui->cancelButton->setToolTip(text("format.cancel_tip"));
    const std::pair<QWidget*, QLabel*> named[] = {{m_ui->usbDiskCombo, m_ui->usbDiskLabel},
                                                  {m_ui->pathField, m_ui->pathLabel},
                                                  {m_ui->allocationUnitField, m_ui->allocationUnitLabel},
                                                  {m_ui->fileSystemField, m_ui->fileSystemLabel}};
    for (const auto& [field, label] : named) {
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }
    m_ui->progressBar->setAccessibleName(text("format.progress"));
    m_ui->fileSystemField->setText(QStringLiteral("FAT32"));
    m_ui->pathField->setText(QStringLiteral("-"));
    m_ui->allocationUnitField->setText(allocationUnitText(128));

    connect(m_ui->usbDiskCombo, &QComboBox::activated, this, &ORXFormatWindowController::changeDisk);
    connect(m_ui->formatButton, &QPushButton::clicked, this, &ORXFormatWindowController::onFormat);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &ORXFormatWindowController::cancel);
    auto* escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &ORXFormatWindowController::cancel);
    m_ticker.setInterval(kTickMs);
    connect(&m_ticker, &QTimer::timeout, this, [this] { updateProgressBar(kTickerDuration); });

    // Cards put in or taken out while the window is open.
    m_watcher = new ORXUDisksWatcher(this);
    connect(m_watcher, &ORXUDisksWatcher::changed, this, [this] {
        if (!m_formatting && !m_checking)
            loadUSBVolumes();
    });

    m_stopProgressBar = true;
    m_ui->progressBar->hide();
    m_ui->progressMessageField->hide();
    if (const QScreen* s = parentWidget() ? parentWidget()->screen() : screen())
        move(s->availableGeometry().center() - rect().center());
    loadUSBVolumes();
}

void ORXFormatWindowController::loadUSBVolumes(const std::function<void()>& completion)
{
    const bool showedBar = m_stopProgressBar;
    if (showedBar)
        showProgressBar(QStringLiteral("Disk searching..."));
    else
        m_ui->progressMessageField->setText(QStringLiteral("Disk searching..."));
    const quint64 generation = ++m_listGeneration;
    // A refresh the format run asked for keeps nothing of the old selection: the run
    // selects its disk by name. One the watcher asked for keeps the user's choice.
    const bool keepSelection = !completion;
    runInBackground<QList<TKUSBDiskEntity>>(
        this, [] { return listUSBDisks(); },
        [this, generation, showedBar, keepSelection, completion](const QList<TKUSBDiskEntity>& disks) {
            if (generation == m_listGeneration)
                setDisks(disks, keepSelection);
            if (showedBar && !m_formatting)
                hideProgressBar();
            if (completion)
                completion();
            emit disksReloaded();
        });
}

void ORXFormatWindowController::setDisks(const QList<TKUSBDiskEntity>& disks, bool keepSelection)
{
    const std::optional<TKUSBDiskEntity> before = keepSelection ? selectedUSBDisk() : std::nullopt;
    m_usbDiskArray = disks;
    QStringList rows;
    for (const TKUSBDiskEntity& disk : disks)
        rows << disk.displayString();
    m_ui->usbDiskCombo->clear();
    m_ui->usbDiskCombo->addItems(rows);
    if (!rows.isEmpty())
        m_ui->usbDiskCombo->setCurrentIndex(0);
    if (before)
        selectUSBByDevFile(before->deviceFilePath());
    updateSelectedDiskInfo();
}

std::optional<TKUSBDiskEntity> ORXFormatWindowController::selectedUSBDisk() const
{
    const int row = m_ui->usbDiskCombo->currentIndex();
    if (row < 0 || row >= m_usbDiskArray.size())
        return std::nullopt;
    return m_usbDiskArray.at(row);
}

std::optional<TKUSBDiskEntity> ORXFormatWindowController::selectUSBByDevFile(const QString& deviceName)
{
    for (int row = 0; row < m_usbDiskArray.size(); ++row) {
        if (m_usbDiskArray.at(row).deviceFilePath() == deviceName) {
            m_ui->usbDiskCombo->setCurrentIndex(row);
            updateSelectedDiskInfo();
            return m_usbDiskArray.at(row);
        }
    }
    return std::nullopt;
}

void ORXFormatWindowController::updateSelectedDiskInfo()
{
    const std::optional<TKUSBDiskEntity> disk = selectedUSBDisk();
    if (!disk) {
        m_ui->allocationUnitField->setText(allocationUnitText(128));
        m_ui->pathField->setText(QStringLiteral("-"));
        return;
    }
    m_ui->pathField->setText(QStringLiteral("%1   %2").arg(disk->deviceFilePath(), disk->mountPath()));
    m_ui->allocationUnitField->setText(allocationUnitText(clusterSizeByVolumeSizeInKB(disk->volumeSize())));
}

void ORXFormatWindowController::changeDisk()
{
    updateSelectedDiskInfo();
}

void ORXFormatWindowController::onFormat()
{
    if (m_formatting || m_checking || ORXCardFormatter::isRunning()) {
        showCardAlert(this, QStringLiteral("ORVEX"), text("msg.format_running"));
        return;
    }
    const std::optional<TKUSBDiskEntity> disk = selectedUSBDisk();
    if (!disk) {
        showCardAlert(this, QStringLiteral("ORVEX"),
                      m_usbDiskArray.isEmpty() ? QStringLiteral("There is no USB drive.")
                                               : QStringLiteral("Please select USB drive."));
        return;
    }
    if (!disk->writable()) {
        showCardAlert(this, text("msg.cannot_format"),
                      QStringLiteral("%1\n%2").arg(disk->displayString(), text("msg.write_protected_disk")));
        return;
    }
    // The question names the disk as it is now, not as the list showed it.
    m_checking = true;
    m_ui->formatButton->setEnabled(false);
    const QString device = disk->deviceFilePath();
    runInBackground<std::optional<TKUSBDiskEntity>>(
        this, [device] { return findUSBDiskByDevice(device); },
        [this, disk](const std::optional<TKUSBDiskEntity>& now) {
            m_checking = false;
            m_ui->formatButton->setEnabled(true);
            if (!now) {
                showCardAlert(
                    this, QStringLiteral("ORVEX"),
                    QStringLiteral("%1\n%2").arg(disk->displayString(), text("msg.format_disk_gone")));
                loadUSBVolumes();
                return;
            }
            confirmFormat(*now);
        });
}

void ORXFormatWindowController::confirmFormat(const TKUSBDiskEntity& disk)
{
    auto* box = new QMessageBox(this);
    m_confirmation = box;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->setWindowTitle(text("format.title"));
    box->setIcon(QMessageBox::Warning);
    box->setText(text("format.confirm_title"));
    box->setInformativeText(text("format.confirm_details")
                                .arg(disk.displayString(), QStringLiteral("/dev/") + disk.deviceFilePath(),
                                     formatByteSize(disk.volumeSize()),
                                     ORXCFormat("%llu", static_cast<unsigned long long>(disk.volumeSize())),
                                     disk.volumeName().isEmpty() ? QStringLiteral("-") : disk.volumeName()));
    QPushButton* erase = box->addButton(text("format.confirm_button"), QMessageBox::DestructiveRole);
    QPushButton* keep = box->addButton(text("cancel"), QMessageBox::RejectRole);
    erase->setObjectName(QStringLiteral("confirmFormatButton"));
    keep->setObjectName(QStringLiteral("confirmCancelButton"));
    erase->setToolTip(text("format.format_tip"));
    keep->setToolTip(text("format.keep_tip"));
    // Enter and Escape both keep the card as it is.
    box->setDefaultButton(keep);
    box->setEscapeButton(keep);
    keep->setFocus();
    connect(box, &QMessageBox::finished, this, [this, box, erase, disk](int) {
        if (box->clickedButton() == erase)
            doFormat(disk);
    });
    box->open();
}

void ORXFormatWindowController::doFormat(const TKUSBDiskEntity& disk)
{
    setFormatting(true);
    showProgressBar(QStringLiteral("Formatting..."));
    // The formatter belongs to no window: if the host closes during the run, the run still
    // ends by itself and the formatter goes with it.
    auto* formatter = new ORXCardFormatter;
    connect(formatter, &ORXCardFormatter::progressMessage, this,
            [this](const QString& message) { m_ui->progressMessageField->setText(message); });
    const QPointer<ORXFormatWindowController> self(this);
    const QString device = disk.deviceFilePath();
    connect(formatter, &ORXCardFormatter::finished, formatter,
            [self, formatter, device](const ORXFormatResult& r) {
                qCInfo(lcCard, "format of %s %s: %s %s", qUtf8Printable(device),
                       r.success ? "succeeded" : "failed", qUtf8Printable(r.messageText),
                       qUtf8Printable(QString(r.informativeText).replace('\n', QLatin1Char(' '))));
                if (self)
                    self->formatDidFinished(device, r);
                formatter->deleteLater();
            });
    formatter->start(disk, true);
}

void ORXFormatWindowController::formatDidFinished(const QString& deviceName, const ORXFormatResult& result)
{
    loadUSBVolumes([this, deviceName, result] {
        selectUSBByDevFile(deviceName);
        hideProgressBar();
        setFormatting(false);
        emit formatFinished(deviceName, result.success);
        std::function<void()> onOk;
        if (result.success)
            onOk = [this] { cancel(); };
        showCardAlert(this, result.messageText, result.informativeText, onOk);
    });
}

void ORXFormatWindowController::setFormatting(bool formatting)
{
    m_formatting = formatting;
    m_ui->formatButton->setEnabled(!formatting);
    m_ui->cancelButton->setEnabled(!formatting);
    m_ui->usbDiskCombo->setEnabled(!formatting);
    // The title bar's close button too (closeEvent refuses as well, for window managers
    // that ignore the hint).
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowCloseButtonHint, !formatting);
    if (shown)
        show();
}

void ORXFormatWindowController::closeEvent(QCloseEvent* event)
{
    if (m_formatting) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void ORXFormatWindowController::cancel()
{
    if (!m_formatting)
        close();
}

void ORXFormatWindowController::showProgressBar(const QString& message)
{
    m_stopProgressBar = false;
    m_progress = 0;
    emit progressChanged(m_progress);
    m_ui->progressMessageField->setText(message);
    m_ui->progressBar->show();
    m_ui->progressMessageField->show();
    m_ui->progressBar->setIndeterminate(true);
    // The same busy bar over the launcher icon.
    if (auto* controller = m_ui->progressBar->controller())
        controller->addProgressIndicator(m_ui->progressBar);
    m_ticker.start();
}

void ORXFormatWindowController::updateProgressBar(double duration)
{
    m_progress += 100 / (duration / (kTickMs / 1000.0));
    emit progressChanged(m_progress);
    m_ui->progressBar->setDoubleValue(m_progress);
    if (m_progress >= 100 || m_stopProgressBar)
        hideProgressBar();
}

void ORXFormatWindowController::hideProgressBar()
{
    m_ticker.stop();
    m_stopProgressBar = true;
    m_ui->progressBar->hide();
    m_ui->progressMessageField->hide();
    m_ui->progressBar->setIndeterminate(false);
    if (auto* controller = m_ui->progressBar->controller())
        controller->removeProgressIndicator(m_ui->progressBar);
}
