#pragma once

#include <QString>

// Formats numbers for the user with C's printf rules ("%.2lf", "%+.2f", "%.1f"), which round
// exact halves to even as the binary value falls. QString::asprintf and QString::number
// round such halves away from zero, so every number the program shows goes through here.
QString ORXCFormat(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
