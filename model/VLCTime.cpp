#include "VLCTime.h"

#include "ORXCFormat.h"

QString VLCTime::stringValue() const
{
    // Magnitude in unsigned arithmetic: the most negative time has no positive counterpart.
    const quint64 magnitude = m_milliseconds < 0 ? quint64(0) - quint64(m_milliseconds) : quint64(m_milliseconds);
    const char* sign = m_milliseconds < 0 ? "-" : "";
    const unsigned long long totalSeconds = magnitude / 1000;
    const unsigned long long seconds = totalSeconds % 60;
    const unsigned long long minutes = (totalSeconds / 60) % 60;
    const unsigned long long hours = totalSeconds / 3600;
    if (hours > 0)
        return ORXCFormat("%s%llu:%02llu:%02llu", sign, hours, minutes, seconds);
    return ORXCFormat("%s%02llu:%02llu", sign, minutes, seconds);
}
