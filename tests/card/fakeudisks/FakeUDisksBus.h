#pragma once

// Test support: a private dbus-daemon with the stand-in UDisks2 service on it (udisks2.py
// beside this file, run by python-dbusmock). The environment variable ORVEX_UDISKS_BUS is
// pointed at it while the object lives, so the discovery code talks real D-Bus to it.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#ifndef ORVEX_FAKE_UDISKS
#error "ORVEX_FAKE_UDISKS must name the udisks2.py template"
#endif

class FakeUDisksBus
{
public:
    FakeUDisksBus()
    {
        m_daemon.start(
            QStringLiteral("dbus-daemon"),
            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (m_daemon.waitForStarted(5000) && m_daemon.waitForReadyRead(5000))
            m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
        QDir().mkpath(backingRoot());
    }
    ~FakeUDisksBus()
    {
        stopService();
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(3000))
            m_daemon.kill();
        m_daemon.waitForFinished();
        if (m_exported)
            qunsetenv("ORVEX_UDISKS_BUS");
    }
    FakeUDisksBus(const FakeUDisksBus&) = delete;
    FakeUDisksBus& operator=(const FakeUDisksBus&) = delete;

    QString address() const { return m_address; }
    QString root() const { return m_dir.path(); }
    QString mountRoot() const { return root() + QStringLiteral("/media"); }
    QString backingRoot() const { return root() + QStringLiteral("/cards"); }
    QString backing(const QString& id) const { return backingRoot() + QLatin1Char('/') + id; }
    QString logPath() const { return root() + QStringLiteral("/calls.log"); }

    // Starts (or restarts) the service with these drives and blocks; extra keys such as
    // "fail" or "hideFilesystemMs" go in options. Exports ORVEX_UDISKS_BUS.
    bool start(const QJsonArray& drives, const QJsonArray& blocks, QJsonObject options = {})
    {
        stopService();
        if (m_address.isEmpty())
            return false;
        options.insert("drives", drives);
        options.insert("blocks", blocks);
        options.insert("mountRoot", mountRoot());
        options.insert("log", logPath());
        QFile::remove(logPath());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", m_address);
        m_service.setProcessEnvironment(env);
        m_service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_service.start("/usr/bin/python3",
                        {"-m", "dbusmock", "--session", "-l", "/dev/null", "-t", ORVEX_FAKE_UDISKS, "-p",
                         QJsonDocument(options).toJson(QJsonDocument::Compact)});
        if (!m_service.waitForStarted(5000) || !m_service.waitForReadyRead(10000) ||
            m_service.readLine().trimmed() != "ready")
            return false;
        qputenv("ORVEX_UDISKS_BUS", m_address.toLocal8Bit());
        m_exported = true;
        return true;
    }

    void stopService()
    {
        if (m_service.state() == QProcess::NotRunning)
            return;
        m_service.terminate();
        if (!m_service.waitForFinished(3000))
            m_service.kill();
        m_service.waitForFinished();
    }

    // The calls the service received, one "Method id [argument]" a line.
    QStringList calls() const
    {
        QFile file(logPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    static QJsonObject drive(const QString& id, const QString& bus, bool removable, bool mediaRemovable,
                             const QString& vendor = QString(), const QString& model = QString())
    {
        return {{"id", id},
                {"connectionBus", bus},
                {"removable", removable},
                {"mediaRemovable", mediaRemovable},
                {"vendor", vendor},
                {"model", model}};
    }

    // A block with a mounted file system at <mountRoot>/<label>, its files in backing(id); its
    // FAT serial is made from the id, the same in every run.
    QJsonObject volume(const QString& id, const QString& driveId, const QString& label, double size,
                       bool partition = true, bool readOnly = false) const
    {
        return {{"id", id},           {"device", QStringLiteral("/dev/") + id},
                {"size", size},       {"readOnly", readOnly},
                {"drive", driveId},   {"label", label},
                {"filesystem", true}, {"partition", partition},
                {"mounted", true},    {"backing", backing(id)}};
    }

    // Test interface of the service: "SwapCard" (id, new serial), "RemoveCard" (id),
    // "InsertCard" (id). True when the service answered.
    bool control(const QString& method, const QVariantList& args) const
    {
        QDBusConnection bus =
            QDBusConnection::connectToBus(m_address, QStringLiteral("fake-control:") + m_address);
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.UDisks2"),
                                                           QStringLiteral("/org/freedesktop/UDisks2"),
                                                           QStringLiteral("org.orvex.FakeUDisks"), method);
        call.setArguments(args);
        return bus.call(call, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
    }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_service;
    QString m_address;
    bool m_exported = false;
};
