#include "ORXCliCommand.h"
#include "ORXLocalizedString.h"
#include "ORXTimeSetFile.h"

#include <QLoggingCategory>
#include <QRegularExpression>

// orvex-cli clock [--date yyyy/MM/dd] [--time HH:mm:ss] [--out PATH]: writes the camera's
// clock file to PATH, or onto the USB volume that already holds a "timeset.cfg".
namespace {
const QString kCommand = QStringLiteral("clock");

std::optional<QDate> parseDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{4})/([0-9]{2})/([0-9]{2})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return date.isValid() && date.year() >= 1 ? std::optional(date) : std::nullopt;
}

std::optional<QTime> parseTime(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{2}):([0-9]{2}):([0-9]{2})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QTime time(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return time.isValid() ? std::optional(time) : std::nullopt;
}

int run(const QStringList& args)
{
    // The card tools' diagnostics stay quiet; the command reports for itself
    // (QT_LOGGING_RULES can still turn them on).
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.card*=false\norvex.platform*=false"));
    ORXTimeSetFile file;
    QString out;
    for (int i = 0; i < args.size(); i += 2) {
        const QString& option = args.at(i);
        if (i + 1 >= args.size())
            return ORXCli::failUsage(kCommand, QStringLiteral("%1 needs a value").arg(option));
        const QString& value = args.at(i + 1);
        if (option == QLatin1String("--date")) {
            const auto date = parseDate(value);
            if (!date)
                return ORXCli::failUsage(kCommand, QStringLiteral("bad date \"%1\" (yyyy/MM/dd)").arg(value));
            file.setSelectedDate(*date);
        } else if (option == QLatin1String("--time")) {
            const auto time = parseTime(value);
            if (!time)
                return ORXCli::failUsage(kCommand, QStringLiteral("bad time \"%1\" (HH:mm:ss)").arg(value));
            file.setSelectedTime(*time);
        } else if (option == QLatin1String("--out")) {
            out = value;
        } else {
            return ORXCli::failUsage(kCommand, QStringLiteral("unknown option \"%1\"").arg(option));
        }
    }
    if (out.isEmpty()) {
        file.loadSettingFile();
        out = file.settingFilePath();
    }
    if (out.isEmpty())
        return ORXCli::failInput(ORXTimeSetFile::fileName, ORXLocalizedString("cli.clock.no_target"));
    if (const QString error = file.doWriteConfigFile(out); !error.isNull())
        return ORXCli::failInput(out, error);
    ORXCli::writeOut(out + QLatin1Char('\n'));
    return ORXCli::Success;
}

ORXCli::Registrar reg({"clock",
                       "clock [--date yyyy/MM/dd] [--time HH:mm:ss] [--out PATH]    write the camera's "
                       "clock file (default: now, onto the card that holds a timeset.cfg)",
                       run});
} // namespace
