// The settings window's save: checks and stores the current page, finds where the record
// goes and writes it, off the GUI thread (the card may be slow or gone).
#include "ORXConfigFile.h"
#include "ORXLocalizedString.h"
#include "ORXSettingController.h"
#include "ORXSettingFileLocator.h"
#include "ORXSettingSharedUi.h"

#include <QDir>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QStandardPaths>
#include <QtConcurrent>

void ORXSettingController::onSave()
{
    if (m_saving || m_loading)
        return;
    const QString message = validateUserInput();
    if (!message.isNull()) {
        showAlert(this, QStringLiteral("ORVEX"), message);
        return;
    }
    if (!populate())
        return;
    prepareConfigForSave(&m_FileData);

    m_saving = true;
    setBusy(true);
    const std::optional<TKUSBDiskEntity> disk = m_selectedUSBDisk;
    const QString copy = m_isCopy ? m_SettingFilePath : QString();
    auto* watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        QString target = watcher->result();
        watcher->deleteLater();
        if (target.isEmpty()) {
            // No card at all: the user says where the file goes.
            const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            target = QFileDialog::getSaveFileName(this, ORXLocalizedString("setting.save_title"),
                                                  QDir(documents).filePath(QStringLiteral("config.bin")));
            if (target.isEmpty()) {
                m_saving = false;
                setBusy(false);
                return;
            }
        }
        writeSettings(target);
    });
    watcher->setFuture(
        QtConcurrent::run([disk, copy] { return ORXSettingFileLocator::saveTarget(disk, copy); }));
}

void ORXSettingController::writeSettings(const QString& target)
{
    const _FILEDATA record = m_FileData;
    auto* watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, target] {
        const QString key = watcher->result();
        watcher->deleteLater();
        m_saving = false;
        setBusy(false);
        if (key.isNull()) {
            // The window closes when the user has read the message.
            showAlertSheet(this, target, ORXLocalizedString("msg.saved"), [this] { onCloseCmd(); });
            emit saveFinished(true, target);
            return;
        }
        // The record keeps the user's edits; the window stays open.
        const QString text = ORXLocalizedString(
            key == QLatin1String("msg.disk_full") ? "msg.disk_full" : "msg.write_protected_disk");
        showAlert(this, QStringLiteral("Warn"), text);
        emit saveFinished(false, text);
    });
    watcher->setFuture(QtConcurrent::run([record, target] { return writeConfigFile(record, target); }));
}
