#include "ORXSnapshot.h"

#include "ORXLocalizedString.h"
#include "ORXPlaybackEngine.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcSnapshot, "orvex.player.snapshot")

namespace {
QString chooseFileWithDialog(QWidget* parent, const QString& proposedPath)
{
    QFileDialog dialog(parent, ORXLocalizedString("snapshot.save_title"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    dialog.setDirectory(QFileInfo(proposedPath).absolutePath());
    dialog.selectFile(QFileInfo(proposedPath).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

// The writer's name for the format a file name asks for.
QByteArray formatForName(const QString& path)
{
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (suffix == "jpg" || suffix == "jpeg")
        return "jpeg";
    if (!suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix))
        return suffix;
    return "png";
}
} // namespace

ORXSnapshot::ORXSnapshot(QWidget* window, QObject* parent)
    : QObject(parent), m_window(window), m_chooseFile(chooseFileWithDialog), m_alert(showAlert),
      m_open([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
}

QString ORXSnapshot::temporaryPicturePath()
{
    // The runtime folder is the user's own (Qt makes it 0700 and checks its owner); a fixed
    // name in the shared /tmp would let another user plant a link there.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return QString();
    const QString folder = runtime + QStringLiteral("/orvex");
    if (!QDir().mkpath(folder))
        return QString();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    struct stat info = {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::geteuid())
        return QString();
    return folder + QStringLiteral("/orvex_capture.jpg");
}

bool ORXSnapshot::takePicture(ORXPlaybackEngine* player, QString* error)
{
    const QString path = temporaryPicturePath();
    if (path.isEmpty()) {
        *error = ORXLocalizedString("snapshot.no_folder");
        return false;
    }
    QFile::remove(path); // so that a picture left from before is never taken for this one
    if (!player || !player->saveVideoSnapshotAt(path, 0, 0) || QFileInfo(path).size() <= 0) {
        qCWarning(lcSnapshot, "snapshot to %s failed", qPrintable(path));
        *error = ORXLocalizedString("snapshot.failed");
        return false;
    }
    return true;
}

bool ORXSnapshot::savePicture(const QString& source, const QString& target, QString* error)
{
    QImageReader reader(source);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        qCWarning(lcSnapshot, "cannot read %s: %s", qPrintable(source), qPrintable(reader.errorString()));
        *error = ORXLocalizedString("snapshot.failed");
        return false;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("%1: %2").arg(target, file.errorString());
        return false;
    }
    const QByteArray format = formatForName(target);
    QImageWriter writer(&file, format);
    if (format == "jpeg")
        writer.setQuality(92);
    if (!writer.write(picture) || !file.flush() || !file.commit()) {
        *error = QStringLiteral("%1: %2").arg(
            target, file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool ORXSnapshot::captureVideo(ORXPlaybackEngine* player1)
{
    if (!player1 || !player1->media())
        return false;
    const bool atEnd = player1->state() == ORXPlaybackEngine::kStatePaused && player1->position() >= 0.998f;
    if (!player1->isPlaying() && !atEnd)
        return false;
    QString error;
    if (!takePicture(player1, &error)) {
        m_alert(m_window, error);
        return false;
    }
    const QString folder = saveFolderFor(player1->media()->url().toLocalFile());
    const QString target = m_chooseFile(m_window, QDir(folder).filePath(proposedFileName()));
    if (target.isEmpty())
        return false; // cancelled: the temporary picture stays
    if (!savePicture(temporaryPicturePath(), target, &error)) {
        qCWarning(lcSnapshot, "%s", qPrintable(error));
        m_alert(m_window, ORXLocalizedString("snapshot.save_failed") + QLatin1Char('\n') + error);
        return false;
    }
    m_open(QUrl::fromLocalFile(target)); // the viewer runs on its own; we do not wait for it
    return true;
}

QString ORXSnapshot::saveFolderFor(const QString& recordingPath)
{
    const QFileInfo folder(QFileInfo(recordingPath).absolutePath());
    if (!recordingPath.isEmpty() && folder.isDir() && folder.isWritable())
        return folder.absoluteFilePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void ORXSnapshot::showAlert(QWidget* parent, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("ORVEX"), QStringLiteral("ORVEX"),
                                QMessageBox::Ok, parent);
    box->setInformativeText(text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}
