#include "OrvexTest.h"

#include "CliRunner.h"
#include "ORXConfigFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

class TestCliConfig : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home; // the CLI's user settings live here, never in the real home
    QProcessEnvironment m_env;

    CliResult cli(const QStringList& args) { return runCli(args, m_env); }

    QString defaultFile(const QTemporaryDir& dir)
    {
        const QString path = dir.filePath("config.bin");
        const CliResult result = cli({"config", "defaults", path});
        if (result.exitCode != 0)
            qWarning() << result.err;
        return path;
    }

private slots:
    void initTestCase()
    {
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert("XDG_CONFIG_HOME", m_home.path());
        m_env.insert("HOME", m_home.path());
    }

    void showListsEveryFieldInOrder()
    {
        // The defaults are the library's record for a machine without the rear-camera setting.
        QTemporaryDir dir;
        QVERIFY(writeDefaultConfigFile(dir.filePath("ref.bin")).isNull());
        QCOMPARE(cliReadFile(defaultFile(dir)).toHex(), cliReadFile(dir.filePath("ref.bin")).toHex());
        const CliResult result = cli({"config", "show", dir.filePath("config.bin")});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.err.isEmpty());
        QJsonParseError parseError;
        const QJsonObject json = QJsonDocument::fromJson(result.out, &parseError).object();
        QCOMPARE(parseError.error, QJsonParseError::NoError);
        QCOMPARE(json.size(), int(std::size(kORXConfigFields)) + 1);
        qsizetype last = -1;
        for (const ORXConfigField& field : kORXConfigFields) {
            const qsizetype at = result.out.indexOf(QByteArray("\"") + field.name + "\":");
            QVERIFY2(at > last, field.name);
            last = at;
        }
        QVERIFY(result.out.indexOf("\"checksumComputed\":") > last);
        QCOMPARE(json["cfg_ver"].toInt(), 22310);
        QCOMPARE(json["sd_mem_always_reserved"].toInt(), 12100);
        QCOMPARE(json["gsen_y_threshold"].toInt(), 45);
        QCOMPARE(json["szPlateNumber"].toString(), QStringLiteral("Orvex"));
        QCOMPARE(json["wifi_password"].toString(), QStringLiteral("47205813"));
        QCOMPARE(json["dummy00"].toArray(), (QJsonArray{0, 0, 0, 0}));
        QCOMPARE(json["checksumComputed"].toInt(), json["checksum"].toInt());
        QVERIFY(json["checksum"].toInt() != 0);
    }

    void showTextFieldsAsStrings()
    {
        QTemporaryDir dir;
        const QString path = defaultFile(dir);
        QByteArray bytes = cliReadFile(path);
        bytes.replace(256, 8, QByteArray("\xff\"A\\\0\0\0\0", 8)); // not UTF-8, and JSON specials
        bytes.replace(356, 16, QByteArray(16, 'S'));               // full, no terminator
        QVERIFY(cliWriteFile(path, bytes));
        const CliResult result = cli({"config", "show", path});
        QCOMPARE(result.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(result.out).object();
        QCOMPARE(json["szPlateNumber"].toString(), QString(QChar(0xfffd)) + "\"A\\");
        QCOMPARE(json["wifi_ssid"].toString(), QString(16, 'S'));
        QCOMPARE(json["wifi_password"].toString(), QStringLiteral("47205813"));
    }

    void setChangesFieldsAndSeals_data()
    {
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<int>("plateFlag");
        QTest::newRow("u32") << QStringList{"vid_hue=4294967295"} << "vid_hue" << QJsonValue(4294967295.0)
                             << 1;
        QTest::newRow("hex") << QStringList{"motionBlock=0xfff"} << "motionBlock" << QJsonValue(4095) << 1;
        QTest::newRow("i32 negative") << QStringList{"time_gmt=-1"} << "time_gmt" << QJsonValue(-1) << 1;
        QTest::newRow("i32 minimum") << QStringList{"gsen_x_threshold=-2147483648"} << "gsen_x_threshold"
                                     << QJsonValue(-2147483648.0) << 1;
        QTest::newRow("u16") << QStringList{"cfg_ver=65535"} << "cfg_ver" << QJsonValue(65535) << 1;
        QTest::newRow("plate") << QStringList{"szPlateNumber=12가345"} << "szPlateNumber"
                               << QJsonValue("12가345") << 1;
        QTest::newRow("plate cleared")
            << QStringList{"szPlateNumber="} << "szPlateNumber" << QJsonValue("") << 0;
        QTest::newRow("array") << QStringList{"dummy00=1,2,3,4"} << "dummy00"
                               << QJsonValue(QJsonArray{1, 2, 3, 4}) << 1;
        QTest::newRow("last wins") << QStringList{"Gamma=1", "Gamma=0"} << "Gamma" << QJsonValue(0) << 1;
    }
    void setChangesFieldsAndSeals()
    {
        QFETCH(QStringList, assignments);
        QFETCH(QString, field);
        QFETCH(QJsonValue, value);
        QFETCH(int, plateFlag);
        QTemporaryDir dir;
        const QString path = defaultFile(dir);
        const CliResult set = cli(QStringList{"config", "set", path} + assignments);
        QCOMPARE(set.exitCode, 0);
        QCOMPARE(cliReadFile(path).size(), 428);
        const QJsonObject json = QJsonDocument::fromJson(cli({"config", "show", path}).out).object();
        QCOMPARE(json[field], value);
        QCOMPARE(json["osd_plate_flag"].toInt(), plateFlag);
        QCOMPARE(json["checksum"].toInt(), json["checksumComputed"].toInt());
    }

    void setRefusesBadAssignments_data()
    {
        QTest::addColumn<QStringList>("assignments");
        QTest::newRow("unknown name") << QStringList{"vid_hue=1", "no_such_field=1"};
        QTest::newRow("u32 negative") << QStringList{"vid_hue=-1"};
        QTest::newRow("u32 too large") << QStringList{"vid_hue=4294967296"};
        QTest::newRow("i32 too large") << QStringList{"time_gmt=2147483648"};
        QTest::newRow("u16 too large") << QStringList{"cfg_ver=65536"};
        QTest::newRow("not a number") << QStringList{"vid_hue=ten"};
        QTest::newRow("empty number") << QStringList{"vid_hue="};
        QTest::newRow("bare 0x") << QStringList{"vid_hue=0x"};
        QTest::newRow("text too long") << QStringList{"szPlateNumber=123456789"};
        QTest::newRow("array too short") << QStringList{"dummy00=1,2,3"};
        QTest::newRow("no equals sign") << QStringList{"vid_hue"};
        QTest::newRow("no name") << QStringList{"=3"};
        QTest::newRow("nothing to set") << QStringList{};
    }
    void setRefusesBadAssignments()
    {
        QFETCH(QStringList, assignments);
        QTemporaryDir dir;
        const QString path = defaultFile(dir);
        const QByteArray before = cliReadFile(path);
        const CliResult result = cli(QStringList{"config", "set", path} + assignments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains("Usage: orvex-cli config"));
        QCOMPARE(cliReadFile(path), before);
    }

    void describesEveryPage()
    {
        QTemporaryDir dir;
        const QString path = defaultFile(dir);
        QCOMPARE(cli({"config", "set", path, "time_gmt=-1", "gsen_x_threshold=1234", "Gamma=1"}).exitCode, 0);
        const CliResult result = cli({"config", "describe", path});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.err.isEmpty());
        const QJsonObject pages = QJsonDocument::fromJson(result.out).object();
        QCOMPARE(pages.keys(), (QStringList{"audio", "aux", "basic", "gps", "motion", "obd", "video"}));
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

    // Bad input: one line on stderr naming the file, which is left as it was. @ is the test folder.
    void failuresAreReported_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("size"); // of a "config.bin" put in the folder first, -1 for none
        QTest::newRow("no subcommand") << QStringList{} << 2 << -1;
        QTest::newRow("unknown subcommand") << QStringList{"print", "x"} << 2 << -1;
        QTest::newRow("show missing file") << QStringList{"show", "@/missing.bin"} << 1 << -1;
        QTest::newRow("show two files") << QStringList{"show", "a", "b"} << 2 << -1;
        QTest::newRow("defaults under a file") << QStringList{"defaults", "@/blocker/config.bin"} << 1 << -1;
        QTest::newRow("set missing file") << QStringList{"set", "@/missing.bin", "vid_hue=1"} << 1 << -1;
        QTest::newRow("show 427") << QStringList{"show", "@/config.bin"} << 1 << 427;
        QTest::newRow("show 429") << QStringList{"show", "@/config.bin"} << 1 << 429;
        QTest::newRow("set 427") << QStringList{"set", "@/config.bin", "vid_hue=1"} << 1 << 427;
        QTest::newRow("set 429") << QStringList{"set", "@/config.bin", "vid_hue=1"} << 1 << 429;
        QTest::newRow("describe missing file") << QStringList{"describe", "@/missing.bin"} << 1 << -1;
        QTest::newRow("describe a folder") << QStringList{"describe", "@"} << 1 << -1;
        QTest::newRow("describe 427") << QStringList{"describe", "@/config.bin"} << 1 << 427;
        QTest::newRow("describe 429") << QStringList{"describe", "@/config.bin"} << 1 << 429;
    }
    void failuresAreReported()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(int, size);
        QTemporaryDir dir;
        QVERIFY(cliWriteFile(dir.filePath("blocker"), "x"));
        const QString config = dir.filePath("config.bin");
        if (size >= 0)
            QVERIFY(cliWriteFile(config, QByteArray(size, 'c')));
        args.replaceInStrings("@", dir.path());
        const CliResult result = cli(QStringList{"config"} + args);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY(result.out.isEmpty());
        if (exitCode == 1) {
            QCOMPARE(result.err.count('\n'), 1);
            QVERIFY2(result.err.contains(args.at(1).toUtf8()), result.err.constData());
        }
        if (size >= 0)
            QCOMPARE(cliReadFile(config), QByteArray(size, 'c'));
    }
};

ORVEX_TEST(TestCliConfig)
#include "tst_cli_config.moc"
