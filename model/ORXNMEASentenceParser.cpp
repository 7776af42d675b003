#include "ORXNMEASentenceParser.h"

#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
QStringView fieldAt(const QStringList& fields, qsizetype index)
{
    return index < fields.size() ? QStringView(fields.at(index)) : QStringView();
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype skipSpace(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    return i;
}

// The field's leading whole number, 0 when there is none; saturates at the int range.
int leadingInt(QStringView text)
{
    qsizetype i = skipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    long long value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// The field's leading decimal number at single precision, 0 when there is none (or when
// it does not fit a float).
double leadingFloat(QStringView text)
{
    qsizetype i = skipSpace(text);
    char buffer[64];
    size_t n = 0;
    auto put = [&](QChar c) {
        if (n < sizeof buffer)
            buffer[n++] = static_cast<char>(c.unicode());
    };
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        if (text[i] == QLatin1Char('-'))
            put(text[i]);
        ++i;
    }
    bool digits = false;
    for (; i < text.size() && isDigit(text[i]); ++i, digits = true)
        put(text[i]);
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        put(text[i++]);
        for (; i < text.size() && isDigit(text[i]); ++i, digits = true)
            put(text[i]);
    }
    if (!digits)
        return 0;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+')))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            for (; i < j; ++i)
                put(text[i]);
            for (; i < text.size() && isDigit(text[i]); ++i)
                put(text[i]);
        }
    }
    if (n >= sizeof buffer) // absurdly long field: not a number we can trust
        return 0;
    float value = 0;
    const auto result = std::from_chars(buffer, buffer + n, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0;
    return value;
}

char firstLetter(QStringView text)
{
    return static_cast<char>(text.front().toLatin1());
}
} // namespace

double nmeaToDegrees(double value)
{
    const double degrees = std::trunc(value / 100);
    return degrees + (value / 100 - degrees) * 100 / 60;
}

void nmeaToDegrees(double latitude, double longitude, double* latitudeDegrees, double* longitudeDegrees)
{
    if (latitudeDegrees)
        *latitudeDegrees = nmeaToDegrees(latitude);
    if (longitudeDegrees)
        *longitudeDegrees = nmeaToDegrees(longitude);
}

void ORXNMEASentenceParser::clear()
{
    m_fix.clear();
}

bool ORXNMEASentenceParser::parse(const char* sentence)
{
    if (!sentence)
        return false;
    return parse(QByteArrayView(sentence, static_cast<qsizetype>(std::strlen(sentence))));
}

bool ORXNMEASentenceParser::parse(QByteArrayView sentence)
{
    // Receivers send ASCII; anything else must at least be valid UTF-8.
    const bool ascii = std::all_of(sentence.begin(), sentence.end(), [](char c) { return uchar(c) < 0x80; });
    QString text;
    if (ascii) {
        text = QString::fromLatin1(sentence);
    } else {
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        text = decoder.decode(sentence);
        if (decoder.hasError())
            return false;
    }
    const QStringList parts = text.split(QLatin1Char('*'));
    if (parts.size() != 2)
        return false;
    const QStringList fields = parts.first().split(QLatin1Char(','));
    const QString& id = fields.first();
    if (id == QLatin1String("$GPRMC") || id == QLatin1String("$GNRMC"))
        return parseGPRMC(fields);
    if (id == QLatin1String("$GPGGA") || id == QLatin1String("$GNGGA"))
        return parseGPGGA(fields);
    if (id == QLatin1String("$GNGSA"))
        return parseGNGSA(fields);
    if (id == QLatin1String("$GNGNS"))
        return parseGNGNS(fields);
    return false;
}

bool ORXNMEASentenceParser::parseGPRMC(const QStringList& fields)
{
    m_fix.SpeedOverGround = leadingFloat(fieldAt(fields, 7));
    m_fix.CourseOverGround = leadingFloat(fieldAt(fields, 8));
    const QStringView time = fieldAt(fields, 1);
    const QStringView date = fieldAt(fields, 9);
    if (date.size() == 6 && time.size() == 10) {
        int hour = 0, minute = 0, second = 0, millisecond = 0, day = 0, month = 0, year = 0;
        std::sscanf(time.toUtf8().constData(), "%2d%2d%2d.%3d", &hour, &minute, &second, &millisecond);
        std::sscanf(date.toUtf8().constData(), "%2d%2d%2d", &day, &month, &year);
        _SYSTEMTIME& now = m_fix.Now;
        now.wYear = static_cast<uint16_t>(2000 + year);
        now.wMonth = static_cast<uint16_t>(month);
        now.wDay = static_cast<uint16_t>(day);
        now.wDayOfWeek = 0;
        now.wHour = static_cast<uint16_t>(hour);
        now.wMinute = static_cast<uint16_t>(minute);
        now.wSecond = static_cast<uint16_t>(second);
        now.wMilliseconds = static_cast<uint16_t>(millisecond);
    }
    m_fix.Cnt_GNGSA = 0;
    return true;
}

bool ORXNMEASentenceParser::parseGPGGA(const QStringList& fields)
{
    if (!fieldAt(fields, 2).isEmpty())
        m_fix.Latitude = leadingFloat(fieldAt(fields, 2));
    if (!fieldAt(fields, 3).isEmpty())
        m_fix.NS = firstLetter(fieldAt(fields, 3));
    if (!fieldAt(fields, 4).isEmpty())
        m_fix.Longitude = leadingFloat(fieldAt(fields, 4));
    if (!fieldAt(fields, 5).isEmpty())
        m_fix.EW = firstLetter(fieldAt(fields, 5));
    if (fieldAt(fields, 0) == QLatin1String("$GPGGA") && !m_fix.Enable_GNGNS && !m_fix.Enable_GNGSA)
        m_fix.SatelliteUsedCount = static_cast<uint32_t>(leadingInt(fieldAt(fields, 7)));
    if (!m_fix.Enable_GNGNS && !fieldAt(fields, 8).isEmpty())
        m_fix.HDOP = leadingFloat(fieldAt(fields, 8));
    m_fix.Cnt_GNGSA = 0;
    return true;
}

bool ORXNMEASentenceParser::parseGNGNS(const QStringList& fields)
{
    m_fix.Enable_GNGNS = 1;
    m_fix.SatelliteUsedCount = static_cast<uint32_t>(leadingInt(fieldAt(fields, 7)));
    if (!fieldAt(fields, 8).isEmpty())
        m_fix.HDOP = leadingFloat(fieldAt(fields, 8));
    return true;
}

bool ORXNMEASentenceParser::parseGNGSA(const QStringList& fields)
{
    m_fix.Enable_GNGSA = 1;
    if (m_fix.Enable_GNGNS)
        return true;
    uint32_t used = 0;
    for (int slot = 0; slot < ORXGpsData::kSatelliteSlots; ++slot) {
        const QStringView field = fieldAt(fields, slot + 3);
        const auto satellite = static_cast<uint8_t>(field.isEmpty() ? 0 : leadingInt(field));
        m_fix.setSatelliteUsed(satellite, slot);
        if (satellite != 0)
            ++used;
    }
    const uint8_t first = m_fix.SatelliteUsedAtIndex(0);
    if (first >= 1 && first <= 64)
        m_fix.Cnt_GNGSA = 0;
    else if (first >= 65)
        m_fix.Cnt_GNGSA = 1;
    if (m_fix.Cnt_GNGSA == 1) {
        m_fix.SatelliteUsedCount_GLONASS = used;
        m_fix.Cnt_GNGSA = 0;
        m_fix.SatelliteUsedCount = m_fix.SatelliteUsedCount_GPS + m_fix.SatelliteUsedCount_GLONASS;
    } else {
        m_fix.SatelliteUsedCount_GPS = used;
        m_fix.Cnt_GNGSA = 1;
    }
    return true;
}
