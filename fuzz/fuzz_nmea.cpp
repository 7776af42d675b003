// Fuzzes the NMEA sentence parser and the sentence splitter of the GPS records: the input
// is one GPS record's text (any bytes, any length).
#include "ORXBlackBoxData.h"
#include "ORXNMEASentenceParser.h"

#include <QByteArray>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));

    // The whole input as one sentence, NUL-terminated and as a view with embedded bytes.
    ORXNMEASentenceParser parser;
    parser.parse(input.constData());
    parser.parse(QByteArrayView(input));

    // The input as a record's text: split, parsed, snapshotted.
    ORXBlackBoxData box;
    QByteArray text = input;
    box.ParseNMEA(text.data(), int32_t(text.size()));
    if (box.m_NMEAs().size() > text.size())
        __builtin_trap(); // at most one snapshot per terminator
    return 0;
}
