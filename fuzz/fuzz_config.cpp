// Feeds arbitrary bytes as "config.bin": the reader must refuse every size but 428 and
// every field of a 428-byte record must be readable through the field table.
#include "ORXConfigFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.bin"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    _FILEDATA record;
    std::memset(&record, 0x5a, sizeof record);
    const bool read = readConfigFile(path, &record);
    if (read != (size == sizeof(_FILEDATA)))
        __builtin_trap();
    if (!read)
        return 0;
    quint64 sum = configChecksum(record);
    for (const ORXConfigField& field : kORXConfigFields) {
        if (field.type == ORXFieldType::Text)
            sum += quint64(configFieldText(record, field).size());
        else
            sum += quint64(configFieldValue(record, field));
    }
    prepareConfigForSave(&record);
    if (record.checksum != configChecksum(record))
        __builtin_trap();
    return sum == 1 ? 1 : 0;
}
