#pragma once

#include "ORXConfigRecord.h"

#include <QStringList>

#include <cstring>

// The default record (external rear camera, time zone, summer time and language 0), then
// "field=value" assignments: a number (0x.. in hex), or for a text field its percent-encoded
// bytes ("szPlateNumber=12GA3456").
inline _FILEDATA recordWith(const QStringList& assignments)
{
    _FILEDATA r;
    std::memset(&r, 0, sizeof r);
    applyDefaultSettings(&r, 0);
    for (const QString& a : assignments) {
        const QString name = a.section('=', 0, 0);
        const QString value = a.section('=', 1);
        const ORXConfigField* field = findConfigField(name.toLatin1().constData());
        if (!field)
            qFatal("no field %s", qPrintable(name));
        if (field->type == ORXFieldType::Text)
            setConfigFieldText(&r, *field, QByteArray::fromPercentEncoding(value.toUtf8()));
        else if (value.startsWith(QLatin1String("0x")))
            setConfigFieldValue(&r, *field, value.mid(2).toLongLong(nullptr, 16));
        else
            setConfigFieldValue(&r, *field, value.toLongLong());
    }
    return r;
}
