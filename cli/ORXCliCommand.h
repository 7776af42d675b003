#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A subcommand of orvex-cli. Exit status: 0 success; 1 bad or unreadable input (one line
// on stderr naming the file and why); 2 wrong usage (usage text on stderr).
namespace ORXCli {
enum ExitCode { Success = 0, BadInput = 1, Usage = 2 };

struct Command
{
    QString name;    // "recordings", "config", ...
    QString usage;   // one or more lines, without the program name
    std::function<int(const QStringList& args)> run; // args after the command name
};

// Registers a command at static-initialisation time (one static Registrar per source).
struct Registrar
{
    explicit Registrar(Command command);
};

// Prints "orvex-cli: <file>: <why>" on stderr and returns BadInput.
int failInput(const QString& file, const QString& why);
// Prints "orvex-cli: <message>" and the command's usage on stderr, returns Usage.
int failUsage(const QString& command, const QString& message = QString());

// The usage text of every command.
QString usageText();

// Writes text to standard output exactly as given (UTF-8, no added newline).
void writeOut(const QByteArray& bytes);
void writeOut(const QString& text);
void writeErr(const QString& text);
} // namespace ORXCli
