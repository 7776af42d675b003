#include "ORXConfigRecord.h"

#include "ORXUserDefaults.h"

#include <QDateTime>

#include <cstring>

namespace {

unsigned char* bytesOf(_FILEDATA* record)
{
    return reinterpret_cast<unsigned char*>(record);
}

const unsigned char* bytesOf(const _FILEDATA& record)
{
    return reinterpret_cast<const unsigned char*>(&record);
}

template <typename T> T loadAt(const _FILEDATA& record, std::size_t offset)
{
    T value;
    std::memcpy(&value, bytesOf(record) + offset, sizeof value);
    return value;
}

template <typename T> void storeAt(_FILEDATA* record, std::size_t offset, T value)
{
    std::memcpy(bytesOf(record) + offset, &value, sizeof value);
}

} // namespace

quint16 configChecksum(const _FILEDATA& record)
{
    // 106 words from `disp_segment_mode` (offset 4) through `debug_mode` (offset 424).
    quint16 sum = 0;
    for (std::size_t offset = 4; offset + 4 <= sizeof(_FILEDATA); offset += 4)
        sum ^= static_cast<quint16>(loadAt<quint32>(record, offset) & 0xffffu);
    return sum;
}

void applyDefaultSettings(_FILEDATA* record)
{
    applyDefaultSettings(record, static_cast<quint32>(ORXUserDefaults::externalRearCamera()));
}

void applyDefaultSettings(_FILEDATA* record, quint32 externalRearCamera)
{
    for (const ORXConfigField& field : kORXConfigFields) {
        switch (field.reset) {
        case ORXResetRule::Kept:
        case ORXResetRule::Computed:
            break;
        case ORXResetRule::UserDefault:
            setConfigFieldValue(record, field, externalRearCamera);
            break;
        case ORXResetRule::Value:
            if (field.type == ORXFieldType::Text) {
                setConfigFieldText(record, field, QByteArray(field.defaultText));
            } else {
                const int words = field.type == ORXFieldType::U32Array ? field.size / 4 : 1;
                for (int i = 0; i < words; ++i)
                    setConfigFieldValue(record, field, field.defaultValue, i);
            }
            break;
        }
    }
}

int localTimeZoneIndex(int offsetSecondsFromUtc)
{
    // Hours and minutes as the camera counts them: both truncated toward zero, so
    // UTC-4:30 (-16200 s) becomes -430.
    const int hours = offsetSecondsFromUtc / 3600;
    const int minutes = (offsetSecondsFromUtc % 3600) / 60;
    const int value = hours * 100 + minutes;
    for (std::size_t i = 0; i < kORXTimeZoneOffsets.size(); ++i) {
        if (kORXTimeZoneOffsets[i] == value)
            return static_cast<int>(i);
    }
    return -1;
}

int localTimeZoneIndex()
{
    return localTimeZoneIndex(QDateTime::currentDateTime().offsetFromUtc());
}

qint64 configFieldValue(const _FILEDATA& record, const ORXConfigField& field, int element)
{
    switch (field.type) {
    case ORXFieldType::U16:
        return loadAt<quint16>(record, field.offset);
    case ORXFieldType::U32:
        return loadAt<quint32>(record, field.offset);
    case ORXFieldType::I32:
        return loadAt<qint32>(record, field.offset);
    case ORXFieldType::U32Array:
        if (element < 0 || element >= field.size / 4)
            return 0;
        return loadAt<quint32>(record, field.offset + 4 * static_cast<std::size_t>(element));
    case ORXFieldType::Text:
        break;
    }
    return 0;
}

void setConfigFieldValue(_FILEDATA* record, const ORXConfigField& field, qint64 value, int element)
{
    switch (field.type) {
    case ORXFieldType::U16:
        storeAt(record, field.offset, static_cast<quint16>(value));
        break;
    case ORXFieldType::U32:
        storeAt(record, field.offset, static_cast<quint32>(value));
        break;
    case ORXFieldType::I32:
        storeAt(record, field.offset, static_cast<qint32>(value));
        break;
    case ORXFieldType::U32Array:
        if (element >= 0 && element < field.size / 4)
            storeAt(record, field.offset + 4 * static_cast<std::size_t>(element), static_cast<quint32>(value));
        break;
    case ORXFieldType::Text:
        break;
    }
}

QByteArray configFieldText(const _FILEDATA& record, const ORXConfigField& field)
{
    if (field.type != ORXFieldType::Text)
        return QByteArray();
    const char* start = reinterpret_cast<const char*>(bytesOf(record)) + field.offset;
    const void* zero = std::memchr(start, 0, field.size);
    const qsizetype length = zero ? static_cast<const char*>(zero) - start : field.size;
    return QByteArray(start, length);
}

bool setConfigFieldText(_FILEDATA* record, const ORXConfigField& field, const QByteArray& text)
{
    if (field.type != ORXFieldType::Text || text.size() > field.size)
        return false;
    unsigned char* start = bytesOf(record) + field.offset;
    std::memset(start, 0, field.size);
    std::memcpy(start, text.constData(), static_cast<std::size_t>(text.size()));
    return true;
}

const ORXConfigField* findConfigField(const char* name)
{
    if (!name)
        return nullptr;
    for (const ORXConfigField& field : kORXConfigFields) {
        if (std::strcmp(field.name, name) == 0)
            return &field;
    }
    return nullptr;
}
