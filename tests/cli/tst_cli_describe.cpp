#include "OrvexTest.h"

#include "CliRunner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

// orvex-cli config describe: what each settings page shows for a config.bin.
class TestCliDescribe : public QObject
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

    void describesEveryPage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("config.bin");
        QCOMPARE(runCli({"config", "defaults", path}, m_env).exitCode, 0);
        QCOMPARE(runCli({"config", "set", path, "time_gmt=-1", "gsen_x_threshold=1234", "Gamma=1"}, m_env)
                     .exitCode,
                 0);
        const CliResult result = runCli({"config", "describe", path}, m_env);
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.err.isEmpty());
        const QJsonObject pages = QJsonDocument::fromJson(result.out).object();
        for (const char* page : {"video", "basic", "gps", "obd"})
            QVERIFY2(pages.value(page).isObject(), page);
        QCOMPARE(pages["video"]["videoEncodingBitrate"].toInt(), 1);
        QCOMPARE(pages["gps"]["timeGmtCombo"].toInt(), -1);
        QCOMPARE(pages["gps"]["summerTimeChk"].toBool(), false);
        QCOMPARE(pages["obd"]["ecoSlider"].toArray().toVariantList(), QVariantList({40, 80}));
        const QJsonObject basic = pages["basic"].toObject();
        QCOMPARE(basic["gsensorSensitivityDrivingSeg"].toInt(), 5);
        QCOMPARE(basic["gsensorSensitivityThresholdXDrivingField"].toString(), QString("12.34"));
        QCOMPARE(basic["carNumberField"].toString(), QString("Orvex"));
        QCOMPARE(basic["disabled"].toArray().toVariantList(),
                 QVariantList({"externalRearCameraUseEvent", "externalRearCameraUseMotion",
                               "gsensorSensitivityThresholdXParkingField",
                               "gsensorSensitivityThresholdYParkingField",
                               "gsensorSensitivityThresholdZParkingField"}));
    }

    void refusesWhatIsNoRecord_data()
    {
        QTest::addColumn<int>("size"); // -1: no file, -2: a folder
        QTest::newRow("missing") << -1;
        QTest::newRow("folder") << -2;
        QTest::newRow("427 bytes") << 427;
        QTest::newRow("429 bytes") << 429;
    }
    void refusesWhatIsNoRecord()
    {
        QFETCH(int, size);
        QTemporaryDir dir;
        QString path = dir.filePath("config.bin");
        if (size == -2) {
            path = dir.path();
        } else if (size >= 0) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(size, '\0'));
        }
        const CliResult result = runCli({"config", "describe", path}, m_env);
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err.count('\n'), 1);
        QVERIFY(result.err.contains(path.toUtf8()));
    }
};

ORVEX_TEST(TestCliDescribe)
#include "tst_cli_describe.moc"
