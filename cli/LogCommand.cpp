#include "ORXCliCommand.h"
#include "ORXDriveLogTable.h"
#include "ORXLocalizedString.h"

#include <QLoggingCategory>

// orvex-cli log FILE [--csv OUT]: the CSV text of a drive log ("drv" flash data, "obd" OBD),
// on standard output or written to OUT, exactly as the viewer's export writes it.
namespace {

const QString kCommand = QStringLiteral("log");

int run(const QStringList& args)
{
    // The command reports a failure in its own single line; the library's log lines for
    // the same failure stay quiet (QT_LOGGING_RULES can still turn them on).
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.logs*=false"));
    QString input;
    QString output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--csv") && i + 1 < args.size() && output.isNull())
            output = args[++i];
        else if (input.isNull() && !args[i].startsWith(QLatin1String("--")))
            input = args[i];
        else
            return ORXCli::failUsage(kCommand);
    }
    if (input.isEmpty() || (!output.isNull() && output.isEmpty()))
        return ORXCli::failUsage(kCommand);

    const std::optional<ORXDriveLogKind> kind = ORXDriveLog::kindForPath(input);
    if (!kind)
        return ORXCli::failInput(input, ORXLocalizedString("cli.log.unknown_type"));
    const ORXDriveLog log = ORXDriveLog::read(input, *kind);
    if (!log.isValid())
        return ORXCli::failInput(input, log.errorString());

    const ORXDriveLogTable table(log);
    if (output.isNull()) {
        ORXCli::writeOut(table.csvText());
    } else {
        const QString key = table.writeCSVFile(output);
        if (!key.isNull())
            return ORXCli::failInput(output, ORXLocalizedString(key));
    }
    // A log shorter than its header says: its whole records are exported, and the
    // shortfall is reported as bad input.
    if (!log.isComplete())
        return ORXCli::failInput(input, log.errorString());
    return ORXCli::Success;
}

} // namespace

static ORXCli::Registrar reg({"log", "log FILE [--csv OUT]    a drive log (.drv flash data, .obd) as CSV", run});
