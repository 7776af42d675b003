#pragma once

#include <QString>

// The program's string table ("InfoPlist"): every user-visible text is found by a dotted
// key such as "msg.saved". A key without a text gives an empty string, never the key.
QString ORXLocalizedString(const char* key);
QString ORXLocalizedString(const QString& key);

// Loads the compiled table for the given language ("en" by default) into the running
// application. Called once at start by the programs; ORXLocalizedString calls it lazily.
bool ORXInstallStringTable(const QString& language = QStringLiteral("en"));
