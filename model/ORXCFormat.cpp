#include "ORXCFormat.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

QString ORXCFormat(const char* format, ...)
{
    char small[128];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (needed < 0) {
        va_end(again);
        return QString();
    }
    if (static_cast<size_t>(needed) < sizeof small) {
        va_end(again);
        return QString::fromUtf8(small, needed);
    }
    std::vector<char> large(static_cast<size_t>(needed) + 1);
    std::vsnprintf(large.data(), large.size(), format, again);
    va_end(again);
    return QString::fromUtf8(large.data(), needed);
}
