#include "ORXCliCommand.h"
#include "ORXClipCutter.h"
#include "ORXLocalizedString.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <cmath>

// orvex-cli clip FILE --from SECONDS --to SECONDS --out DIR
// Cuts a recording and the other camera's recording of the same moment to a span, without
// re-encoding, into a folder of their own under DIR; prints the folder and the files.
namespace {

const QString kCommand = QStringLiteral("clip");

// "--name VALUE" or "--name=VALUE"; returns false for a missing value.
bool takeValue(const QStringList& args, qsizetype* i, const QString& name, QString* value, bool* matched)
{
    const QString& arg = args.at(*i);
    *matched = true;
    if (arg == name) {
        if (++*i >= args.size())
            return false;
        *value = args.at(*i);
    } else if (arg.startsWith(name + QLatin1Char('='))) {
        *value = arg.mid(name.size() + 1);
    } else {
        *matched = false;
    }
    return true;
}

bool toSeconds(const QString& text, double* seconds)
{
    bool ok = false;
    *seconds = text.toDouble(&ok);
    return ok && std::isfinite(*seconds);
}

int run(const QStringList& args)
{
    QString path, from, to, out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        bool matched = false;
        for (auto [name, value] :
             {std::pair{QStringLiteral("--from"), &from}, std::pair{QStringLiteral("--to"), &to},
              std::pair{QStringLiteral("--out"), &out}}) {
            if (!takeValue(args, &i, name, value, &matched))
                return ORXCli::failUsage(kCommand, QStringLiteral("%1 needs a value").arg(name));
            if (matched)
                break;
        }
        if (matched)
            continue;
        if (args.at(i).startsWith(QLatin1String("--")) || !path.isEmpty())
            return ORXCli::failUsage(kCommand, QStringLiteral("unexpected argument \"%1\"").arg(args.at(i)));
        path = args.at(i);
    }
    double start = 0, end = 0;
    if (path.isEmpty() || from.isEmpty() || to.isEmpty() || out.isEmpty())
        return ORXCli::failUsage(kCommand, QStringLiteral("FILE, --from, --to and --out are needed"));
    if (!toSeconds(from, &start) || !toSeconds(to, &end))
        return ORXCli::failUsage(kCommand, QStringLiteral("--from and --to take seconds, such as 12.5"));
    if (!QFileInfo(path).isFile())
        return ORXCli::failInput(path, ORXLocalizedString("cli.file.missing"));

    QLoggingCategory::setFilterRules(QStringLiteral("orvex.model.warning=false"));
    ORXClipCutter cutter;
    cutter.setRange(start, end);
    if (!cutter.cutPair(path, ORXClipCutter::partnerPathOf(path), out))
        return ORXCli::failInput(path, cutter.errorString());
    if (!cutter.warningString().isEmpty())
        ORXCli::writeErr(QStringLiteral("orvex-cli: %1: %2\n").arg(path, cutter.warningString()));
    ORXCli::writeOut(cutter.clipFolder() + QLatin1Char('\n'));
    for (const QString& file : cutter.clipFiles())
        ORXCli::writeOut(file + QLatin1Char('\n'));
    return ORXCli::Success;
}

const ORXCli::Registrar reg({kCommand,
                             QStringLiteral("clip FILE --from SECONDS --to SECONDS --out DIR    "
                                            "a recording and its partner cut to a span, with telemetry"),
                             run});
} // namespace
