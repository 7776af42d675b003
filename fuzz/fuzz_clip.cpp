// Fuzzes the clip cutter: a fuzzed recording is cut to a fuzzed span, and a clip that comes
// out must read back as a recording and cut again to its whole length to the same bytes.
//
// Input layout (the movie list sits at 14136, far beyond what a fuzzer mutates well): byte 0
// the start and byte 1 the end of the span in tenths of a second, bytes 2-3 the length H of
// the header, then H bytes placed at the start of the file (RIFF, header list), zero up to the
// movie list's "LIST" at 14132, and the rest of the input from 14136 on (movie list size,
// "movi", chunks, idx1). The cutter reads a real file, so each input is written to one.
//
// When the corpus folder given on the command line is empty, recordings written by the
// simulator's AVI writer (a few tiny frames, audio, side-stream records) are put into it.
#include "ORXAviRecords.h"
#include "ORXBlackBoxData.h"
#include "ORXClipCutter.h"
#include "ORXSimAviWriter.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
using namespace ORXAviLayout;

QTemporaryDir* workDir()
{
    static QTemporaryDir dir;
    return &dir;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A short recording by the simulator's writer, in the input layout above.
QByteArray seed(int frames, bool audio, int span)
{
    const QString path = workDir()->filePath(QStringLiteral("seed.avi"));
    QFile::remove(path);
    ORXSimAviWriter writer(path, {64, 64, 5}, audio, {8000}, true);
    if (!writer.open(nullptr))
        return {};
    qint64 key = 0;
    for (int i = 0; i < frames; ++i) {
        if (audio && i % 5 == 0)
            writer.writeChunk("01wb", QByteArray(16, char(i)), ORXSimAviWriter::kKeyFrame, key++);
        writer.writeChunk("00dc", QByteArray(6, char('a' + i)), ORXSimAviWriter::kKeyFrame, key++);
        _AVI_GSENSOR_DATA_T g{int32_t(kGSensorRecordMark), quint32(i * 200), i, -i, 256, 0};
        writer.writeChunk("02sb", QByteArray(reinterpret_cast<const char*>(&g), sizeof g), 0, key++);
    }
    if (!writer.finish(false, nullptr))
        return {};
    const QByteArray file = readAll(path);
    const qsizetype header = file.indexOf("JUNK");
    if (header < 0)
        return {};
    QByteArray input;
    input.append(char(0)).append(char(span));
    const quint16 h = quint16(header);
    input.append(reinterpret_cast<const char*>(&h), 2);
    return input + file.left(header) + file.mid(kMovieListSizeOffset);
}

void writeSeeds(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            continue;
        QDir dir(QString::fromLocal8Bit(argv[i]));
        if (!dir.exists() || !dir.isEmpty())
            return;
        const QByteArray seeds[] = {seed(10, true, 12), seed(6, false, 6)};
        for (int s = 0; s < 2; ++s) {
            QFile file(dir.filePath(QStringLiteral("seed-%1").arg(s)));
            if (file.open(QIODevice::WriteOnly))
                file.write(seeds[s]);
        }
        return;
    }
}

QByteArray expand(const uint8_t* data, size_t size)
{
    if (size < 4)
        return {};
    quint16 h;
    std::memcpy(&h, data + 2, 2);
    const qsizetype header =
        std::min<qsizetype>({qsizetype(h), qsizetype(size) - 4, kMovieListSizeOffset - 4});
    QByteArray file(reinterpret_cast<const char*>(data) + 4, header);
    file.resize(kMovieListSizeOffset - 4, '\0');
    file += "LIST";
    file.append(reinterpret_cast<const char*>(data) + 4 + header, qsizetype(size) - 4 - header);
    return file;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.*=false"));
    writeSeeds(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString source = workDir()->filePath(QStringLiteral("in.avi"));
    const QString clip = workDir()->filePath(QStringLiteral("clip.avi"));
    const QString again = workDir()->filePath(QStringLiteral("again.avi"));
    QFile::remove(clip);
    QFile::remove(again);
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(expand(data, size));
    }
    ORXClipCutter cutter;
    cutter.setRange(size > 0 ? data[0] / 10.0 : 0.0, size > 1 ? data[1] / 10.0 : 0.0);
    if (!cutter.cutFile(source, clip)) {
        if (QFile::exists(clip) || cutter.errorString().isEmpty())
            __builtin_trap(); // a failure leaves nothing and says why
        return 0;
    }
    ORXBlackBoxData box;
    box.setWaitAfterRead(0);
    box.setIndexTraceEnabled(false);
    if (!box.ExtractStreamInformation(clip))
        __builtin_trap(); // a clip reads like a camera file
    // Cut again over its whole length: nothing changes.
    ORXClipCutter whole;
    whole.setRange(0, cutter.clipDuration());
    if (!whole.cutFile(clip, again) || readAll(again) != readAll(clip))
        __builtin_trap();
    return 0;
}
