#include "ORXCFormat.h"
#include "ORXCliCommand.h"
#include "ORXLocalizedString.h"
#include "ORXMediaList.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

// orvex-cli recordings DIR [--summary | --first-front]
// Lists the recordings under a folder in the player's order, with each one's pair partner.
namespace {

const QString kCommand = QStringLiteral("recordings");

QString jsonString(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"': out += QLatin1String("\\\""); break;
        case u'\\': out += QLatin1String("\\\\"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        case u'\b': out += QLatin1String("\\b"); break;
        case u'\f': out += QLatin1String("\\f"); break;
        default:
            if (c.unicode() < 0x20)
                out += QString::asprintf("\\u%04x", unsigned(c.unicode()));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

// One object per recording, keys in a fixed order, indented like QJsonDocument does.
QString toJson(const ORXMediaList::Contents& contents)
{
    if (contents.medias.isEmpty())
        return QStringLiteral("[]\n");
    QStringList objects;
    for (const ORXMediaPtr& media : contents.medias) {
        const ORXMediaPairPtr pair = contents.mediaPairDic.value(media->mediaGroupName());
        const ORXMediaPtr partner = pair ? pair->partnerOf(*media) : nullptr;
        const QList<std::pair<const char*, QString>> fields{
            {"path", jsonString(media->path())},
            {"fileName", jsonString(media->fileName())},
            {"mediaName", jsonString(media->mediaName())},
            {"extension", jsonString(media->extension())},
            {"mediaDivision", QString::number(media->mediaDivision())},
            {"mediaDirection", QString::number(media->mediaDirection())},
            {"yyyymmddhhmiss", jsonString(media->yyyymmddhhmiss())},
            {"mediaGroupName", jsonString(media->mediaGroupName())},
            {"partner", partner ? jsonString(partner->path()) : QStringLiteral("null")},
        };
        QStringList lines;
        for (const auto& [key, value] : fields)
            lines << QStringLiteral("        \"%1\": %2").arg(QLatin1String(key), value);
        objects << QStringLiteral("    {\n") + lines.join(QStringLiteral(",\n")) + QStringLiteral("\n    }");
    }
    return QStringLiteral("[\n") + objects.join(QStringLiteral(",\n")) + QStringLiteral("\n]\n");
}

QString timeText(const ORXMedia& media)
{
    return ORXCFormat("%04d-%02d-%02d %02d:%02d:%02d", media.year(), media.month(), media.day(), media.hour(),
                      media.minute(), media.second());
}

QString number(qsizetype value)
{
    return ORXCFormat("%lld", static_cast<long long>(value));
}

QString toSummary(const ORXMediaList::Contents& contents)
{
    qsizetype complete = 0;
    for (const ORXMediaPairPtr& pair : contents.mediaPairDic)
        complete += pair->frontMedia() && pair->rearMedia() ? 1 : 0;
    qsizetype kinds[3] = {0, 0, 0};
    for (const ORXMediaPtr& media : contents.medias)
        ++kinds[std::clamp(media->mediaDivision(), 0, 2)];
    QString text = ORXLocalizedString("cli.recordings.count").arg(number(contents.medias.size())) + QLatin1Char('\n');
    text += ORXLocalizedString("cli.recordings.pairs").arg(number(contents.mediaPairDic.size()), number(complete))
        + QLatin1Char('\n');
    text += ORXLocalizedString("cli.recordings.kinds").arg(number(kinds[0]), number(kinds[1]), number(kinds[2]))
        + QLatin1Char('\n');
    if (!contents.medias.isEmpty()) {
        text += ORXLocalizedString("cli.recordings.first").arg(timeText(*contents.medias.first())) + QLatin1Char('\n');
        text += ORXLocalizedString("cli.recordings.last").arg(timeText(*contents.medias.last())) + QLatin1Char('\n');
    }
    return text;
}

int run(const QStringList& args)
{
    QString folder;
    QString mode;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--summary") || arg == QLatin1String("--first-front")) {
            if (!mode.isEmpty())
                return ORXCli::failUsage(kCommand, QStringLiteral("--summary and --first-front exclude each other"));
            mode = arg;
        } else if (arg.startsWith(QLatin1String("--")) || !folder.isNull()) {
            return ORXCli::failUsage(kCommand, QStringLiteral("unexpected argument \"%1\"").arg(arg));
        } else {
            folder = arg;
        }
    }
    if (folder.isEmpty())
        return ORXCli::failUsage(kCommand, QStringLiteral("no folder given"));
    const QFileInfo info(folder);
    if (!info.exists())
        return ORXCli::failInput(folder, ORXLocalizedString("cli.recordings.no_folder"));
    if (!info.isDir())
        return ORXCli::failInput(folder, ORXLocalizedString("cli.recordings.not_a_folder"));
    if (!QDir(folder).isReadable())
        return ORXCli::failInput(folder, ORXLocalizedString("cli.recordings.unreadable"));

    QLoggingCategory::setFilterRules(QStringLiteral("orvex.model.debug=false"));
    ORXMediaList list;
    list.setDirectoryPath(folder);
    list.waitForRebuild();
    const auto contents = list.contents();

    if (mode == QLatin1String("--summary")) {
        ORXCli::writeOut(toSummary(*contents));
    } else if (mode == QLatin1String("--first-front")) {
        const auto front = std::find_if(contents->medias.cbegin(), contents->medias.cend(),
                                        [](const ORXMediaPtr& media) { return media->isFrontMedia(); });
        if (front == contents->medias.cend())
            return ORXCli::failInput(folder, ORXLocalizedString("cli.recordings.no_front"));
        ORXCli::writeOut((*front)->path() + QLatin1Char('\n'));
    } else {
        ORXCli::writeOut(toJson(*contents));
    }
    return ORXCli::Success;
}

const ORXCli::Registrar reg({kCommand, QStringLiteral("recordings DIR [--summary | --first-front]    the recordings of a folder (JSON)"), run});
} // namespace
