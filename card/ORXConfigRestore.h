#pragma once

#include <QString>

// Keeping the card's "config.bin" across a format: a copy in a fresh folder of the
// temporary folder before, and the file put back (or the default settings written) after.
class ORXConfigRestore
{
public:
    // Copies "config.bin" from the volume's root into <temp>/<unique>/config.bin. Sets
    // *savedPath (empty when the card holds no such file). Null QString on success, else why.
    static QString saveFromVolume(const QString& mountPath, QString* savedPath);

    // Puts the saved copy back as "config.bin" in the folder, or the default settings when
    // there is no saved copy. Null QString on success, else the text for the user.
    static QString putBack(const QString& savedPath, const QString& folder);

    // Copies a file whole through a save-file; null QString on success, else why.
    static QString copyFile(const QString& from, const QString& to);
};
