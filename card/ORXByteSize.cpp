#include "ORXByteSize.h"

namespace {
constexpr char kUnits[] = "kMGTPEZY";
constexpr int kUnitCount = 8;

QString withUnit(quint64 number, int unit)
{
    return QStringLiteral("%1 %2B").arg(number).arg(QLatin1Char(kUnits[unit]));
}
} // namespace

QString formatByteSize(quint64 byteCount)
{
    if (byteCount < 1024)
        return QStringLiteral("%1 B").arg(byteCount);

    // q: the quotient; r: the remainder of the last division; sticky: an earlier division
    // left a remainder (it breaks exact halves upwards).
    quint64 q = byteCount;
    quint64 r = 0;
    bool sticky = false;
    int divisions = 0;
    while (q >= 1024 && divisions < kUnitCount) {
        sticky = sticky || r != 0;
        r = q % 1024;
        q /= 1024;
        ++divisions;
    }
    const int unit = divisions - 1;

    if (q >= 10) {
        if (r > 512 || (r == 512 && (q % 2 == 1 || sticky)))
            ++q;
        if (q == 1024 && unit + 1 < kUnitCount)
            return QStringLiteral("1.0 %1B").arg(QLatin1Char(kUnits[unit + 1]));
        return withUnit(q, unit);
    }
    if (r < 950) {
        // The remainder counts 1024ths but is read as thousandths, as the camera's tool did.
        quint64 digit = r / 100;
        const quint64 rest = r % 100;
        if (rest > 50 || (rest == 50 && (digit % 2 == 1 || sticky)))
            ++digit;
        return QStringLiteral("%1.%2 %3B").arg(q).arg(digit).arg(QLatin1Char(kUnits[unit]));
    }
    if (q == 9)
        return withUnit(10, unit);
    return QStringLiteral("%1.0 %2B").arg(q + 1).arg(QLatin1Char(kUnits[unit]));
}
