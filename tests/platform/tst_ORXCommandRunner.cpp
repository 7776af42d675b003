#include "OrvexTest.h"

#include "ORXCommandRunner.h"

class ORXCommandRunnerTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString script(const QString& name, const QString& body)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("#!/bin/sh\n" + body.toUtf8() + "\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Like pkexec: 126 when the dialog is dismissed, 127 when not authorised.
        script("pkexec-ok", "exec \"$@\"");
        script("pkexec-dismissed", "echo 'Request dismissed' >&2; exit 126");
        script("pkexec-denied", "echo 'Not authorized' >&2; exit 127");
        script("fails", "echo \"cannot open $1\" >&2; exit 1");
        script("silent", "exit 3");
    }

    void records_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("privileged");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, const char* prefix, const char* program, bool privileged,
                            int number, const char* message) {
            QTest::newRow(tag) << QString(prefix) << QString(program) << privileged << number
                               << QString(message);
        };
        row("success", "pkexec-ok", "true", true, 0, nullptr);
        row("dismissed", "pkexec-dismissed", "true", true, 126, "Request dismissed");
        row("not authorised", "pkexec-denied", "true", true, 127, "Not authorized");
        row("command fails", "pkexec-ok", "fails", true, 1, "cannot open /dev/sdz");
        row("no prefix without privileges", "pkexec-denied", "fails", false, 1, "cannot open /dev/sdz");
        row("no error text", "pkexec-ok", "silent", true, 3, "%1 exited with status 3");
    }

    void records()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, program);
        QFETCH(bool, privileged);
        QFETCH(int, number);
        QFETCH(QString, message);
        ORXCommandRunner runner;
        runner.setPrivilegePrefix({m_dir.filePath(prefix)});
        const QString path = QFile::exists(m_dir.filePath(program)) ? m_dir.filePath(program) : program;
        const ORXShellError error = runner.runShellScript(path, {"/dev/sdz"}, privileged);
        QCOMPARE(error.number, number);
        QCOMPARE(error.isEmpty(), number == 0);
        QCOMPARE(error.message, message.replace("%1", path));
    }

    void argumentsAreNotInterpreted()
    {
        const QString out = m_dir.filePath("args.txt");
        const QString echo = script("echo-args", "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > " + out);
        ORXCommandRunner runner;
        runner.setPrivilegePrefix({m_dir.filePath("pkexec-ok")});
        const QStringList args{"-n", "ORVEX", "a b; rm -rf /", "$(id)", "`x`"};
        QVERIFY(runner.runShellScript(echo, args, true).isEmpty());
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts), args);
    }

    void prefixFromEnvironment()
    {
        qputenv("ORVEX_PKEXEC", m_dir.filePath("pkexec-dismissed").toLocal8Bit());
        QCOMPARE(ORXCommandRunner().runShellScript("true", {}, true).number, 126);
        qputenv("ORVEX_PKEXEC", "");
        QVERIFY(ORXCommandRunner().privilegePrefix().isEmpty());
        QVERIFY(ORXCommandRunner().runShellScript("true", {}, true).isEmpty());
        qunsetenv("ORVEX_PKEXEC");
        QCOMPARE(ORXCommandRunner().privilegePrefix(), QStringList{"pkexec"});
        const ORXShellError missing =
            ORXCommandRunner().runShellScript(m_dir.filePath("no-such-tool"), {}, false);
        QCOMPARE(missing.number, 127);
        QVERIFY(missing.message.contains("no-such-tool"));
    }
};

ORVEX_TEST(ORXCommandRunnerTest)
#include "tst_ORXCommandRunner.moc"
