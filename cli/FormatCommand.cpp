#include "ORXCardFormatter.h"
#include "ORXCliCommand.h"
#include "ORXLocalizedString.h"
#include "ORXVolumeDiscovery.h"

#include <QLoggingCategory>

// orvex-cli format DEVICE [--yes]: formats the USB disk with that device name ("sdb1") for
// the camera and puts its config.bin back. Progress texts go to standard error.
namespace {
const QString kCommand = QStringLiteral("format");

int run(const QStringList& args)
{
    // The card tools' diagnostics stay quiet; the command reports for itself
    // (QT_LOGGING_RULES can still turn them on).
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.card*=false\norvex.platform*=false"));
    const bool yes = args.size() == 2 && args.at(1) == QLatin1String("--yes");
    if (args.isEmpty() || args.size() > 2 || (args.size() == 2 && !yes) ||
        args.first().startsWith(QLatin1Char('-')))
        return ORXCli::failUsage(kCommand);
    const QString device = args.first();
    const std::optional<TKUSBDiskEntity> disk = findUSBDiskByDevice(device);
    if (!disk)
        return ORXCli::failInput(device, ORXLocalizedString("cli.format.no_disk"));
    if (!yes) {
        ORXCli::writeErr(QStringLiteral("%1\n%2\n%3\n")
                             .arg(ORXLocalizedString("cli.format.would_erase"), disk->displayString(),
                                  ORXLocalizedString("cli.format.confirm_hint")));
        return ORXCli::Usage;
    }
    ORXCardFormatter formatter;
    QObject::connect(&formatter, &ORXCardFormatter::progressMessage,
                     [](const QString& text) { ORXCli::writeErr(text + QLatin1Char('\n')); });
    const ORXFormatResult result = formatter.format(*disk, true);
    const QString detail = QString(result.informativeText).replace(QLatin1Char('\n'), QStringLiteral(": "));
    if (!result.success)
        return ORXCli::failInput(device, QStringLiteral("%1: %2").arg(result.messageText, detail));
    ORXCli::writeOut(QStringLiteral("%1\n%2\n").arg(result.messageText, result.informativeText));
    return ORXCli::Success;
}

ORXCli::Registrar reg({"format",
                       "format DEVICE [--yes]    format that USB disk (\"sdb1\") for the camera; "
                       "without --yes only show what would be erased",
                       run});
} // namespace
