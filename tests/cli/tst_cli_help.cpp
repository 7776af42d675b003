#include "CliRunner.h"
#include "ORXVersion.h"
#include "OrvexTest.h"

#include <QFile>
#include <QRegularExpression>

// orvex-cli --help, COMMAND --help and --version: the synopsis the manual page is made from,
// and the README's command list kept in step with it.
class ORXCliHelpTest : public QObject
{
    Q_OBJECT

    // The "orvex-cli ..." synopsis lines of a help text.
    static QStringList synopses(const QByteArray& help)
    {
        static const QRegularExpression synopsis(QStringLiteral("^(?:Usage:|  or:)?\\s*(orvex-cli .*)$"),
                                                 QRegularExpression::MultilineOption);
        QStringList lines;
        for (auto it = synopsis.globalMatch(QString::fromUtf8(help)); it.hasNext();)
            lines << it.next().captured(1);
        return lines;
    }

private slots:
    void version()
    {
        const CliResult result = runCli({QStringLiteral("--version")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QByteArray("orvex-cli " ORVEX_VERSION "\n"));
        QVERIFY(result.err.isEmpty());
    }

    // A command's own help prints its synopsis lines, the same as the full help and the
    // README show; a wrong command line shows that synopsis on standard error.
    void commandHelp()
    {
        const QStringList all = synopses(runCli({"--help"}).out);
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

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0;
        QTest::newRow("no command") << QStringList{} << 2;
        QTest::newRow("unknown command") << QStringList{QStringLiteral("play")} << 2;
    }
    // The full help lists every command; without a command it goes to standard error.
    void usage()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        const CliResult result = runCli(args);
        QCOMPARE(result.exitCode, exitCode);
        const QByteArray text = exitCode == 0 ? result.out : result.err;
        QVERIFY(text.contains("Usage: orvex-cli COMMAND [ARGS...]\n"));
        QCOMPARE(synopses(text).size(), 3 + 13); // the three forms of the program, thirteen of its commands
    }
};

ORVEX_TEST(ORXCliHelpTest)
#include "tst_cli_help.moc"
