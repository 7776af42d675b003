#pragma once

// Test support: a private dbus-daemon with the stand-in UDisks2 service (the python-dbusmock
// template udisks2.py beside this file) on it. The environment variable ORVEX_UDISKS_BUS is pointed at it while the object lives,
// so the discovery code talks real D-Bus to it.

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
        options.insert(QStringLiteral("drives"), drives);
        options.insert(QStringLiteral("blocks"), blocks);
        options.insert(QStringLiteral("mountRoot"), mountRoot());
        options.insert(QStringLiteral("log"), logPath());
        const QString configPath = root() + QStringLiteral("/fake.json");
        QFile config(configPath);
        if (!config.open(QIODevice::WriteOnly) || config.write(QJsonDocument(options).toJson()) < 0)
            return false;
        config.close();
        QFile::remove(logPath());
        m_service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        m_service.setProcessEnvironment(env);
        const QJsonObject parameters{{"config", configPath}};
        m_service.start(QStringLiteral("/usr/bin/python3"),
                        {"-m", "dbusmock", "--session", "-l", "/dev/null", "-t", QStringLiteral(ORVEX_FAKE_UDISKS),
                         "-p", QString::fromUtf8(QJsonDocument(parameters).toJson(QJsonDocument::Compact))});
        if (!m_service.waitForStarted(5000) || !m_service.waitForReadyRead(5000) ||
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

    // A block with a mounted file system at <mountRoot>/<label>, its files in backing(id).
    QJsonObject volume(const QString& id, const QString& driveId, const QString& label, double size,
                       bool partition = true, bool readOnly = false) const
    {
        return {{"id", id},
                {"device", QStringLiteral("/dev/") + id},
                {"size", size},
                {"readOnly", readOnly},
                {"drive", driveId},
                {"label", label},
                {"filesystem", true},
                {"partition", partition},
                {"mounted", true},
                {"backing", backing(id)},
                {"uuid", serialOf(id)}};
    }

    // A FAT serial in blkid's form made from the id, the same in every run.
    static QString serialOf(const QString& id)
    {
        quint32 n = 0x5EED0000;
        for (const QChar c : id)
            n = n * 31 + c.unicode();
        return QStringLiteral("%1-%2")
            .arg(n >> 16, 4, 16, QLatin1Char('0'))
            .arg(n & 0xffff, 4, 16, QLatin1Char('0'))
            .toUpper();
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
