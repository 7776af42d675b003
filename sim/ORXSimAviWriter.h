#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <QVector>

#include <memory>

// Writes an AVI 1.0 file in the camera's layout: RIFF "AVI ", the header list padded with
// a JUNK chunk so that the movie list's size field stands at 14136 and its first chunk at
// 14144, the chunks, then the idx1 index whose offsets count from the "movi" type code.
//
// Streams are numbered in the order they are declared: video "00dc", audio "01wb" when
// present, and the camera's side stream, which is always "02sb" whether or not there is
// audio (the camera keeps that number fixed).
class ORXSimAviWriter
{
public:
    struct Video
    {
        int width = 640, height = 360, fps = 30;
    };
    struct Audio
    {
        int sampleRate = 16000; // mono, 16-bit PCM
    };

    ORXSimAviWriter(const QString& path, Video video, bool audio, Audio audioFormat, bool sideStream);
    ~ORXSimAviWriter();

    bool open(QString* error);

    // One chunk with its data. indexKey orders the idx1 entries (ascending; equal keys keep
    // their order of writing), so that data may lie out of index order.
    bool writeChunk(const char id[4], const QByteArray& data, quint32 flags, qint64 indexKey);
    // A chunk whose data is left as a hole in the file (never written).
    bool writeHole(const char id[4], quint32 size, quint32 flags, qint64 indexKey);

    // Writes the index and the headers and commits the file. notRiff spoils the first four
    // bytes (for fault tests).
    bool finish(bool notRiff, QString* error);

    static constexpr quint32 kKeyFrame = 0x10; // AVIIF_KEYFRAME

private:
    struct Entry
    {
        qint64 key;
        char id[4];
        quint32 flags;
        quint32 offset; // from the "movi" type code
        quint32 length;
    };

    bool addChunk(const char id[4], quint32 size, quint32 flags, qint64 indexKey);
    QByteArray headerList() const;
    QByteArray streamList(int stream) const;
    bool fail(QString* error, const QString& why);

    QString m_path;
    Video m_video;
    bool m_audio;
    Audio m_audioFormat;
    bool m_side;
    std::unique_ptr<QSaveFile> m_file;
    QVector<Entry> m_entries;
    qint64 m_position = 0;
    bool m_broken = false;
    QString m_brokenWhy;
    // Totals per stream for the headers.
    quint32 m_videoFrames = 0, m_audioBytes = 0, m_sideChunks = 0;
    quint32 m_maxVideo = 0, m_maxAudio = 0, m_maxSide = 0;
};
