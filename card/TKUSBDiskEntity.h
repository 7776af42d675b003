#pragma once

#include <QString>
#include <QUrl>

// One mounted USB volume. Every field is set at creation and read-only afterwards.
class TKUSBDiskEntity
{
public:
    TKUSBDiskEntity(const QString& volumeName, const QUrl& mountedURL, const QString& deviceFilePath,
                    const QString& deviceModel, quint64 volumeSize, bool writable, bool mediaWhole,
                    const QString& key);

    QString volumeName() const { return m_volumeName; }
    QUrl mountedURL() const { return m_mountedURL; }
    QString mountPath() const { return m_mountedURL.toLocalFile(); }
    QString deviceFilePath() const { return m_deviceFilePath; } // device name without folder ("sdb1")
    QString deviceModel() const { return m_deviceModel; }       // empty when the device has none
    quint64 volumeSize() const { return m_volumeSize; }
    bool writable() const { return m_writable; }
    bool mediaWhole() const { return m_mediaWhole; }
    QString key() const { return m_key; } // unique per medium (the UDisks2 object path)

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
};
