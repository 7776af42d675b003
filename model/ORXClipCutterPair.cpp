#include "ORXClipCutter.h"

#include "ORXLocalizedString.h"
#include "ORXMedia.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>

// The pair cut: names, the folder of the clip and the partner.
namespace {
QString withoutChannel(const QString& name)
{
    return name.endsWith(QLatin1String("_F")) || name.endsWith(QLatin1String("_R")) ? name.chopped(2) : name;
}

// The camera's name of a recording starting `offset` seconds after `media`: its division
// prefix, the clip's start time, its channel. A name without a time keeps its own name
// with the offset behind it.
QString clipName(const ORXMedia& media, double offset, const QString& channel)
{
    const QString extension = media.extension().isEmpty() ? QStringLiteral("avi") : media.extension();
    int division = 0, start = 0;
    if (!ORXMedia::divisionOfName(media.mediaName(), &division, &start) || media.year() == 0) {
        return QStringLiteral("%1_%2s_%3.%4")
            .arg(withoutChannel(media.mediaName()), QString::number(qint64(std::floor(offset))), channel,
                 extension);
    }
    // The camera may write hour 24 or second 60 at a roll-over: start from the day and add.
    const QDateTime begin(QDate(media.year(), media.month(), media.day()), QTime(0, 0), Qt::UTC);
    const qint64 seconds =
        qint64(media.hour()) * 3600 + media.minute() * 60 + media.second() + qint64(std::floor(offset));
    const QString time = begin.addSecs(seconds).toString(QStringLiteral("yyyyMMdd_HHmmss"));
    return QStringLiteral("%1%2_%3.%4").arg(media.mediaName().left(start), time, channel, extension);
}

QString channelOf(const ORXMedia& media)
{
    return media.isRearMedia() ? QStringLiteral("R") : QStringLiteral("F");
}

// A folder name under dir not yet taken: name, name_2, name_3, ...
QString freeFolder(const QDir& dir, const QString& name)
{
    QString candidate = name;
    for (int n = 2; dir.exists(candidate); ++n)
        candidate = QStringLiteral("%1_%2").arg(name).arg(n);
    return dir.filePath(candidate);
}
} // namespace

QString ORXClipCutter::partnerPathOf(const QString& path)
{
    const ORXMedia media(path);
    if (media.mediaDirection() == ORXMedia::Unknown || !media.mediaName().endsWith(channelOf(media)))
        return QString();
    const QString other = media.isRearMedia() ? QStringLiteral("F") : QStringLiteral("R");
    const QString name = media.mediaName().chopped(1) + other;
    const QDir dir = QFileInfo(path).dir();
    for (const QString& extension :
         {media.extension(), media.extension().toLower(), media.extension().toUpper()}) {
        const QString candidate = dir.filePath(name + QLatin1Char('.') + extension);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

bool ORXClipCutter::cutPair(const QString& path, const QString& partner, const QString& outDir)
{
    m_error.clear();
    m_warning.clear();
    m_canceled = false;
    m_folder.clear();
    m_files.clear();
    m_lastPermille = -1;

    const QFileInfo outInfo(outDir);
    if (!outInfo.isDir() || !outInfo.isWritable())
        return fail(ORXLocalizedString("clip.error.write").arg(ORXLocalizedString("clip.error.no_folder")));
    QTemporaryDir work(QDir(outDir).filePath(QStringLiteral(".orvex-clip-XXXXXX")));
    if (!work.isValid())
        return fail(ORXLocalizedString("clip.error.write").arg(work.errorString()));

    const bool withPartner = !partner.isEmpty() && QFileInfo(partner).isFile();
    const int parts = withPartner ? 2 : 1;
    const QString first = work.filePath(QStringLiteral("first.part"));
    if (!cutOne(path, first, false, 0, parts))
        return false;
    const double start = m_clipStart, duration = m_clipDuration;
    const ORXMedia media(path);
    const QString name = clipName(media, start, channelOf(media));
    QStringList names{name};
    if (!QFile::rename(first, work.filePath(name)))
        return fail(ORXLocalizedString("clip.error.write").arg(QStringLiteral("rename")));

    if (withPartner) {
        const ORXMedia other(partner);
        const QString second = work.filePath(QStringLiteral("second.part"));
        if (!cutOne(partner, second, true, 1, parts)) {
            if (m_canceled)
                return false;
            if (m_rangeFailed) {
                // The other camera stopped before the clip begins: keep this camera's clip.
                m_error.clear();
                m_warning = ORXLocalizedString("clip.warning.partner_short");
                return finish(work, names, start, duration, outDir);
            }
            m_error = QStringLiteral("%1: %2").arg(QFileInfo(partner).fileName(), m_error);
            return false;
        }
        // Both files carry the first one's start, so that they form one pair.
        const QString otherName = clipName(media, start, channelOf(other));
        if (otherName == name || !QFile::rename(second, work.filePath(otherName)))
            return fail(ORXLocalizedString("clip.error.write").arg(QStringLiteral("rename")));
        names << otherName;
    } else {
        m_warning = ORXLocalizedString("clip.warning.no_partner");
    }

    return finish(work, names, start, duration, outDir);
}

// Moves the finished clip from its work folder to a folder of its own, named like the pair.
bool ORXClipCutter::finish(QTemporaryDir& work, const QStringList& names, double start, double duration,
                           const QString& outDir)
{
    const QString folder =
        freeFolder(QDir(outDir), withoutChannel(QFileInfo(names.first()).completeBaseName()));
    if (!QDir().rename(work.path(), folder))
        return fail(ORXLocalizedString("clip.error.write").arg(QStringLiteral("rename")));
    work.setAutoRemove(false);
    m_folder = folder;
    for (const QString& file : names)
        m_files << QDir(folder).filePath(file);
    m_clipStart = start;
    m_clipDuration = duration;
    return true;
}
