#include "OrvexTest.h"

#include "CliRunner.h"

// orvex-cli config: the record's fields as JSON and set from NAME=VALUE (the record's own
// rules are pinned by the settings tests, the refusals by the help test).
class TestCliConfig : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir; // also the CLI's home: the user settings never come from the real one
    QString m_path;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();

    CliResult cli(const QStringList& args) { return runCli(args, m_env); }
    QJsonObject show()
    {
        const CliResult result = cli({"config", "show", m_path});
        return result.exitCode == 0 && result.err.isEmpty() ? QJsonDocument::fromJson(result.out).object()
                                                            : QJsonObject();
    }

private slots:
    void initTestCase()
    {
        m_env.insert("XDG_CONFIG_HOME", m_dir.path());
        m_env.insert("HOME", m_dir.path());
    }
    void init()
    {
        m_path = m_dir.filePath("config.bin");
        QCOMPARE(cli({"config", "defaults", m_path}).exitCode, 0);
    }

    // Every kind of field in one run, the last of two assignments winning; the record sealed
    // as the camera reads it; texts shown as JSON strings; the pages described from it.
    void setChangesFieldsAndSeals()
    {
        QCOMPARE(cli({"config", "set", m_path, "vid_hue=4294967295", "motionBlock=0xfff", "time_gmt=-1",
                         "gsen_x_threshold=-2147483648", "cfg_ver=65535", "szPlateNumber=1\"가\\4",
                         "dummy00=1,2,3,4", "Gamma=1", "Gamma=0", "wifi_ssid=SSSSSSSSSSSSSSSS"})
                     .exitCode,
                 0);
        const QJsonObject json = show();
        const QJsonObject expected{{"vid_hue", 4294967295.0}, {"motionBlock", 4095},
                                   {"time_gmt", -1},          {"gsen_x_threshold", -2147483648.0},
                                   {"cfg_ver", 65535},        {"szPlateNumber", "1\"가\\4"},
                                   {"dummy00", QJsonArray{1, 2, 3, 4}}, {"Gamma", 0},
                                   {"wifi_ssid", QString(16, 'S')},     {"osd_plate_flag", 1}};
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QVERIFY2(json[it.key()] == it.value(), qPrintable(it.key()));
        QCOMPARE(json["checksum"].toInt(), json["checksumComputed"].toInt());
        const QJsonObject pages = QJsonDocument::fromJson(cli({"config", "describe", m_path}).out).object();
        QCOMPARE(pages.keys(), (QStringList{"audio", "aux", "basic", "gps", "motion", "obd", "video"}));
        QCOMPARE(pages["basic"]["gsensorSensitivityThresholdXDrivingField"].toString(), QString("-21474836.48"));
    }
};

ORVEX_TEST(TestCliConfig)
#include "tst_cli_config.moc"
