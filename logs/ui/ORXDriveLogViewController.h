#pragma once

#include "ORXDriveLog.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>

#include <memory>

struct _FILEDATA;
class ORXDriveLogHost;
class ORXDriveLogTableModel;
class ORXMapWindowController;
class QPushButton;
class QTableView;

// The shared drive-log page: a table of a log's records in fixed columns, an open button, an
// export button, and the map window for a double-clicked record. The two viewers differ only
// in the record kind and its file names.
//
// It edits no field of the configuration record: the record given to setFileData is only the
// sign that the page is being shown. The first time it is shown it reads the log at the path
// its host gave (or warns once that there is none). Reading and writing run on the thread
// pool behind the host's loading panel; a read that fails keeps the rows shown and says why.
class ORXDriveLogViewController : public QWidget
{
    Q_OBJECT

public:
    ~ORXDriveLogViewController() override;

    ORXDriveLogKind kind() const { return m_kind; }

    // The page protocol of the settings window.
    void setFileData(_FILEDATA* fileData);
    void displayFileData();
    QString validateUserInput() const { return QString(); }
    bool populate();
    void setMainController(ORXDriveLogHost* host) { m_mainController = host; }
    void onHide();

    // The log to read on the first display (set by the host only when the file exists).
    void setFlashDataFilePath(const QString& path) { m_FlashDataFilePath = path; }
    QString flashDataFilePath() const { return m_FlashDataFilePath; }
    qint64 flashDataNum() const;
    bool isFlashDataAccessed() const { return m_bFlashDataAccess; }
    bool isBusy() const { return m_busy; }

    // Reads the log at `path` in the background; false when a read or write is under way.
    bool loadFlashDataFile(const QString& path);
    // Writes the CSV text to `path` in the background; false when there is nothing to write
    // or work is under way.
    bool doWriteCSVFile(const QString& path);
    void doubleClickTableRow(int row);

    QString stringForColumnIndex(int column, qint64 row) const;
    QTableView* tableView() const { return m_tableView; }
    QPushButton* openButton() const { return m_openButton; }
    QPushButton* exportButton() const { return m_exportButton; }
    ORXMapWindowController* mapWindowController() const { return m_mapWindowController.get(); }

    // File names: the type of the log ("obd", "drv") and the name proposed for the CSV file.
    QString logSuffix() const;
    QString proposedCSVName() const;
    // `path` with ".suffix" added when the name the user typed has none.
    static QString withSuffix(const QString& path, const QString& suffix);

signals:
    // A read or a write has finished and the loading panel is down.
    void readFinished(bool ok);
    void writeFinished(bool ok);

protected:
    ORXDriveLogViewController(ORXDriveLogKind kind, QWidget* parent);

private:
    void awakeFromNib();
    void openFileDialog();
    void onSaveCSVFile();
    QString openSavePanel();
    void didRead();
    void didWrite(const QString& errorKey);
    void releaseMapWindow();
    void showAlert(const QString& title, const QString& text);
    void showLoading(const QString& text);
    void hideLoading();
    QWidget* alertWindow();

    ORXDriveLogKind m_kind;
    _FILEDATA* m_fileData = nullptr;
    ORXDriveLogHost* m_mainController = nullptr;
    QString m_FlashDataFilePath;
    bool m_bFlashDataAccess = false;
    bool m_firstLoad = true;
    bool m_busy = false;
    ORXDriveLogTableModel* m_model = nullptr;
    QTableView* m_tableView = nullptr;
    QPushButton* m_openButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    std::unique_ptr<ORXMapWindowController> m_mapWindowController;
    QFutureWatcher<ORXDriveLog> m_reader;
    QFutureWatcher<QString> m_writer;
};
