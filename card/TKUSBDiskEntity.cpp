#include "TKUSBDiskEntity.h"

#include "ORXByteSize.h"

TKUSBDiskEntity::TKUSBDiskEntity(const QString& volumeName, const QUrl& mountedURL,
                                 const QString& deviceFilePath, const QString& deviceModel,
                                 quint64 volumeSize, bool writable, bool mediaWhole, const QString& key,
                                 const QString& volumeUUID, quint64 mediaDetected)
    : m_volumeName(volumeName), m_mountedURL(mountedURL), m_deviceFilePath(deviceFilePath),
      m_deviceModel(deviceModel), m_volumeSize(volumeSize), m_writable(writable), m_mediaWhole(mediaWhole),
      m_key(key), m_volumeUUID(volumeUUID), m_mediaDetected(mediaDetected)
{
}

bool TKUSBDiskEntity::isSameMedium(const TKUSBDiskEntity& other) const
{
    if (m_key != other.m_key || m_deviceFilePath != other.m_deviceFilePath ||
        m_volumeSize != other.m_volumeSize || m_volumeUUID != other.m_volumeUUID)
        return false;
    return m_mediaDetected == 0 || other.m_mediaDetected == 0 || m_mediaDetected == other.m_mediaDetected;
}

QString TKUSBDiskEntity::displayString() const
{
    const bool hasModel = !m_deviceModel.isEmpty();
    return QStringLiteral("[%1] %2 %3%4%5")
        .arg(formatByteSize(m_volumeSize), m_volumeName, hasModel ? QStringLiteral("<") : QString(),
             m_deviceModel, hasModel ? QStringLiteral(">") : QString());
}
