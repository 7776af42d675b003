#include "ORXCommandRunner.h"

#include "ORXPlatformLog.h"

#include <QProcess>

ORXCommandRunner::ORXCommandRunner()
{
    if (!qEnvironmentVariableIsSet("ORVEX_PKEXEC"))
        m_prefix = {QStringLiteral("pkexec")};
    else if (const QString program = qEnvironmentVariable("ORVEX_PKEXEC"); !program.isEmpty())
        m_prefix = {program};
}

namespace {
// program names the command in messages; command is what is started (maybe through pkexec).
ORXShellError run(const QString& program, const QStringList& command, int timeoutMs)
{
    QProcess process;
    process.setProgram(command.constFirst());
    process.setArguments(command.mid(1));
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted())
        return {127, QStringLiteral("%1: %2").arg(command.constFirst(), process.errorString())};
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, QStringLiteral("%1: no answer within %2 s").arg(program).arg(timeoutMs / 1000)};
    }
    const QString errorText = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit)
        return {-1, QStringLiteral("%1 crashed %2").arg(program, errorText).trimmed()};
    if (process.exitCode() == 0)
        return {};
    return {process.exitCode(),
            errorText.isEmpty()
                ? QStringLiteral("%1 exited with status %2").arg(program).arg(process.exitCode())
                : errorText};
}
} // namespace

ORXShellError ORXCommandRunner::runShellScript(const QString& program, const QStringList& arguments,
                                               bool withAdministratorPrivileges) const
{
    QStringList command = withAdministratorPrivileges ? m_prefix : QStringList();
    command << program << arguments;
    const ORXShellError error = run(program, command, m_timeoutMs);
    qCInfo(lcPlatform, "ERROR=%s", qUtf8Printable(error.description()));
    return error;
}
