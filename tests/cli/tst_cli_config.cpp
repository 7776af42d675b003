#include "OrvexTest.h"

#include "CliRunner.h"

// orvex-cli config: the record's fields as JSON and set from NAME=VALUE (the record's own
// rules are pinned by the settings tests, the refusals by the help test).
class TestCliConfig : public QObject
{
    Q_OBJECT

private slots:
    // Every kind of field in one run, the last of two assignments winning; the record sealed
    // as the camera reads it; texts shown as JSON strings; the pages described from it.
    void setChangesFieldsAndSeals()
    {
        QTemporaryDir dir; // also the CLI's home: the user settings never come from the real one
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.path());
        env.insert("HOME", dir.path());
        const auto cli = [&env](const QStringList& args) { return runCli(args, env); };
        const QString path = dir.filePath("config.bin");
        QCOMPARE(cli({"config", "defaults", path}).exitCode, 0);
        QCOMPARE(cli({"config", "set", path, "vid_hue=4294967295", "motionBlock=0xfff", "time_gmt=-1",
                         "gsen_x_threshold=-2147483648", "cfg_ver=65535", "szPlateNumber=1\"가\\4",
                         "dummy00=1,2,3,4", "Gamma=1", "Gamma=0", "wifi_ssid=SSSSSSSSSSSSSSSS"})
                     .exitCode,
                 0);
        const CliResult shown = cli({"config", "show", path});
        QCOMPARE(shown.exitCode, 0);
        QCOMPARE(shown.err, QByteArray());
        const QJsonObject json = QJsonDocument::fromJson(shown.out).object();
        const QJsonObject expected{{"vid_hue", 4294967295.0}, {"motionBlock", 4095},
                                   {"time_gmt", -1},          {"gsen_x_threshold", -2147483648.0},
                                   {"cfg_ver", 65535},        {"szPlateNumber", "1\"가\\4"},
                                   {"dummy00", QJsonArray{1, 2, 3, 4}}, {"Gamma", 0},
                                   {"wifi_ssid", QString(16, 'S')},     {"osd_plate_flag", 1}};
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QVERIFY2(json[it.key()] == it.value(), qPrintable(it.key()));
        QCOMPARE(json["checksum"].toInt(), json["checksumComputed"].toInt());
        const QJsonObject pages = QJsonDocument::fromJson(cli({"config", "describe", path}).out).object();
        QCOMPARE(pages.keys(), (QStringList{"audio", "aux", "basic", "gps", "motion", "obd", "video"}));
        QCOMPARE(pages["basic"]["gsensorSensitivityThresholdXDrivingField"].toString(), QString("-21474836.48"));
    }
};

ORVEX_TEST(TestCliConfig)
#include "tst_cli_config.moc"
