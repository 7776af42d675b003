#pragma once

#include "VLCTime.h"

#include <QString>
#include <QUrl>

#include <atomic>
#include <memory>

// A media object of the playback engine: one file, by URL. Its channel is read from the URL
// alone; its length is known once an engine has opened it (zero until then).
class VLCMedia
{
public:
    explicit VLCMedia(const QUrl& url);
    static std::shared_ptr<VLCMedia> mediaWithPath(const QString& path);

    const QUrl& url() const { return m_url; }

    VLCTime length() const { return VLCTime::timeWithInt(m_length.load(std::memory_order_relaxed)); }
    // Called by the engine layer (from its own thread) once the length is known.
    void setLength(const VLCTime& length) { m_length.store(length.intValue(), std::memory_order_relaxed); }

    // 0 front ("..._F.avi"), 1 rear ("..._R.avi"), 2 unknown; the last six characters of the
    // URL's path, compared without regard to case.
    int mediaDirection() const;
    bool isFrontMedia() const { return mediaDirection() == 0; }
    bool isRearMedia() const { return mediaDirection() == 1; }

private:
    QUrl m_url;
    std::atomic<qint64> m_length{0};
};
