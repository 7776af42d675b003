#pragma once

#include <QString>

// The error record of one command run: empty on success; otherwise the exit status (or
// pkexec's own code: 126 when the user dismissed the password dialog, 127 when not
// authorised) and the error text the command or pkexec printed.
struct ORXShellError
{
    int number = 0;
    QString message;

    bool isEmpty() const { return number == 0 && message.isNull(); }
    // "(null)" for an empty record, else "{number = N; message = \"...\"}".
    QString description() const;
};
