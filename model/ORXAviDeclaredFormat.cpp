#include "ORXAviDeclaredFormat.h"

#include <QByteArray>
#include <QFile>

namespace {
quint32 wordAt(const QByteArray& bytes, int at)
{
    return quint32(uchar(bytes[at])) | quint32(uchar(bytes[at + 1])) << 8 |
           quint32(uchar(bytes[at + 2])) << 16 | quint32(uchar(bytes[at + 3])) << 24;
}

// RIFF "AVI " / LIST hdrl / avih (56 bytes: microseconds per frame at 32, width and height
// at 64 and 68), then LIST strl with strh at 100: its type at 108, scale at 128, rate at 132.
constexpr int kMainHeaderEnd = 72;
constexpr int kStreamHeaderEnd = 136;

double streamFrameRate(const QByteArray& head)
{
    if (head.size() < kStreamHeaderEnd || wordAt(head, 28) != 56 || head.mid(88, 4) != "LIST" ||
        head.mid(96, 4) != "strl" || head.mid(100, 4) != "strh" || head.mid(108, 4) != "vids")
        return 0;
    const quint32 scale = wordAt(head, 128);
    const quint32 rate = wordAt(head, 132);
    return scale > 0 && rate >= scale && rate / scale <= 1000 ? double(rate) / double(scale) : 0;
}
} // namespace

ORXAviDeclaredFormat ORXAviDeclaredFormat::read(const QString& path)
{
    ORXAviDeclaredFormat format;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return format;
    const QByteArray head = file.read(kStreamHeaderEnd);
    if (head.size() < kMainHeaderEnd || !head.startsWith("RIFF") || head.mid(8, 4) != "AVI " ||
        head.mid(12, 4) != "LIST" || head.mid(20, 4) != "hdrl" || head.mid(24, 4) != "avih")
        return format;
    const quint32 width = wordAt(head, 64);
    const quint32 height = wordAt(head, 68);
    if (width > 0 && height > 0 && width <= 8192 && height <= 8192)
        format.frameSize = QSize(int(width), int(height));
    format.framesPerSecond = streamFrameRate(head);
    const quint32 microseconds = wordAt(head, 32);
    if (format.framesPerSecond == 0 && microseconds >= 1000 && microseconds <= 1000000)
        format.framesPerSecond = 1e6 / double(microseconds);
    return format;
}
