#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>

// A stand-in for the UDisks2 daemon on a private bus: exports the ObjectManager with the
// drives and blocks described by a JSON file, and Mount/Unmount/SetLabel on filesystems.
// A mount is a symbolic link <mountRoot>/<label> to the block's backing folder, so the
// files of a volume survive an unmount and a rename. Every call is appended to the log file.
//
// Like the daemon, it reports a block's IdUUID (for a FAT32 image the volume serial) and the
// drive's TimeMediaDetected, and probes an image file again after it changed (after
// "probeDelayMs", as udev would after its change event; with "automount" the new file system
// is mounted at once, as a desktop's automounter does). The test interface
// "org.orvex.FakeUDisks" swaps, removes and inserts cards and announces it with
// InterfacesRemoved / InterfacesAdded, as the daemon does.
class FakeUDisksService : public QDBusVirtualObject
{
    Q_OBJECT
public:
    explicit FakeUDisksService(const QJsonObject& config);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    struct Drive
    {
        QString id;
        QJsonObject json;
        qulonglong mediaDetected = 0;
    };
    struct Block
    {
        QString id;
        QJsonObject json;
        QString label;
        QString mountPoint;
        QString backing;
        QString image;
        QByteArray serial;
        QString uuid;
        bool present = true;
        QByteArray pendingBoot; // a changed boot sector not yet probed
        QElapsedTimer pendingSince;
    };

    QVariantMap driveProperties(const Drive& drive) const;
    QVariantMap blockProperties(const Block& block) const;
    bool filesystemVisible(const Block& block) const;
    QDBusMessage managedObjects(const QDBusMessage& message);
    QDBusMessage filesystemCall(const QDBusMessage& message);
    QString mountBlock(Block& block);
    void probeImage(Block& block, bool clearOnNewFilesystem);
    void refreshProbe(Block& block);
    QMap<QString, QVariantMap> interfaces(const Block& block) const;
    QDBusMessage testCall(const QDBusMessage& message);
    void announce(const Block& block, bool added);
    void log(const QString& line) const;

    QList<Drive> m_drives;
    QList<Block> m_blocks;
    QString m_mountRoot;
    QString m_logPath;
    QSet<QString> m_failing;
    int m_hideFilesystemMs = 0;
    int m_probeDelayMs = 0;
    bool m_automount = false;
    QDBusConnection m_connection{QString()};
    QElapsedTimer m_sinceUnmount;
};
