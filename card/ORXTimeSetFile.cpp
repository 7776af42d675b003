#include "ORXTimeSetFile.h"

#include "ORXCardLog.h"
#include "ORXVolumeDiscovery.h"

#include <QDir>
#include <QSaveFile>

const QString ORXTimeSetFile::fileName = QStringLiteral("timeset.cfg");

namespace {
// Digits are written by hand: a locale's date formatter may use another calendar or other
// digits (Arabic-Indic, Thai), which the camera cannot read.
void appendNumber(QByteArray& out, int value, int width)
{
    char digits[8];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = char('0' + value % 10);
        value /= 10;
    }
    out.append(digits, width);
}
} // namespace

QByteArray ORXTimeSetFile::clockText(const QDate& date, const QTime& time)
{
    if (!date.isValid() || !time.isValid() || date.year() < 1 || date.year() > 9999)
        return {};
    QByteArray text;
    text.reserve(19);
    appendNumber(text, date.year(), 4); // QDate is proleptic Gregorian
    text.append('/');
    appendNumber(text, date.month(), 2);
    text.append('/');
    appendNumber(text, date.day(), 2);
    text.append(' ');
    appendNumber(text, time.hour(), 2);
    text.append(':');
    appendNumber(text, time.minute(), 2);
    text.append(':');
    appendNumber(text, time.second(), 2);
    return text;
}

void ORXTimeSetFile::loadSettingFile(const ORXUDisks& udisks)
{
    if (const auto volume = findUSBVolumeWithFile(fileName, udisks))
        m_SettingFilePath = QDir(volume->toLocalFile()).filePath(fileName);
}

QString ORXTimeSetFile::doWriteConfigFile(const QString& path) const
{
    const QByteArray text = clockText(m_selectedDate, m_selectedTime);
    if (text.isEmpty())
        return QStringLiteral("the date cannot be written as yyyy/MM/dd");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.flush() ||
        !file.commit()) {
        const QString why =
            file.errorString().isEmpty() ? QStringLiteral("write failed") : file.errorString();
        qCInfo(lcCard, "fopen fail:%s", qUtf8Printable(path));
        return why;
    }
    return {};
}
