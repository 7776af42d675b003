#pragma once

#include <QStringList>

struct libvlc_instance_t;

// The one libVLC instance of the process, created on first use and kept until exit.
class VLCLibrary
{
public:
    static VLCLibrary* sharedLibrary();

    libvlc_instance_t* instance() const { return m_instance; }
    bool isValid() const { return m_instance != nullptr; }
    // Why the engine could not start (libVLC's own message), empty when it runs.
    QString errorString() const { return m_error; }
    QString version() const;

private:
    VLCLibrary();
    ~VLCLibrary();
    VLCLibrary(const VLCLibrary&) = delete;
    VLCLibrary& operator=(const VLCLibrary&) = delete;

    libvlc_instance_t* m_instance = nullptr;
    QString m_error;
};
