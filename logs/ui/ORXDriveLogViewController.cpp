#include "ORXDriveLogViewController.h"

#include "ORXDriveLogHost.h"
#include "ORXDriveLogTableModel.h"
#include "ORXLocalizedString.h"
#include "ORXLogsLog.h"
#include "ORXMapWindowController.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <algorithm>

namespace {
constexpr int kSavedAlertDelayMs = 500;
constexpr int kRowHeight = 20;
} // namespace

ORXDriveLogViewController::ORXDriveLogViewController(ORXDriveLogKind kind, QWidget* parent)
    : QWidget(parent), m_kind(kind)
{
    awakeFromNib();
    connect(&m_reader, &QFutureWatcher<ORXDriveLog>::finished, this, &ORXDriveLogViewController::didRead);
    connect(&m_writer, &QFutureWatcher<QString>::finished, this, [this] { didWrite(m_writer.result()); });
}

ORXDriveLogViewController::~ORXDriveLogViewController()
{
    // The workers hold their own copies of path and records; wait so none outlives us.
    m_reader.waitForFinished();
    m_writer.waitForFinished();
}

void ORXDriveLogViewController::awakeFromNib()
{
    m_model = new ORXDriveLogTableModel(m_kind, this);
    m_tableView = new QTableView(this);
    m_tableView->setObjectName(QStringLiteral("tableView"));
    m_tableView->setModel(m_model);
    m_tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableView->setAlternatingRowColors(true);
    m_tableView->setWordWrap(false);
    m_tableView->verticalHeader()->hide();
    // Fixed row heights: the view never measures a million rows.
    m_tableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tableView->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = m_tableView->horizontalHeader();
    header->setSectionsMovable(true);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setHighlightSections(false);
    // The design's widths, widened where our font needs more room for a title or a position.
    QFont cellFont = font();
    cellFont.setPixelSize(ORXDriveLogTableModel::kCellPointSize);
    const QFontMetrics cells(cellFont);
    const QFontMetrics titles(header->font());
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const QString widest = column == 5   ? QStringLiteral("0000.0000")
                               : column == 6 ? QStringLiteral("00000.0000")
                                             : QString();
        const int width = std::max({m_model->table().columnWidth(column),
                                    titles.horizontalAdvance(m_model->table().columnTitle(column)) + 14,
                                    cells.horizontalAdvance(widest) + 12});
        header->resizeSection(column, width);
    }
    m_tableView->setAccessibleName(
        ORXLocalizedString(m_kind == ORXDriveLogKind::Obd ? "drivelog.obd_table" : "drivelog.flash_table"));
    connect(m_tableView, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { doubleClickTableRow(index.row()); });

    m_openButton = new QPushButton(ORXLocalizedString("open"), this);
    m_openButton->setObjectName(QStringLiteral("openButton"));
    m_openButton->setToolTip(ORXLocalizedString("drivelog.open_tip"));
    m_openButton->setShortcut(QKeySequence::Open);
    m_exportButton = new QPushButton(ORXLocalizedString("export"), this);
    m_exportButton->setObjectName(QStringLiteral("exportButton"));
    m_exportButton->setToolTip(ORXLocalizedString("drivelog.export_tip"));
    m_exportButton->setShortcut(QKeySequence::Save);
    connect(m_openButton, &QPushButton::clicked, this, &ORXDriveLogViewController::openFileDialog);
    connect(m_exportButton, &QPushButton::clicked, this, &ORXDriveLogViewController::onSaveCSVFile);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_openButton);
    buttons->addWidget(m_exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_tableView, 1);
    layout->addLayout(buttons);
}

qint64 ORXDriveLogViewController::flashDataNum() const
{
    return m_model->table().rowCount();
}

QString ORXDriveLogViewController::stringForColumnIndex(int column, qint64 row) const
{
    return m_model->table().stringForColumnIndex(column, row);
}

QString ORXDriveLogViewController::logSuffix() const
{
    return m_kind == ORXDriveLogKind::Obd ? QStringLiteral("obd") : QStringLiteral("drv");
}

QString ORXDriveLogViewController::proposedCSVName() const
{
    return m_kind == ORXDriveLogKind::Obd ? QStringLiteral("orvex_obd.csv") : QStringLiteral("orvex_000.csv");
}

QString ORXDriveLogViewController::withSuffix(const QString& path, const QString& suffix)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

void ORXDriveLogViewController::setFileData(_FILEDATA* fileData)
{
    m_fileData = fileData;
    displayFileData();
}

void ORXDriveLogViewController::displayFileData()
{
    if (!m_fileData || !m_firstLoad)
        return;
    m_firstLoad = false;
    // The settings window gives the record before it names itself as host: the first read
    // waits for the event loop, so it runs behind the host's loading panel all the same.
    // The host names a path only when it found the file there (looking on the card off the
    // GUI thread); a file gone since is reported by the read.
    QTimer::singleShot(0, this, [this] {
        if (!m_FlashDataFilePath.isEmpty())
            loadFlashDataFile(m_FlashDataFilePath);
        else
            showAlert(QStringLiteral("Alarm"), ORXLocalizedString("setting.flashdata.warning"));
    });
}

bool ORXDriveLogViewController::populate()
{
    return true;
}

void ORXDriveLogViewController::onHide()
{
    releaseMapWindow();
}

void ORXDriveLogViewController::releaseMapWindow()
{
    m_mapWindowController.reset();
}

bool ORXDriveLogViewController::loadFlashDataFile(const QString& path)
{
    if (path.isEmpty() || m_busy)
        return false;
    m_FlashDataFilePath = path;
    m_busy = true;
    showLoading(ORXLocalizedString("drivelog.loading"));
    m_reader.setFuture(QtConcurrent::run(&ORXDriveLog::read, path, m_kind));
    return true;
}

void ORXDriveLogViewController::didRead()
{
    const ORXDriveLog log = m_reader.result();
    // Count and records change together, here on the GUI thread; a failed read keeps the rows.
    if (log.isValid()) {
        m_bFlashDataAccess = true;
        m_model->setTable(ORXDriveLogTable(log));
    }
    hideLoading();
    m_busy = false;
    if (!log.errorString().isEmpty())
        showAlert(QFileInfo(m_FlashDataFilePath).fileName(), log.errorString());
    emit readFinished(log.isValid());
}

void ORXDriveLogViewController::openFileDialog()
{
    releaseMapWindow();
    const QString filter =
        ORXLocalizedString(m_kind == ORXDriveLogKind::Obd ? "drivelog.obd_files" : "drivelog.drv_files");
    QFileDialog dialog(window(), ORXLocalizedString("drivelog.open_title"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter + QStringLiteral(" (*.") + logSuffix() + QLatin1Char(')'));
    if (!m_FlashDataFilePath.isEmpty())
        dialog.setDirectory(QFileInfo(m_FlashDataFilePath).absolutePath());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        loadFlashDataFile(dialog.selectedFiles().constLast());
}

QString ORXDriveLogViewController::openSavePanel()
{
    QFileDialog dialog(window(), ORXLocalizedString("drivelog.save_title"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(ORXLocalizedString("drivelog.csv_files") + QStringLiteral(" (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (!m_FlashDataFilePath.isEmpty())
        dialog.setDirectory(QFileInfo(m_FlashDataFilePath).absolutePath());
    dialog.selectFile(proposedCSVName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return withSuffix(dialog.selectedFiles().constFirst(), QStringLiteral("csv"));
}

void ORXDriveLogViewController::onSaveCSVFile()
{
    releaseMapWindow();
    if (flashDataNum() <= 0 || m_busy)
        return;
    const QString path = openSavePanel();
    if (!path.isEmpty())
        doWriteCSVFile(path);
}

bool ORXDriveLogViewController::doWriteCSVFile(const QString& path)
{
    if (flashDataNum() <= 0 || m_busy || path.isEmpty())
        return false;
    m_busy = true;
    showLoading(ORXLocalizedString("drivelog.saving"));
    // The worker gets its own copy of the table; the records are shared, never written.
    const ORXDriveLogTable table = m_model->table();
    m_writer.setFuture(QtConcurrent::run([table, path] { return table.writeCSVFile(path); }));
    return true;
}

void ORXDriveLogViewController::didWrite(const QString& errorKey)
{
    hideLoading();
    m_busy = false;
    if (errorKey.isEmpty()) {
        QTimer::singleShot(kSavedAlertDelayMs, this,
                           [this] { showAlert(QStringLiteral("ORVEX"), ORXLocalizedString("msg.saved")); });
    } else {
        showAlert(QStringLiteral("ORVEX"), ORXLocalizedString(errorKey.toUtf8().constData()));
    }
    emit writeFinished(errorKey.isEmpty());
}

void ORXDriveLogViewController::doubleClickTableRow(int row)
{
    qCInfo(lcLogs, "rowNum=%ld", long(row));
    double latitude = 0;
    double longitude = 0;
    if (!m_model->table().positionForRow(row, &latitude, &longitude))
        return;
    if (!m_mapWindowController) {
        m_mapWindowController = std::make_unique<ORXMapWindowController>();
        m_mapWindowController->show();
        QWidget* host = m_mainController ? m_mainController->hostWindow() : window();
        m_mapWindowController->moveWindowRightBy(host ? host->frameGeometry() : QRect());
    } else {
        m_mapWindowController->show();
        m_mapWindowController->raise();
    }
    if (latitude != 0 && longitude != 0)
        m_mapWindowController->updateMapLat(latitude, longitude);
}

QWidget* ORXDriveLogViewController::alertWindow()
{
    QWidget* host = m_mainController ? m_mainController->hostWindow() : nullptr;
    return host ? host : window();
}

void ORXDriveLogViewController::showAlert(const QString& title, const QString& text)
{
    // A window-modal box with the single button "OK"; it does not block the caller.
    auto* box = new QMessageBox(QMessageBox::Warning, title, title, QMessageBox::Ok, alertWindow());
    box->setObjectName(QStringLiteral("driveLogAlert"));
    box->setInformativeText(text);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void ORXDriveLogViewController::showLoading(const QString& text)
{
    m_openButton->setEnabled(false);
    m_exportButton->setEnabled(false);
    if (m_mainController)
        m_mainController->showLoading(text);
}

void ORXDriveLogViewController::hideLoading()
{
    m_openButton->setEnabled(true);
    m_exportButton->setEnabled(true);
    if (m_mainController)
        m_mainController->hideLoading();
}
