#pragma once

#include "ORXShellError.h"

#include <QString>
#include <QStringList>

// Runs one external program with an argument list (never through a shell), optionally with
// administrator rights through pkexec (polkit), and returns its error record.
//
// The elevating prefix is "pkexec" unless the environment variable ORVEX_PKEXEC names
// another program (set but empty: run the command directly); setPrivilegePrefix overrides
// both. Tests point it at a stand-in script.
class ORXCommandRunner
{
public:
    ORXCommandRunner();

    QStringList privilegePrefix() const { return m_prefix; }
    void setPrivilegePrefix(const QStringList& prefix) { m_prefix = prefix; }
    // Upper bound for one run; the password dialog and a large card take their time.
    void setTimeoutMs(int timeoutMs) { m_timeoutMs = timeoutMs; }

    // Logs "ERROR=%@" with the record after every run.
    ORXShellError runShellScript(const QString& program, const QStringList& arguments,
                                 bool withAdministratorPrivileges) const;

private:
    QStringList m_prefix;
    int m_timeoutMs = 30 * 60 * 1000;
};
