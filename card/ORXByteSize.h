#pragma once

#include <QString>

// A byte count as a short text of at most six characters ("7.4 GB", "1023 B", "10 kB"),
// in steps of 1024 with the unit letters "kMGTPEZY".
QString formatByteSize(quint64 byteCount);
