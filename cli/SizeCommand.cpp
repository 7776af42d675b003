#include "ORXByteSize.h"
#include "ORXCliCommand.h"
#include "ORXLocalizedString.h"

#include <QLoggingCategory>
#include <QRegularExpression>

// orvex-cli size BYTES: the short size text the card tools show for a byte count.
namespace {
int run(const QStringList& args)
{
    // The card tools' diagnostics stay quiet; the command reports for itself
    // (QT_LOGGING_RULES can still turn them on).
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.card*=false\norvex.platform*=false"));
    if (args.size() != 1)
        return ORXCli::failUsage(QStringLiteral("size"));
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,20}$"));
    bool ok = digits.match(args.first()).hasMatch();
    const quint64 count = ok ? args.first().toULongLong(&ok) : 0;
    if (!ok)
        return ORXCli::failInput(args.first(), ORXLocalizedString("cli.size.not_a_number"));
    ORXCli::writeOut(formatByteSize(count) + QLatin1Char('\n'));
    return ORXCli::Success;
}

ORXCli::Registrar reg({"size", "size BYTES    a byte count as the card tools show it (\"7.4 GB\")", run});
} // namespace
