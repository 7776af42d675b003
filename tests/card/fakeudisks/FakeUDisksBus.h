#pragma once

// A private dbus-daemon with the stand-in UDisks2 service (udisks2.py, run by python-dbusmock);
// ORVEX_UDISKS_BUS points the program at it while the object lives.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <sys/prctl.h>

#ifndef ORVEX_FAKE_UDISKS
#error "ORVEX_FAKE_UDISKS must name the udisks2.py template"
#endif

class FakeUDisksBus
{
public:
    FakeUDisksBus()
    {
        // Both go when the test process does, even when it crashes.
        for (QProcess* process : {&m_daemon, &m_service})
            process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (m_daemon.waitForStarted(5000) && m_daemon.waitForReadyRead(5000))
            m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
    }
    ~FakeUDisksBus()
    {
        stopService();
        stop(m_daemon);
        if (m_exported)
            qunsetenv("ORVEX_UDISKS_BUS");
    }
    FakeUDisksBus(const FakeUDisksBus&) = delete;
    FakeUDisksBus& operator=(const FakeUDisksBus&) = delete;

    QString address() const { return m_address; }
    QString root() const { return m_dir.path(); }
    QString mountRoot() const { return root() + "/media"; }
    QString backing(const QString& id) const { return root() + "/cards/" + id; }

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
        m_service.start("/usr/bin/python3", {"-m", "dbusmock", "--session", "-l", "/dev/null", "-t",
                                             ORVEX_FAKE_UDISKS, "-p", QJsonDocument(options).toJson()});
        if (!m_service.waitForReadyRead(10000) || m_service.readLine().trimmed() != "ready")
            return false;
        qputenv("ORVEX_UDISKS_BUS", m_address.toLocal8Bit());
        m_exported = true;
        return true;
    }
    void stopService() { stop(m_service); }

    // The calls the service received, one "Method id [argument]" a line.
    QStringList calls() const
    {
        QFile file(logPath());
        return file.open(QIODevice::ReadOnly)
                   ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                   : QStringList();
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
        return {{"id", id},         {"device", "/dev/" + id}, {"size", size},       {"readOnly", readOnly},
                {"drive", driveId}, {"label", label},         {"filesystem", true}, {"partition", partition},
                {"mounted", true},  {"backing", backing(id)}};
    }

    // The service's test interface: "SwapCard" (id, new serial), "RemoveCard" (id), "InsertCard" (id). True
    // when the service answered.
    bool control(const QString& method, const QVariantList& args) const
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            "org.freedesktop.UDisks2", "/org/freedesktop/UDisks2", "org.orvex.FakeUDisks", method);
        call.setArguments(args);
        return QDBusConnection::connectToBus(m_address, "fake-control:" + m_address)
                   .call(call, QDBus::Block, 5000)
                   .type() == QDBusMessage::ReplyMessage;
    }

private:
    QString logPath() const { return root() + "/calls.log"; }
    static void stop(QProcess& process)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished();
    }

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_service;
    QString m_address;
    bool m_exported = false;
};
