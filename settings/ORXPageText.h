#pragma once

#include <QString>

// The text of a key of the pages' labels. The string table gives nothing for a text that
// reads exactly like its key ("Korean", "insensitive"); such a key is its own text.
QString ORXPageText(const char* key);
