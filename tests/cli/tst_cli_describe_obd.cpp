#include "CliRunner.h"
#include "OrvexTest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

// orvex-cli config describe: the OBD page, with the eco range kept within 0..100.
class TestCliDescribeObd : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;
    QProcessEnvironment m_env;

private slots:
    void initTestCase()
    {
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert("XDG_CONFIG_HOME", m_home.path());
        m_env.insert("HOME", m_home.path());
    }

    void describesTheObdPage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("config.bin");
        QCOMPARE(runCli({"config", "defaults", path}, m_env).exitCode, 0);
        QCOMPARE(runCli({"config", "set", path, "drivingSecurity=150", "SaveDuration=19",
                         "sd_mem_event_reserved=1"},
                        m_env)
                     .exitCode,
                 0);
        const CliResult result = runCli({"config", "describe", path}, m_env);
        QCOMPARE(result.exitCode, 0);
        const QJsonObject obd = QJsonDocument::fromJson(result.out).object().value("obd").toObject();
        QCOMPARE(obd["ecoSlider"].toArray().toVariantList(), QVariantList({0, 80}));
        QCOMPARE(obd["saveDurationSeg"].toInt(), -1); // code 3: no segment
        QCOMPARE(obd["useObdParkingSeg"].toInt(), 1);
        QCOMPARE(obd["useEcoDriveChk"].toBool(), true); // MemConfig 176
        QCOMPARE(obd["disabled"].toArray().toVariantList(),
                 QVariantList({"powerVoltageCombo", "useObdParkingSeg"}));
        QVERIFY(obd["ecoDriveLabel"].toString().startsWith("Eco Drive : 1.00 "));
    }
};

ORVEX_TEST(TestCliDescribeObd)
#include "tst_cli_describe_obd.moc"
