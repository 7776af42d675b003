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

    QJsonObject show(const QString& path)
    {
        const CliResult result = cli({"config", "show", path});
        return result.exitCode == 0 && result.err.isEmpty() ? QJsonDocument::fromJson(result.out).object()
                                                            : QJsonObject();
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
        QVERIFY(result.exitCode == 0 && result.err.isEmpty());
        const QJsonObject json = QJsonDocument::fromJson(result.out).object();
        QCOMPARE(json.size(), int(std::size(kORXConfigFields)) + 1);
        qsizetype last = -1;
        for (const ORXConfigField& field : kORXConfigFields) {
            const qsizetype at = result.out.indexOf(QByteArray("\"") + field.name + "\":");
            QVERIFY2(at > last, field.name);
            last = at;
        }
        QVERIFY(result.out.indexOf("\"checksumComputed\":") > last);
        QCOMPARE(json["cfg_ver"].toInt(), 22310);
        QCOMPARE(json["dummy00"].toArray(), (QJsonArray{0, 0, 0, 0}));
        QCOMPARE(json["checksumComputed"].toInt(), json["checksum"].toInt());
        QVERIFY(json["checksum"].toInt() != 0);
    }

    // Every kind of field set in one run, the last of two assignments winning; the plate
    // flag and checksum sealed; texts shown as strings (not UTF-8, JSON specials, full).
    void setChangesFieldsAndSeals()
    {
        QTemporaryDir dir;
        const QString path = defaultFile(dir);
        QCOMPARE(cli({"config", "set", path, "vid_hue=4294967295", "motionBlock=0xfff", "time_gmt=-1",
                      "gsen_x_threshold=-2147483648", "cfg_ver=65535", "szPlateNumber=12가345",
                      "dummy00=1,2,3,4", "Gamma=1", "Gamma=0", "wifi_ssid=SSSSSSSSSSSSSSSS"})
                     .exitCode,
                 0);
        QCOMPARE(cliReadFile(path).size(), 428);
        QJsonObject json = show(path);
        const QJsonObject expected{{"vid_hue", 4294967295.0},
                                   {"motionBlock", 4095},
                                   {"time_gmt", -1},
                                   {"gsen_x_threshold", -2147483648.0},
                                   {"cfg_ver", 65535},
                                   {"szPlateNumber", "12가345"},
                                   {"dummy00", QJsonArray{1, 2, 3, 4}},
                                   {"Gamma", 0},
                                   {"wifi_ssid", QString(16, 'S')},
                                   {"wifi_password", "47205813"},
                                   {"osd_plate_flag", 1}};
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QVERIFY2(json[it.key()] == it.value(), qPrintable(it.key()));
        QCOMPARE(json["checksum"].toInt(), json["checksumComputed"].toInt());

        QCOMPARE(cli({"config", "set", path, "szPlateNumber="}).exitCode, 0);
        json = show(path);
        QCOMPARE(json["szPlateNumber"].toString(), QString());
        QCOMPARE(json["osd_plate_flag"].toInt(), 0);
        QCOMPARE(json["checksum"].toInt(), json["checksumComputed"].toInt());

        QByteArray bytes = cliReadFile(path);
        bytes.replace(256, 8, QByteArray("\xff\"A\\\0\0\0\0", 8));
        QVERIFY(cliWriteFile(path, bytes));
        QCOMPARE(show(path)["szPlateNumber"].toString(), QString(QChar(0xfffd)) + "\"A\\");
    }

    // Nothing written; the usage, after the reason.
    void setRefusesBadAssignments_data()
    {
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QString>("why");
        const auto row = [](const char* tag, QStringList assignments, const char* why) {
            QTest::newRow(tag) << assignments << QString(why);
        };
        row("unknown name", {"vid_hue=1", "no_such_field=1"}, R"(unknown field "no_such_field")");
        row("u32 negative", {"vid_hue=-1"}, R"(bad value "-1" for vid_hue)");
        row("u32 too large", {"vid_hue=4294967296"}, R"(bad value "4294967296" for vid_hue)");
        row("i32 too large", {"time_gmt=2147483648"}, R"(bad value "2147483648" for time_gmt)");
        row("u16 too large", {"cfg_ver=65536"}, R"(bad value "65536" for cfg_ver)");
        row("not a number", {"vid_hue=ten"}, R"(bad value "ten")");
        row("empty number", {"vid_hue="}, R"(bad value "" for vid_hue)");
        row("bare 0x", {"vid_hue=0x"}, R"(bad value "0x")");
        row("text too long", {"szPlateNumber=123456789"}, "szPlateNumber holds at most 8 bytes");
        row("array too short", {"dummy00=1,2,3"}, R"(bad value "1,2,3" for dummy00: expected 4 integer(s))");
        row("no equals sign", {"vid_hue"}, R"(expected NAME=VALUE, got "vid_hue")");
        row("no name", {"=3"}, R"(expected NAME=VALUE, got "=3")");
        row("nothing to set", {}, "");
    }
    void setRefusesBadAssignments()
    {
        QFETCH(QStringList, assignments);
        QFETCH(QString, why);
        QTemporaryDir dir;
        const QString path = defaultFile(dir);
        const QByteArray before = cliReadFile(path);
        const CliResult result = cli(QStringList{"config", "set", path} + assignments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(why.toUtf8()), result.err.constData());
        QVERIFY(result.err.contains("Usage: orvex-cli config"));
        QCOMPARE(cliReadFile(path), before);
    }

    // Each page as its model shows the record (the models' own tests hold the details).
    void describesEveryPage()
    {
        QTemporaryDir dir;
        const QString path = defaultFile(dir);
        QCOMPARE(cli({"config", "set", path, "time_gmt=-1", "gsen_x_threshold=1234"}).exitCode, 0);
        const CliResult result = cli({"config", "describe", path});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.err.isEmpty());
        const QJsonObject pages = QJsonDocument::fromJson(result.out).object();
        QCOMPARE(pages.keys(), (QStringList{"audio", "aux", "basic", "gps", "motion", "obd", "video"}));
        QCOMPARE(pages["gps"]["timeGmtCombo"].toInt(), -1);
        QCOMPARE(pages["basic"]["gsensorSensitivityThresholdXDrivingField"].toString(), QString("12.34"));
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
        QTest::newRow("set 429") << QStringList{"set", "@/config.bin", "vid_hue=1"} << 1 << 429;
        QTest::newRow("describe two files") << QStringList{"describe", "a", "b"} << 2 << -1;
        QTest::newRow("describe a folder") << QStringList{"describe", "@"} << 1 << -1;
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
