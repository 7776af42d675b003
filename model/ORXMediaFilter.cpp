#include "ORXMediaFilter.h"

ORXMediaFilter::ORXMediaFilter(int mediaDivision, const QString& day)
    : m_mediaDivision(mediaDivision >= ORXMedia::Always && mediaDivision <= ORXMedia::Event ? mediaDivision
                                                                                            : kAllKinds),
      m_day(isDay(day) ? day : QString())
{
}

bool ORXMediaFilter::isDay(const QString& day)
{
    if (day.size() != 8)
        return false;
    for (const QChar c : day) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString ORXMediaFilter::dayOf(const ORXMedia& media)
{
    if (media.year() < 1)
        return QString();
    return media.yyyymmddhhmiss().left(8);
}

bool ORXMediaFilter::accepts(const ORXMedia& media) const
{
    if (m_mediaDivision != kAllKinds && media.mediaDivision() != m_mediaDivision)
        return false;
    return m_day.isEmpty() || dayOf(media) == m_day;
}
