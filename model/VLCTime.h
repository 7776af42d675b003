#pragma once

#include <QString>
#include <QtGlobal>

// A play time or length in milliseconds, as the playback engine reports it.
class VLCTime
{
public:
    VLCTime() = default;
    static VLCTime timeWithInt(qint64 milliseconds) { return VLCTime(milliseconds); }
    static VLCTime nullTime() { return VLCTime(); } // the start of a recording

    qint64 intValue() const { return m_milliseconds; }
    // "mm:ss", "h:mm:ss" from one hour on, with a leading "-" for a negative time; a zero
    // time reads "00:00".
    QString stringValue() const;

    friend bool operator==(const VLCTime&, const VLCTime&) = default;

private:
    explicit VLCTime(qint64 milliseconds)
        : m_milliseconds(milliseconds)
    {
    }
    qint64 m_milliseconds = 0;
};
