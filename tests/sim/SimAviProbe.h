#pragma once

#include "ORXAviRecords.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QVector>
#include <QtEndian>

// Reads back what the simulator wrote, by the camera's rules for where things lie: the
// movie list's size at 14136, "movi" at 14140, idx1 right after the movie list, and each
// index entry's chunk at offset + 14140 (its size field at offset + 14144).
struct SimAviIndexEntry
{
    QByteArray id;
    quint32 flags = 0;
    quint32 offset = 0;
    quint32 length = 0;
};

struct SimAviView
{
    QString error; // empty when the layout was found
    QByteArray riffTag;
    quint32 riffSize = 0;
    quint32 movieSize = 0;
    QVector<SimAviIndexEntry> entries;

    QVector<SimAviIndexEntry> withId(const char* id) const
    {
        QVector<SimAviIndexEntry> result;
        for (const auto& entry : entries) {
            if (entry.id == id)
                result << entry;
        }
        return result;
    }
};

inline quint32 simReadU32(QFile& file, qint64 at, bool* ok)
{
    char b[4];
    *ok = *ok && file.seek(at) && file.read(b, 4) == 4;
    return *ok ? qFromLittleEndian<quint32>(b) : 0;
}

inline QByteArray simReadBytes(QFile& file, qint64 at, qint64 count)
{
    if (!file.seek(at))
        return {};
    return file.read(count);
}

inline SimAviView simReadAvi(const QString& path)
{
    SimAviView view;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        view.error = QStringLiteral("cannot open");
        return view;
    }
    bool ok = true;
    view.riffTag = simReadBytes(file, 0, 4);
    view.riffSize = simReadU32(file, 4, &ok);
    if (simReadBytes(file, 8, 4) != "AVI ")
        view.error = QStringLiteral("no AVI form type");
    else if (simReadBytes(file, ORXAviLayout::kMovieListSizeOffset - 4, 4) != "LIST")
        view.error = QStringLiteral("no LIST before the movie list size");
    else if (simReadBytes(file, ORXAviLayout::kMovieListTypeOffset, 4) != "movi")
        view.error = QStringLiteral("no movi type code at 14140");
    if (!view.error.isEmpty())
        return view;
    view.movieSize = simReadU32(file, ORXAviLayout::kMovieListSizeOffset, &ok);
    const qint64 indexHead = qint64(view.movieSize) + ORXAviLayout::kIndexAfterMovieSize - 8;
    if (simReadBytes(file, indexHead, 4) != "idx1") {
        view.error = QStringLiteral("no idx1 after the movie list");
        return view;
    }
    const quint32 indexSize = simReadU32(file, indexHead + 4, &ok);
    const QByteArray index =
        simReadBytes(file, qint64(view.movieSize) + ORXAviLayout::kIndexAfterMovieSize, indexSize);
    if (!ok || index.size() != qsizetype(indexSize) || indexSize % 16) {
        view.error = QStringLiteral("idx1 short or ragged");
        return view;
    }
    for (qsizetype at = 0; at < index.size(); at += 16) {
        SimAviIndexEntry entry;
        entry.id = index.mid(at, 4);
        entry.flags = qFromLittleEndian<quint32>(index.constData() + at + 4);
        entry.offset = qFromLittleEndian<quint32>(index.constData() + at + 8);
        entry.length = qFromLittleEndian<quint32>(index.constData() + at + 12);
        view.entries << entry;
    }
    return view;
}

// The chunk an index entry points at: its id must stand at offset + 14140 and its size
// field, equal to the entry's length, at offset + 14144. Returns the record bytes after it,
// or a null array when the chunk head does not match.
inline QByteArray simChunkData(QFile& file, const SimAviIndexEntry& entry, qint64 count)
{
    const qint64 head = qint64(entry.offset) + ORXAviLayout::kMovieListTypeOffset;
    bool ok = true;
    if (simReadBytes(file, head, 4) != entry.id)
        return {};
    if (simReadU32(file, qint64(entry.offset) + ORXAviLayout::kFirstChunkOffset, &ok) != entry.length || !ok)
        return {};
    QByteArray data = simReadBytes(file, qint64(entry.offset) + ORXAviLayout::kFirstChunkOffset + 4, count);
    return data.isNull() ? QByteArray("") : data;
}
