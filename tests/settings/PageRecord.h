#pragma once

#include "ORXConfigRecord.h"
#include "ORXPageState.h"

#include <QJsonArray>
#include <QJsonDocument>
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
        else
            setConfigFieldValue(&r, *field, value.toLongLong(nullptr, value.startsWith("0x") ? 16 : 10));
    }
    return r;
}

// The named fields as "field=value", a text field as its percent-encoded bytes, padding too.
inline QStringList fieldsOf(const _FILEDATA& r, const QStringList& names)
{
    QStringList list;
    for (const QString& name : names) {
        const ORXConfigField* field = findConfigField(name.section('=', 0, 0).toLatin1().constData());
        const QByteArray text(reinterpret_cast<const char*>(&r) + field->offset, field->size);
        list << name.section('=', 0, 0) + '=' +
                    (field->type == ORXFieldType::Text ? QString::fromLatin1(text.toPercentEncoding())
                                                       : QString::number(configFieldValue(r, *field)));
    }
    return list;
}

// The named outlets as "outlet=json" ("frontTinting=3", "carNumberField=\"Orvex\"").
inline QStringList shownOf(const ORXPageState& state, const QStringList& outlets)
{
    QStringList list;
    for (const QString& outlet : outlets) {
        const QString name = outlet.section('=', 0, 0);
        const QByteArray json =
            QJsonDocument(QJsonArray{state.toJson().value(name)}).toJson(QJsonDocument::Compact);
        list << name + '=' + QString::fromUtf8(json.mid(1).chopped(1));
    }
    return list;
}

// "outlet=value" changes of the controls: true/false a check, 'text' a text, "lo,hi" a
// range, a number a slider's value for "...Slider" and otherwise a choice index.
inline void applyChanges(ORXPageState& state, const QStringList& changes)
{
    for (const QString& c : changes) {
        const QString outlet = c.section('=', 0, 0);
        const QString value = c.section('=', 1);
        if (value == "true" || value == "false")
            state.check(outlet, value == "true");
        else if (value.startsWith('\''))
            state.text(outlet, value.mid(1).chopped(1));
        else if (value.contains(','))
            state.range(outlet, value.section(',', 0, 0).toDouble(), value.section(',', 1).toDouble());
        else if (outlet.endsWith("Slider"))
            state.number(outlet, value.toDouble());
        else
            state.choice(outlet, value.toInt());
    }
}
