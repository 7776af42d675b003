#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

class QDBusMessage;

// Tells when the disks UDisks2 knows may have changed: a card put in or taken out
// (ObjectManager InterfacesAdded / InterfacesRemoved) or a file system mounted or unmounted
// (PropertiesChanged of a Filesystem). One insertion brings a burst of signals; they are
// gathered into one changed() after a short quiet time. Lives on the main thread.
class ORXUDisksWatcher : public QObject
{
    Q_OBJECT
public:
    explicit ORXUDisksWatcher(QObject* parent = nullptr); // the bus of ORXUDisks::defaultBus()
    ORXUDisksWatcher(const QDBusConnection& bus, QObject* parent = nullptr);

    // False when the bus could not be watched (no bus); changed() then never comes.
    bool isWatching() const { return m_watching; }
    void setQuietMs(int ms) { m_quiet.setInterval(ms); }

signals:
    void changed();

private slots:
    void onObjectsChanged(const QDBusMessage& message);
    void onPropertiesChanged(const QDBusMessage& message);

private:
    QDBusConnection m_bus;
    QTimer m_quiet;
    bool m_watching = false;
};
