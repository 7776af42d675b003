#include "ORXCliCommand.h"
#include "ORXLocalizedString.h"
#include "ORXVersion.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <map>

namespace ORXCli {
static std::map<QString, Command>& commands()
{
    static std::map<QString, Command> table;
    return table;
}

Registrar::Registrar(Command command)
{
    commands().emplace(command.name, std::move(command));
}

void writeOut(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void writeOut(const QString& text)
{
    writeOut(text.toUtf8());
}

void writeErr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

int failInput(const QString& file, const QString& why)
{
    writeErr(QStringLiteral("orvex-cli: %1: %2\n").arg(file, why));
    return BadInput;
}

// A usage line is "SYNOPSIS" or "SYNOPSIS    what it does" (three or more blanks between).
static QStringList usageLines(const Command& command)
{
    return command.usage.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

static QString synopsisOf(const QString& line)
{
    static const QRegularExpression gap(QStringLiteral("\\s{3,}"));
    return line.section(gap, 0, 0).trimmed();
}

static QString descriptionOf(const QString& line)
{
    static const QRegularExpression gap(QStringLiteral("\\s{3,}"));
    return line.section(gap, 1).trimmed();
}

// The command's synopsis lines, the way `orvex-cli COMMAND --help` prints them.
static QString commandSynopsis(const Command& command)
{
    QString text;
    for (const QString& line : usageLines(command)) {
        text +=
            QStringLiteral("%1 orvex-cli %2\n")
                .arg(text.isEmpty() ? QStringLiteral("Usage:") : QStringLiteral("  or: "), synopsisOf(line));
    }
    for (const QString& line : usageLines(command)) {
        if (!descriptionOf(line).isEmpty())
            text += QStringLiteral("%1: %2\n").arg(synopsisOf(line), descriptionOf(line));
    }
    return text;
}

QString usageText()
{
    QString text = QStringLiteral(
        "Usage: orvex-cli COMMAND [ARGS...]\n"
        "  or:  orvex-cli COMMAND --help\n"
        "  or:  orvex-cli --help | --version\n"
        "Reads the ORVEX dash camera's recordings and the files on its SD card (telemetry,\n"
        "configuration, drive logs, clock file), lists the card's USB volumes and formats the card.\n"
        "\n"
        "Commands:\n");
    for (const auto& [name, command] : commands()) {
        for (const QString& line : usageLines(command)) {
            text += QStringLiteral("  orvex-cli %1\n").arg(synopsisOf(line));
            if (!descriptionOf(line).isEmpty())
                text += QStringLiteral("      %1\n").arg(descriptionOf(line));
        }
    }
    text += QStringLiteral(
        "\n"
        "Exit status:\n"
        "  0 on success, 1 when the input is bad or cannot be read (one line on standard error names\n"
        "  the file and why), 2 for wrong usage.\n");
    return text;
}

int failUsage(const QString& command, const QString& message)
{
    if (!message.isEmpty())
        writeErr(QStringLiteral("orvex-cli: %1\n").arg(message));
    auto it = commands().find(command);
    writeErr(it == commands().end() ? usageText() : commandSynopsis(it->second));
    return Usage;
}

// "orvex-cli COMMAND --help": the command's synopsis on standard output.
static bool isHelp(const QStringList& args)
{
    return args.size() == 1 &&
           (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"));
}
} // namespace ORXCli

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvex-cli"));
    QCoreApplication::setOrganizationName(QStringLiteral("ORVEX"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVEX_VERSION));
    ORXInstallStringTable();

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return ORXCli::failUsage(QString(), QStringLiteral("no command given"));
    if (ORXCli::isHelp(args)) {
        ORXCli::writeOut(ORXCli::usageText());
        return ORXCli::Success;
    }
    if (args.first() == QLatin1String("--version")) {
        ORXCli::writeOut(QStringLiteral("orvex-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return ORXCli::Success;
    }
    const QString name = args.takeFirst();
    auto it = ORXCli::commands().find(name);
    if (it == ORXCli::commands().end())
        return ORXCli::failUsage(QString(), QStringLiteral("unknown command \"%1\"").arg(name));
    if (ORXCli::isHelp(args)) {
        ORXCli::writeOut(ORXCli::commandSynopsis(it->second));
        return ORXCli::Success;
    }
    return it->second.run(args);
}
