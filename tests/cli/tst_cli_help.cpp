#include "CliRunner.h"
#include "ORXVersion.h"
#include "OrvexTest.h"

// The help texts, in step with the README; every command's refusals: bad input (exit 1) in one
// line naming the file, a wrong command line (exit 2) with the usage; nothing written either way.
class ORXCliHelpTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir; // also the CLI's home
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();

    static QStringList synopses(const QByteArray& help)
    {
        static const QRegularExpression synopsis(QStringLiteral("^(?:Usage:|  or:)?\\s*(orvex-cli .*)$"),
                                                 QRegularExpression::MultilineOption);
        QStringList lines;
        for (auto it = synopsis.globalMatch(QString::fromUtf8(help)); it.hasNext();)
            lines << it.next().captured(1);
        return lines;
    }

    QStringList files() const
    {
        QStringList list;
        for (QDirIterator it(m_dir.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString path = it.next();
            list << path + ' ' + QCryptographicHash::hash(cliReadFile(path), QCryptographicHash::Md5).toHex();
        }
        list.sort();
        return list;
    }

private slots:
    void initTestCase()
    {
        m_env.insert("XDG_CONFIG_HOME", m_dir.path());
        m_env.insert("HOME", m_dir.path());
        QVERIFY(QDir(m_dir.path()).mkpath("rear"));
        QVERIFY(cliWriteFile(m_dir.filePath("rear/alwa_20230105_134501_R.avi"), {}));
        QVERIFY(cliWriteFile(m_dir.filePath("x.avi"), "not a recording"));
        QVERIFY(cliWriteFile(m_dir.filePath("long.bin"), QByteArray(429, 'c')));
        QVERIFY(cliWriteFile(m_dir.filePath("b.obd"), QByteArray(8, '\0')));
        QVERIFY(cliWriteFile(m_dir.filePath("c.csv"), QByteArray(8, '\0')));
        QCOMPARE(runCli({"config", "defaults", m_dir.filePath("config.bin")}, m_env).exitCode, 0);
    }

    // A command's own help prints the synopsis lines that the full help and the README show.
    void commandHelp()
    {
        const CliResult version = runCli({"--version"});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out + version.err, QByteArray("orvex-cli " ORVEX_VERSION "\n"));
        const CliResult full = runCli({"--help"});
        QCOMPARE(full.exitCode, 0);
        QVERIFY(full.out.startsWith("Usage: orvex-cli COMMAND [ARGS...]\n"));
        const QStringList all = synopses(full.out);
        QCOMPARE(all.size(), 3 + 13); // the three forms of the program, thirteen of its commands
        QVERIFY(full.out.contains("  orvex-cli size BYTES\n      a byte count as the card tools show it"));
        QFile readme(OrvexTest::sourceDir() + "/README.md");
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QString readmeText = QString::fromUtf8(readme.readAll());
        for (const QString command : {"recordings", "telemetry", "clip", "config", "log", "volumes", "size",
                                      "clock", "format", "sample-card"}) {
            const CliResult help = runCli({command, "--help"});
            QCOMPARE(help.exitCode, 0);
            const QStringList own = synopses(help.out);
            QCOMPARE(own.size(), command == "config" ? 4 : 1);
            QVERIFY(help.out.startsWith("Usage: orvex-cli " + command.toUtf8() + ' '));
            for (const QString& line : own) {
                QVERIFY2(all.contains(line), qPrintable(line));
                QVERIFY2(readmeText.contains(line), qPrintable("README lacks: " + line));
            }
            const CliResult wrong = runCli({command, "--no-such-option", "x", "y", "z"});
            QCOMPARE(wrong.exitCode, 2);
            QVERIFY2(wrong.err.contains(help.out), qPrintable(command));
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args"); // @ is the test folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("why");
        const auto row = [](QStringList args, int exitCode, const char* why) {
            QTest::newRow(args.isEmpty() ? "no command" : qPrintable(args.join(' '))) << args << exitCode << QString(why);
        };
        row({}, 2, "no command given");
        row({"play"}, 2, "unknown command \"play\"");
        row({"recordings", "@/missing"}, 1, "@/missing: no such folder");
        row({"recordings", "@/x.avi"}, 1, "@/x.avi: not a folder");
        row({"recordings", "@/rear", "--first-front"}, 1, "@/rear: no front recording in this folder");
        row({"recordings"}, 2, "no folder given");
        row({"recordings", "@", "--summary", "--first-front"}, 2, "exclude each other");
        row({"telemetry", "@/missing.avi"}, 1, "@/missing.avi: no such file");
        row({"telemetry", "@/x.avi"}, 1, "@/x.avi: not a RIFF AVI recording");
        row({"telemetry"}, 2, "no recording given");
        row({"telemetry", "x.avi", "--format", "kml"}, 2, "unknown format \"kml\"");
        row({"telemetry", "x.avi", "--format"}, 2, "--format needs a value");
        row({"clip", "x.avi", "--from", "one", "--to", "2", "--out", "@"}, 2, "--from and --to take seconds");
        row({"log", "@/b.obd", "--csv", "@/out.csv"}, 1, "@/b.obd: "); // no header
        row({"log", "@/c.csv"}, 1, "@/c.csv: ");                         // no log type
        row({"log", "x.drv", "--csv"}, 2, "");
        row({"size", "18446744073709551616"}, 1, "18446744073709551616: not a byte count");
        row({"size", "7 GB"}, 1, "7 GB: not a byte count");
        row({"clock", "--out", "@/t.cfg", "--date", "2023/02/29"}, 2, "bad date \"2023/02/29\"");
        row({"clock", "--out", "@/t.cfg", "--date", "23/1/5"}, 2, "bad date \"23/1/5\"");
        row({"clock", "--out", "@/t.cfg", "--time", "24:00:00"}, 2, "bad time \"24:00:00\"");
        row({"clock", "--out", "@/t.cfg", "--time"}, 2, "--time needs a value");
        row({"sample-card", "@/x.avi/sub"}, 1, "@/x.avi/sub: cannot create folder");
        row({"sample-card"}, 2, "");
        row({"volumes", "--xml"}, 2, "");
        row({"format", "sdz", "--no"}, 2, "");
        row({"format", "sdz", "--yes", "x"}, 2, "");
        row({"config", "defaults", "@/x.avi/config.bin"}, 1, "@/x.avi/config.bin: ");
        row({"config", "show", "@/long.bin"}, 1, "@/long.bin: ");
        row({"config", "describe", "@"}, 1, "@: ");
        row({"config", "set", "@/long.bin", "vid_hue=1"}, 1, "@/long.bin: ");
        row({"config", "set", "@/missing.bin", "vid_hue=1"}, 1, "@/missing.bin: ");
        const auto set = [&row](const char* assignment, const char* why) {
            row({"config", "set", "@/config.bin", "vid_hue=1", assignment}, 2, why);
        };
        set("no_such_field=1", R"(unknown field "no_such_field")");
        set("vid_hue=-1", R"(bad value "-1" for vid_hue)");
        set("vid_hue=4294967296", R"(bad value "4294967296" for vid_hue)");
        set("time_gmt=2147483648", R"(bad value "2147483648" for time_gmt)");
        set("cfg_ver=65536", R"(bad value "65536" for cfg_ver)");
        set("vid_hue=ten", R"(bad value "ten")");
        set("vid_hue=0x", R"(bad value "0x")");
        set("szPlateNumber=123456789", "szPlateNumber holds at most 8 bytes");
        set("dummy00=1,2,3", R"(bad value "1,2,3" for dummy00: expected 4 integer(s))");
        set("=3", R"(expected NAME=VALUE, got "=3")");
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, why);
        const QStringList before = files();
        const CliResult result = runCli(args.replaceInStrings("@", m_dir.path()), m_env);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, QByteArray());
        QVERIFY2(result.err.contains(why.replace("@", m_dir.path()).toUtf8()), result.err.constData());
        if (exitCode == 1)
            QVERIFY2(result.err.startsWith("orvex-cli: ") && result.err.count('\n') == 1, result.err.constData());
        else
            QVERIFY(result.err.contains("Usage: orvex-cli "));
        QCOMPARE(files(), before);
    }
};

ORVEX_TEST(ORXCliHelpTest)
#include "tst_cli_help.moc"
