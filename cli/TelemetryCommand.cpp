#include "ORXBlackBoxData.h"
#include "ORXCliCommand.h"
#include "ORXLocalizedString.h"
#include "ORXTelemetryExport.h"

#include <QFileInfo>
#include <QLoggingCategory>

// orvex-cli telemetry FILE [--format json|csv|gpx|summary]
// Reads the GPS and G-sensor records of one recording and prints them.
namespace {

const QString kCommand = QStringLiteral("telemetry");

int run(const QStringList& args)
{
    QString path;
    QString format = QStringLiteral("json");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--format")) {
            if (++i >= args.size())
                return ORXCli::failUsage(kCommand, QStringLiteral("--format needs a value"));
            format = args.at(i);
        } else if (arg.startsWith(QLatin1String("--format="))) {
            format = arg.mid(9);
        } else if (arg.startsWith(QLatin1String("--")) || !path.isEmpty()) {
            return ORXCli::failUsage(kCommand, QStringLiteral("unexpected argument \"%1\"").arg(arg));
        } else {
            path = arg;
        }
    }
    static const QStringList formats{"json", "csv", "gpx", "summary"};
    if (path.isEmpty())
        return ORXCli::failUsage(kCommand, QStringLiteral("no recording given"));
    if (!formats.contains(format))
        return ORXCli::failUsage(kCommand, QStringLiteral("unknown format \"%1\"").arg(format));

    // Standard error is for this command's own messages: no extraction log lines (it says
    // itself when the telemetry ends early).
    QLoggingCategory::setFilterRules(
        QStringLiteral("orvex.model.debug=false\norvex.model.info=false\norvex.model.warning=false"));
    ORXBlackBoxData box;
    box.setWaitAfterRead(0);
    box.setIndexTraceEnabled(false);
    if (!box.ExtractStreamInformation(path)) {
        const QFileInfo info(path);
        return ORXCli::failInput(
            path, ORXLocalizedString(info.exists() ? "telemetry.error.not_avi" : "cli.file.missing"));
    }
    // Like a damaged file: what could be read is printed, the reason it ends early is told.
    if (!box.errorString().isEmpty())
        ORXCli::writeErr(QStringLiteral("orvex-cli: %1: %2\n").arg(path, box.errorString()));
    if (format == QLatin1String("csv"))
        ORXCli::writeOut(ORXTelemetryExport::toCsv(box));
    else if (format == QLatin1String("gpx"))
        ORXCli::writeOut(ORXTelemetryExport::toGpx(box, QFileInfo(path).fileName()));
    else if (format == QLatin1String("summary"))
        ORXCli::writeOut(ORXTelemetryExport::toSummary(box));
    else
        ORXTelemetryExport::writeJson(box, [](const QByteArray& chunk) { ORXCli::writeOut(chunk); });
    return ORXCli::Success;
}

const ORXCli::Registrar reg({kCommand, QStringLiteral("telemetry FILE [--format json|csv|gpx|summary]    "
                                                            "a recording's G-sensor samples and GPS fixes"),
                             run});
} // namespace
