#include "ORXConfigRestore.h"

#include "ORXCardLog.h"
#include "ORXConfigFile.h"
#include "ORXLocalizedString.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

namespace {
const QString kConfigName = QStringLiteral("config.bin");
}

QString ORXConfigRestore::copyFile(const QString& from, const QString& to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: %2").arg(from, in.errorString());
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(to, out.errorString());
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return QStringLiteral("%1: %2").arg(from, in.errorString());
        if (n == 0)
            break;
        if (out.write(buffer, n) != n)
            return QStringLiteral("%1: %2").arg(to, out.errorString());
    }
    if (!out.flush() || !out.commit())
        return QStringLiteral("%1: %2").arg(to, out.errorString());
    return {};
}

QString ORXConfigRestore::saveFromVolume(const QString& mountPath, QString* savedPath)
{
    savedPath->clear();
    const QString source = QDir(mountPath).filePath(kConfigName);
    if (mountPath.isEmpty() || !QFileInfo::exists(source))
        return {};
    // Kept after the run: the user's settings stay there even if putting them back fails.
    const QString folder =
        QDir(QDir::tempPath()).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces));
    if (!QDir().mkpath(folder))
        return QStringLiteral("%1: cannot create the folder").arg(folder);
    const QString copy = QDir(folder).filePath(kConfigName);
    QFile::remove(copy);
    const QString error = copyFile(source, copy);
    if (error.isNull()) {
        *savedPath = copy;
        qCInfo(lcCard, "config.bin saved to %s", qUtf8Printable(copy));
    }
    return error;
}

QString ORXConfigRestore::putBack(const QString& savedPath, const QString& folder)
{
    const QString target = QDir(folder).filePath(kConfigName);
    if (!savedPath.isEmpty()) {
        const QString error = copyFile(savedPath, target);
        if (!error.isNull())
            qCInfo(lcCard, "error=%s", qUtf8Printable(error));
        return error;
    }
    const QString key = writeDefaultConfigFile(target);
    if (key.isNull())
        return {};
    const QString text = ORXLocalizedString(key);
    return text.isEmpty() ? key : text;
}
