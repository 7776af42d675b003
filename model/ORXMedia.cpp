#include "ORXMedia.h"

#include <QDir>

namespace {
struct Prefix
{
    QLatin1StringView text;
    int division;
};
// Tested in this order; the date-time follows the prefix directly.
constexpr Prefix kPrefixes[] = {
    {QLatin1StringView("alwa_"), ORXMedia::Always},
    {QLatin1StringView("motion_"), ORXMedia::Motion},
    {QLatin1StringView("event_"), ORXMedia::Event},
};

// Offsets and widths of year, month, day, hour, minute, second inside "yyyymmdd_hhmiss"
// (the separator at 8 is not checked), with their accepted ranges. The camera writes hour
// 24 and minute or second 60 at a roll-over, so those bounds pass.
struct Field
{
    int offset;
    int width;
    int min;
    int max;
};
constexpr Field kFields[6] = {
    {0, 4, 1970, 2700}, {4, 2, 1, 12}, {6, 2, 1, 31}, {9, 2, 0, 24}, {11, 2, 0, 60}, {13, 2, 0, 60},
};

// The value of the leading ASCII digits of the field; a non-digit ends the number and no
// digits give 0.
int leadingNumber(const QChar* text, int width)
{
    int value = 0;
    for (int i = 0; i < width; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c - u'0');
    }
    return value;
}
} // namespace

ORXMedia::ORXMedia(const QString& path)
{
    parsePath(path);
}

ORXMediaPtr ORXMedia::mediaWithPath(const QString& path)
{
    return std::make_shared<const ORXMedia>(path);
}

bool ORXMedia::isAcceptedNameLength(qsizetype length)
{
    return length == 22 || length == 24 || length == 23;
}

ORXMedia::NameParts ORXMedia::splitFileName(const QString& path)
{
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == QLatin1Char('/'))
        --end;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'), end - 1);
    const qsizetype begin = slash < 0 ? 0 : slash + 1;
    const QStringView component = QStringView(path).sliced(begin, std::max<qsizetype>(0, end - begin));
    // A leading point belongs to the name (".avi" has no extension).
    const qsizetype dot = component.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return {component.toString(), QString()};
    return {component.first(dot).toString(), component.sliced(dot + 1).toString()};
}

bool ORXMedia::divisionOfName(const QString& mediaName, int* division, int* startPos)
{
    for (const Prefix& prefix : kPrefixes) {
        if (mediaName.startsWith(prefix.text)) {
            *division = prefix.division;
            *startPos = int(prefix.text.size());
            return true;
        }
    }
    return false;
}

bool ORXMedia::readDateTime(const QString& mediaName, int startPos, int fields[6])
{
    if (startPos < 0 || mediaName.size() < qsizetype(startPos) + kDateTimeLength)
        return false;
    const QChar* text = mediaName.constData() + startPos;
    bool inRange = true;
    for (int i = 0; i < 6; ++i) {
        fields[i] = leadingNumber(text + kFields[i].offset, kFields[i].width);
        inRange = inRange && fields[i] >= kFields[i].min && fields[i] <= kFields[i].max;
    }
    return inRange;
}

void ORXMedia::parsePath(const QString& path)
{
    // The path as its file URL renders it: absolute, without a trailing separator.
    m_path = path;
    if (!m_path.isEmpty() && QDir::isRelativePath(m_path))
        m_path = QDir::currentPath() + QLatin1Char('/') + m_path;
    while (m_path.size() > 1 && m_path.endsWith(QLatin1Char('/')))
        m_path.chop(1);
    NameParts parts = splitFileName(m_path);
    m_mediaName = std::move(parts.mediaName);
    m_extension = std::move(parts.extension);
    const qsizetype slash = m_path.lastIndexOf(QLatin1Char('/'));
    m_dir = slash < 0 ? QString() : m_path.left(std::max<qsizetype>(1, slash));

    if (!isAcceptedNameLength(m_mediaName.size())) {
        updateToUnknown();
        return;
    }
    m_mediaDirection = Unknown;
    int startPos = 0;
    if (divisionOfName(m_mediaName, &m_mediaDivision, &startPos)) {
        int fields[6];
        if (!readDateTime(m_mediaName, startPos, fields)) {
            updateToUnknown();
            return;
        }
        m_year = fields[0];
        m_month = fields[1];
        m_day = fields[2];
        m_hour = fields[3];
        m_minute = fields[4];
        m_second = fields[5];
        m_timeKey = ((((qint64(m_year) * 100 + m_month) * 100 + m_day) * 100 + m_hour) * 100 + m_minute) * 100
            + m_second;
    }
    if (m_mediaName.endsWith(QLatin1String("_F")))
        m_mediaDirection = Front;
    else if (m_mediaName.endsWith(QLatin1String("_R")))
        m_mediaDirection = Rear;
}

void ORXMedia::updateToUnknown()
{
    m_year = m_month = m_day = m_hour = m_minute = m_second = 0;
    m_timeKey = 0;
}

QString ORXMedia::fileName() const
{
    return m_mediaName + QLatin1Char('.') + m_extension;
}

QString ORXMedia::mediaGroupName() const
{
    // A name shorter than the suffix has no group of its own.
    return m_mediaName.left(std::max<qsizetype>(0, m_mediaName.size() - 2));
}

QString ORXMedia::yyyymmddhhmiss() const
{
    return QString::number(m_timeKey).rightJustified(14, QLatin1Char('0'));
}

std::weak_ordering ORXMedia::compareDate(const ORXMedia& other) const
{
    if (m_timeKey != other.m_timeKey)
        return m_timeKey <=> other.m_timeKey;
    if (m_mediaDivision != other.m_mediaDivision)
        return other.m_mediaDivision <=> m_mediaDivision; // event, motion, always
    return m_mediaDirection <=> other.m_mediaDirection;    // front, rear, unknown
}
