#include "OrvexTest.h"

#include "ORXLauncherProgress.h"
#include "PMProgressIndicator.h"
#include "PMProgressIndicatorController.h"

#include <QDBusConnection>

// Receives the launcher's "Update" signals on the test's private bus.
class LauncherListener : public QObject
{
    Q_OBJECT

public:
    struct Update
    {
        QString uri;
        QVariantMap properties;
    };
    QList<Update> updates;

public slots:
    void onUpdate(const QString& uri, const QVariantMap& properties) { updates.append({uri, properties}); }
};

class ORXLauncherProgressTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A private session bus, so that the test neither needs nor disturbs the desktop's.
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!m_daemon.waitForStarted(5000))
            QSKIP("dbus-daemon is not installed");
        QVERIFY(m_daemon.waitForReadyRead(5000));
        m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
        auto listenerBus = QDBusConnection::connectToBus(m_address, QStringLiteral("listener"));
        QVERIFY(listenerBus.isConnected());
        m_listener = std::make_unique<LauncherListener>();
        QVERIFY(listenerBus.connect(QString(), QString::fromLatin1(ORXLauncherProgress::kObjectPath),
                                    QString::fromLatin1(ORXLauncherProgress::kInterface), QStringLiteral("Update"),
                                    m_listener.get(), SLOT(onUpdate(QString, QVariantMap))));
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("listener"));
        QDBusConnection::disconnectFromBus(QStringLiteral("sender"));
        m_listener.reset();
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.terminate();
            m_daemon.waitForFinished(3000);
        }
    }

    void followsIndicators()
    {
        auto bus = QDBusConnection::connectToBus(m_address, QStringLiteral("sender"));
        QVERIFY(bus.isConnected());
        m_listener->updates.clear();
        PMProgressIndicatorController controller(QImage(), {});
        controller.setLauncher(std::make_unique<ORXLauncherProgress>(bus));
        PMProgressIndicator indicator;
        indicator.setController(&controller);
        indicator.setDoubleValue(40);
        controller.drawProgressIndicators();
        QVERIFY(waitForUpdates(1));
        const auto first = m_listener->updates.at(0);
        QCOMPARE(first.uri, QStringLiteral("application://orvex.desktop"));
        QCOMPARE(first.properties.value(QStringLiteral("progress")).toDouble(), 0.4);
        QCOMPARE(first.properties.value(QStringLiteral("progress-visible")).toBool(), true);

        indicator.setDoubleValue(100); // finished: off the icon and the launcher
        controller.drawProgressIndicators();
        QVERIFY(waitForUpdates(2));
        QCOMPARE(m_listener->updates.at(1).properties.value(QStringLiteral("progress-visible")).toBool(), false);
    }

    // Only changes are sent, and nothing without a bus.
    void sendsOnlyChanges()
    {
        ORXLauncherProgress launcher(QDBusConnection::connectToBus(m_address, QStringLiteral("sender")));
        for (double progress : {0.5, 0.5, 0.6, 7.0}) // 7 is clamped to 1
            launcher.update(progress, true);
        QCOMPARE(launcher.sentCount(), 3);
        auto none = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/orvex-bus"),
                                                  QStringLiteral("nowhere"));
        QVERIFY(!none.isConnected());
        ORXLauncherProgress silent(none);
        silent.update(0.3, true);
        silent.update(0.0, false);
        QCOMPARE(silent.sentCount(), 0);
        QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));
    }

private:
    bool waitForUpdates(int count)
    {
        return QTest::qWaitFor([&] { return m_listener->updates.size() >= count; }, 5000);
    }

    QProcess m_daemon;
    QString m_address;
    std::unique_ptr<LauncherListener> m_listener;
};

ORVEX_TEST(ORXLauncherProgressTest)
#include "tst_ORXLauncherProgress.moc"
