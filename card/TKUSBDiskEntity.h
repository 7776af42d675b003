#pragma once

#include <QString>
#include <QUrl>

// One mounted USB volume. Every field is set at creation and read-only afterwards.
class TKUSBDiskEntity
{
public:
    TKUSBDiskEntity(const QString& volumeName, const QUrl& mountedURL, const QString& deviceFilePath,
                    const QString& deviceModel, quint64 volumeSize, bool writable, bool mediaWhole,
                    const QString& key, const QString& volumeUUID = QString(), quint64 mediaDetected = 0);

    QString volumeName() const { return m_volumeName; }
    QUrl mountedURL() const { return m_mountedURL; }
    QString mountPath() const { return m_mountedURL.toLocalFile(); }
    QString deviceFilePath() const { return m_deviceFilePath; } // device name without folder ("sdb1")
    QString deviceModel() const { return m_deviceModel; }       // empty when the device has none
    quint64 volumeSize() const { return m_volumeSize; }
    bool writable() const { return m_writable; }
    bool mediaWhole() const { return m_mediaWhole; }
    // The UDisks2 object path. It is named after the device, so another card put into the
    // same reader has the same key: it tells readers apart, not cards.
    QString key() const { return m_key; }
    // What changes with the card: the file system's serial (Block.IdUUID) and when the
    // reader saw the card arrive (Drive.TimeMediaDetected, 0 when unknown).
    QString volumeUUID() const { return m_volumeUUID; }
    quint64 mediaDetected() const { return m_mediaDetected; }

    // The same card in the same reader, as far as the service can tell: same key and device,
    // same size and file system serial, and the same arrival time where both know it.
    bool isSameMedium(const TKUSBDiskEntity& other) const;

    // "[7.4 GB] ORVEX <SD Card Reader>"; without a model "[7.4 GB] ORVEX " (trailing blank).
    QString displayString() const;

private:
    QString m_volumeName;
    QUrl m_mountedURL;
    QString m_deviceFilePath;
    QString m_deviceModel;
    quint64 m_volumeSize;
    bool m_writable;
    bool m_mediaWhole;
    QString m_key;
    QString m_volumeUUID;
    quint64 m_mediaDetected;
};
