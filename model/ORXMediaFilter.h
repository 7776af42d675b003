#pragma once

#include "ORXMedia.h"

#include <QString>

// Which recordings the list shows: the recordings of one kind (always, motion, event) or of
// every kind, and of one day or of every day. The day is the 8-digit "yyyymmdd" of the
// recording's name; a recording whose name gives no time belongs to no day.
class ORXMediaFilter
{
public:
    static constexpr int kAllKinds = -1;

    ORXMediaFilter() = default;
    // A kind outside always..event means every kind; a day that is not 8 digits, every day.
    ORXMediaFilter(int mediaDivision, const QString& day);

    int mediaDivision() const { return m_mediaDivision; }
    QString day() const { return m_day; }
    bool isEmpty() const { return m_mediaDivision == kAllKinds && m_day.isEmpty(); }
    bool accepts(const ORXMedia& media) const;

    // The "yyyymmdd" of a recording; empty when its name gives no time.
    static QString dayOf(const ORXMedia& media);
    static bool isDay(const QString& day);

    friend bool operator==(const ORXMediaFilter& a, const ORXMediaFilter& b)
    {
        return a.m_mediaDivision == b.m_mediaDivision && a.m_day == b.m_day;
    }

private:
    int m_mediaDivision = kAllKinds;
    QString m_day;
};
