#include "ORXTrackExport.h"

#include "ORXBlackBoxData.h"
#include "ORXLocalizedString.h"
#include "ORXTelemetryExport.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

ORXTrackExport::ORXTrackExport(QWidget* window, QObject* parent)
    : QObject(parent), m_window(window), m_alert(ORXSnapshot::showAlert)
{
    m_chooseFile = [](QWidget* parent, const QString& proposed) {
        return QFileDialog::getSaveFileName(parent, ORXLocalizedString("export.save_title"), proposed);
    };
}

QString ORXTrackExport::proposedFileName(const QString& recordingPath, Kind kind)
{
    QString base = QFileInfo(recordingPath).completeBaseName();
    if (base.isEmpty())
        base = QStringLiteral("orvex");
    return base + (kind == Track ? QStringLiteral(".gpx") : QStringLiteral(".csv"));
}

bool ORXTrackExport::writeFile(const ORXBlackBoxData& box, Kind kind, const QString& recordingPath,
                               const QString& target, QString* error)
{
    const QByteArray bytes = kind == Track
                                 ? ORXTelemetryExport::toGpx(box, QFileInfo(recordingPath).completeBaseName())
                                 : ORXTelemetryExport::toCsv(box);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        *error = QStringLiteral("%1: %2").arg(target, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool ORXTrackExport::exportRecording(const ORXBlackBoxData& box, Kind kind, const QString& recordingPath)
{
    if (recordingPath.isEmpty()) {
        m_alert(m_window, ORXLocalizedString("export.nothing_playing"));
        return false;
    }
    const QString folder = ORXSnapshot::saveFolderFor(recordingPath);
    const QString target =
        m_chooseFile(m_window, QDir(folder).filePath(proposedFileName(recordingPath, kind)));
    if (target.isEmpty())
        return false;
    QString error;
    if (!writeFile(box, kind, recordingPath, target, &error)) {
        m_alert(m_window, ORXLocalizedString("export.failed") + QLatin1Char('\n') + error);
        return false;
    }
    return true;
}
