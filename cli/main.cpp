#include "ORXCliCommand.h"
#include "ORXLocalizedString.h"

#include <QCoreApplication>
#include <QFile>

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

QString usageText()
{
    QString text = QStringLiteral("usage: orvex-cli COMMAND [ARGS...]\n\ncommands:\n");
    for (const auto& [name, command] : commands()) {
        for (const QString& line : command.usage.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            text += QStringLiteral("  orvex-cli %1\n").arg(line);
    }
    return text;
}

int failUsage(const QString& command, const QString& message)
{
    if (!message.isEmpty())
        writeErr(QStringLiteral("orvex-cli: %1\n").arg(message));
    auto it = commands().find(command);
    if (it == commands().end()) {
        writeErr(usageText());
    } else {
        QString text = QStringLiteral("usage:\n");
        for (const QString& line : it->second.usage.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            text += QStringLiteral("  orvex-cli %1\n").arg(line);
        writeErr(text);
    }
    return Usage;
}
} // namespace ORXCli

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvex-cli"));
    QCoreApplication::setOrganizationName(QStringLiteral("ORVEX"));
    ORXInstallStringTable();

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        if (args.isEmpty())
            return ORXCli::failUsage(QString(), QStringLiteral("no command given"));
        ORXCli::writeOut(ORXCli::usageText());
        return ORXCli::Success;
    }
    const QString name = args.takeFirst();
    auto it = ORXCli::commands().find(name);
    if (it == ORXCli::commands().end())
        return ORXCli::failUsage(QString(), QStringLiteral("unknown command \"%1\"").arg(name));
    return it->second.run(args);
}
