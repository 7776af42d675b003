#include "OrvexTest.h"

#include "CliRunner.h"

namespace {
bool touch(const QString& path)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly);
}

// A card folder: a complete pair split over two folders, a front recording alone, a rear
// one alone, and files that are no recordings.
bool makeCard(const QString& root)
{
    for (const char* name :
         {"DCIM/A/alwa_20230105_134501_F.avi", "DCIM/B/alwa_20230105_134501_R.avi",
          "event_20230105_134501_F.avi", "DCIM/A/motion_20230106_000000_R.AVI",
          "DCIM/A/alwa_20230105_134501_F.mp4", "DCIM/B/alwa_20231305_134501_F.avi", "x.avi", "config.bin"}) {
        if (!touch(root + QLatin1Char('/') + QLatin1String(name)))
            return false;
    }
    return true;
}

// The list as JSON in compact form (keys sorted); ROOT stands for the card folder.
const char* const kGoldenJson =
    R"([{"extension":"avi","fileName":"event_20230105_134501_F.avi","mediaDirection":0,"mediaDivision":2,)"
    R"("mediaGroupName":"event_20230105_134501","mediaName":"event_20230105_134501_F","partner":null,)"
    R"("path":"ROOT/event_20230105_134501_F.avi","yyyymmddhhmiss":"20230105134501"},)"
    R"({"extension":"avi","fileName":"alwa_20230105_134501_F.avi","mediaDirection":0,"mediaDivision":0,)"
    R"("mediaGroupName":"alwa_20230105_134501","mediaName":"alwa_20230105_134501_F",)"
    R"("partner":"ROOT/DCIM/B/alwa_20230105_134501_R.avi","path":"ROOT/DCIM/A/alwa_20230105_134501_F.avi",)"
    R"("yyyymmddhhmiss":"20230105134501"},)"
    R"({"extension":"avi","fileName":"alwa_20230105_134501_R.avi","mediaDirection":1,"mediaDivision":0,)"
    R"("mediaGroupName":"alwa_20230105_134501","mediaName":"alwa_20230105_134501_R",)"
    R"("partner":"ROOT/DCIM/A/alwa_20230105_134501_F.avi","path":"ROOT/DCIM/B/alwa_20230105_134501_R.avi",)"
    R"("yyyymmddhhmiss":"20230105134501"},)"
    R"({"extension":"AVI","fileName":"motion_20230106_000000_R.AVI","mediaDirection":1,"mediaDivision":1,)"
    R"("mediaGroupName":"motion_20230106_000000","mediaName":"motion_20230106_000000_R","partner":null,)"
    R"("path":"ROOT/DCIM/A/motion_20230106_000000_R.AVI","yyyymmddhhmiss":"20230106000000"}])";
} // namespace

class TestCliRecordings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid() && m_empty.isValid());
        QVERIFY(makeCard(m_dir.path()));
    }

    void outputs_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("out");
        QTest::newRow("json") << false << QStringList{"ROOT"} << QString::fromLatin1(kGoldenJson);
        QTest::newRow("summary") << false << QStringList{"ROOT", "--summary"}
                                 << "Recordings: 4\nPairs: 3 (1 with front and rear)\n"
                                    "Always: 2, motion: 1, event: 1\n"
                                    "First: 2023-01-05 13:45:01\nLast: 2023-01-06 00:00:00\n";
        QTest::newRow("first front") << false << QStringList{"--first-front", "ROOT"}
                                     << "ROOT/event_20230105_134501_F.avi\n";
        QTest::newRow("empty json") << true << QStringList{"ROOT"} << "[]";
        QTest::newRow("empty summary")
            << true << QStringList{"ROOT", "--summary"}
            << "Recordings: 0\nPairs: 0 (0 with front and rear)\nAlways: 0, motion: 0, event: 0\n";
    }

    void outputs()
    {
        QFETCH(bool, empty);
        QFETCH(QStringList, args);
        QFETCH(QString, out);
        const QString root = empty ? m_empty.path() : m_dir.path();
        const CliResult result = runCli(QStringList{"recordings"} + args.replaceInStrings("ROOT", root));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QByteArray());
        const QJsonDocument json = QJsonDocument::fromJson(result.out);
        const QByteArray text = json.isArray() ? json.toJson(QJsonDocument::Compact) : result.out;
        QCOMPARE(QString::fromUtf8(text), out.replace("ROOT", root));
    }

    void pathNeedingEscapes()
    {
        QTemporaryDir temp;
        const QString folder = temp.filePath("quote\" back\\slash tab\tü");
        QVERIFY(touch(folder + "/alwa_20230105_134501_F.avi"));
        const CliResult result = runCli({"recordings", temp.path()});
        QCOMPARE(result.exitCode, 0);
        const QJsonArray list = QJsonDocument::fromJson(result.out).array();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.at(0)["path"].toString(), folder + "/alwa_20230105_134501_F.avi");
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_empty;
};

ORVEX_TEST(TestCliRecordings)
#include "tst_cli_recordings.moc"
