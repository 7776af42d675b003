// The recording table, opening folders, and the loading indicator of the player window.
#include "ORXAppDelegate.h"

#include "CustomWindow.h"
#include "ORXLocalizedString.h"
#include "ORXMediaList.h"
#include "ORXMediaListTableModel.h"
#include "ORXPlaybackController.h"
#include "ORXPlaybackEngine.h"
#include "ORXPlayerDefaults.h"
#include "PMProgressIndicator.h"
#include "ui_CustomWindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QSemaphore>
#include <QThread>
#include <QTimer>

namespace {
constexpr double kLoadingSeconds = 15.0; // the indicator gives up after this long
constexpr int kLoadingTickMs = 300;
constexpr int kColumnWidths[ORXMediaListTableModel::kColumnCount] = {98, 72, 56, 0}; // "file" takes the rest
} // namespace

void ORXAppDelegate::initMediaListTableView()
{
    m_columnNames = {ORXLocalizedString("filelist.mode"), ORXLocalizedString("filelist.date"),
                     ORXLocalizedString("filelist.time"), ORXLocalizedString("filelist.file")};
    m_tableModel = new ORXMediaListTableModel(m_mediaList.get(), this);
    QTableView* table = m_ui->mediaListTableView;
    table->setModel(m_tableModel);
    const Qt::Alignment alignments[] = {Qt::AlignCenter, Qt::AlignCenter, Qt::AlignCenter,
                                        Qt::AlignLeft | Qt::AlignVCenter};
    for (int i = 0; i < ORXMediaListTableModel::kColumnCount; ++i)
        updateTableColumnWithIndex(i, m_columnNames[i], QLatin1String(ORXMediaListTableModel::kIdentifiers[i]),
                                   alignments[i]);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideLeft); // the end of a file name tells its channel
    QFont font = table->font();
    font.setPixelSize(11); // the table keeps its small type so that all four columns fit
    table->setFont(font);
    table->setIconSize(QSize(32, 16));
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(24);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < ORXMediaListTableModel::kColumnCount; ++i) {
        if (kColumnWidths[i] > 0)
            table->setColumnWidth(i, kColumnWidths[i]);
    }
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setDragDropMode(QAbstractItemView::DropOnly);
    table->setDropIndicatorShown(false);
    table->setFocusPolicy(Qt::NoFocus); // arrows and space belong to the player
    connect(m_tableModel, &ORXMediaListTableModel::folderDropped, this, &ORXAppDelegate::openDirectory);
}

void ORXAppDelegate::updateTableColumnWithIndex(int index, const QString& title, const QString& identifier,
                                                Qt::Alignment alignment)
{
    // The model's columns are fixed by identifier; the title and alignment are set here.
    if (index >= 0 && index < ORXMediaListTableModel::kColumnCount &&
        identifier == QLatin1String(ORXMediaListTableModel::kIdentifiers[index]))
        m_tableModel->setColumn(index, title, alignment);
}

void ORXAppDelegate::openMediaDirectoryDialog()
{
    const QString start = ORXPlayerDefaults::settings().value(QLatin1String(ORXPlayerDefaults::kLastFolder)).toString();
    const QString folder = QFileDialog::getExistingDirectory(m_window, ORXLocalizedString("filelist.open_title"), start,
                                                             QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        openDirectory(folder);
}

void ORXAppDelegate::openDirectory(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return;
    // The old folder's recording is over: no row, not playing, no telemetry, no map route.
    m_playback->closeRecording();
    ORXPlayerDefaults::settings().setValue(QLatin1String(ORXPlayerDefaults::kLastFolder), info.absoluteFilePath());
    m_mediaList->setDirectoryPath(info.absoluteFilePath());
}

void ORXAppDelegate::mediaListChanged(ORXMediaList*)
{
    auto reload = [this] {
        setRightViewMode(0);
        updateSideViewButton();
        m_tableModel->reload();
        updateRecordingFilterBar();
        emit mediaListReloaded();
    };
    if (QThread::currentThread() == thread()) {
        reload();
        return;
    }
    // The rebuild counts as finished once the table has been reloaded on the main thread.
    // Wait for that, but not forever: a window that is closing no longer reloads anything.
    auto done = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(this, [reload, done] {
        reload();
        done->release();
    }, Qt::QueuedConnection);
    while (!done->tryAcquire(1, 100)) {
        if (m_closing.load())
            return;
    }
}

// --- loading indicator ---------------------------------------------------------------------

void ORXAppDelegate::showLoading(const QString&)
{
    PMProgressIndicator* indicator = m_ui->progressIndicator;
    indicator->setIndeterminate(true);
    m_stopVideoLoadingView = false;
    m_progress = 0;
    indicator->setDoubleValue(indicator->minimum());
    indicator->show(); // centred in the head box by its layout
    QTimer::singleShot(kLoadingTickMs, this, [this] { updateLoadingWindow(kLoadingSeconds); });
}

void ORXAppDelegate::updateLoadingWindow(double seconds)
{
    PMProgressIndicator* indicator = m_ui->progressIndicator;
    m_progress += 100.0 / (seconds / 0.3);
    indicator->setDoubleValue(m_progress);
    if (m_progress >= 100.0 || m_stopVideoLoadingView) {
        indicator->setDoubleValue(indicator->minimum());
        indicator->setIndeterminate(false);
        indicator->hide();
        m_stopVideoLoadingView = true;
        return;
    }
    QTimer::singleShot(kLoadingTickMs, this, [this, seconds] { updateLoadingWindow(seconds); });
}

void ORXAppDelegate::hideLoading()
{
    m_stopVideoLoadingView = true;
}
