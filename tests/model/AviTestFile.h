#pragma once

#include "ORXAviRecords.h"

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <cstring>

// An AVI in the camera's layout: header, padding to the fixed movie list, chunks, idx1 (pointing anywhere).
class AviTestFile
{
public:
    struct Entry
    {
        QByteArray id;
        quint32 offset;
        quint32 length;
    };

    // length: the one the index gives (-1: the data size).
    void addChunk(const QByteArray& id, const QByteArray& data, qint64 length = -1)
    {
        const quint32 offset = quint32(4 + m_movi.size()); // from the movie list's type code
        m_movi += id;
        appendLe(m_movi, quint32(data.size()));
        m_movi += data;
        if (data.size() % 2)
            m_movi += '\0';
        m_entries.append({id, offset, length < 0 ? quint32(data.size()) : quint32(length)});
    }
    void addGps(const _AVI_GPS_DATA_T& record) { addChunk("02sb", bytesOf(record)); }
    void addGSensor(const _AVI_GSENSOR_DATA_T& record) { addChunk("02sb", bytesOf(record)); }
    void addEntry(const Entry& entry) { m_entries.append(entry); }
    QList<Entry>& entries() { return m_entries; }

    QByteArray build() const
    {
        using namespace ORXAviLayout;
        QByteArray file(kMovieListSizeOffset - 4, '\0');
        std::memcpy(file.data(), "RIFF\0\0\0\0AVI ", 12);
        file += "LIST";
        appendLe(file, quint32(4 + m_movi.size()));
        file += "movi";
        file += m_movi;
        file += "idx1";
        appendLe(file, quint32(m_entries.size() * 16));
        for (const Entry& e : m_entries) {
            file += e.id.leftJustified(4, '\0', true);
            appendLe(file, 0x10);
            appendLe(file, e.offset);
            appendLe(file, e.length);
        }
        qToLittleEndian(quint32(file.size() - 8), file.data() + 4);
        return file;
    }

    template <typename T> static QByteArray bytesOf(const T& record)
    {
        return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
    }

    static _AVI_GSENSOR_DATA_T gsensor(quint32 timestamp, qint32 x = 0, qint32 y = 0, qint32 z = 256)
    {
        return {ORXAviLayout::kGSensorRecordMark, timestamp, x, y, z, 25};
    }

    static _AVI_GPS_DATA_T gps(quint32 timestamp, const QByteArray& text, double lat = 3745.1234,
                               double lon = 12701.5678)
    {
        _AVI_GPS_DATA_T r{};
        r.header = ORXAviLayout::kGpsRecordMark;
        r.nTimestamp = timestamp;
        r.nLen = quint32(qMin<qsizetype>(text.size(), sizeof r.RawData));
        r.fLatitude = lat;
        r.fLongitude = lon;
        r.fSpeed = 42;
        r.NS = 'N';
        r.EW = 'E';
        r.KM = '9';
        std::memcpy(r.RawData, text.constData(), r.nLen);
        return r;
    }

private:
    static void appendLe(QByteArray& bytes, quint32 value)
    {
        char le[4];
        qToLittleEndian(value, le);
        bytes.append(le, 4);
    }

    QByteArray m_movi;
    QList<Entry> m_entries;
};
