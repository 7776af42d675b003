#include "OrvexTest.h"

#include "ORXBlackBoxData.h"
#include "ORXClipCutter.h"
#include "ORXLocalizedString.h"
#include "TinyRecording.h"

#include <cmath>
#include <cstring>

namespace {
constexpr int kFps = 5; // the tiny recording's frame rate
constexpr int kGSensorPerSecond = 4;

ORXSimRecordingOptions recording(const QString& path, int seconds, bool audio)
{
    ORXSimRecordingOptions o = tinyRecording(path, seconds);
    o.gsensorPerSecond = kGSensorPerSecond;
    o.audio = audio;
    return o;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesOf(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

// Clips cut from simulated recordings, read back with the telemetry reader and ffprobe.
class TestClipCutter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QLoggingCategory::setFilterRules(QStringLiteral("orvex.model.info=false\norvex.model.warning=false"));
        QDir(m_dir.path()).mkdir(QStringLiteral("src"));
        QString error;
        QVERIFY2(
            ORXSimWriteRecording(recording(src("event_20230105_134501_F.avi"), 6, true), &m_front, &error),
            qPrintable(error));
        ORXSimRecordingOptions rear = recording(src("event_20230105_134501_R.avi"), 6, true);
        rear.front = false;
        QVERIFY2(ORXSimWriteRecording(rear, nullptr, &error), qPrintable(error));
        QVERIFY2(
            ORXSimWriteRecording(recording(src("alwa_20230105_235958_F.avi"), 6, false), nullptr, &error),
            qPrintable(error));
        // The other camera stopped earlier.
        QVERIFY(
            ORXSimWriteRecording(recording(src("motion_20230105_134501_F.avi"), 6, true), nullptr, nullptr));
        QVERIFY(
            ORXSimWriteRecording(recording(src("motion_20230105_134501_R.avi"), 3, true), nullptr, nullptr));
    }

    void cut_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<int>("firstFrame");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("partnerFrames"); // 0: no clip of the partner
        QTest::addColumn<QString>("warning");
        const QString ev = QStringLiteral("event_20230105_134501_F.avi");
        QTest::newRow("middle") << ev << 1.0 << 3.0 << 5 << 10 << "event_20230105_134502" << 10 << "";
        QTest::newRow("between frames") << ev << 1.1 << 2.5 << 5 << 8 << "event_20230105_134502" << 8 << "";
        QTest::newRow("at the start") << ev << 0.0 << 1.0 << 0 << 5 << "event_20230105_134501" << 5 << "";
        QTest::newRow("at the end") << ev << 4.5 << 6.0 << 22 << 8 << "event_20230105_134505" << 8 << "";
        QTest::newRow("one frame") << ev << 2.0 << 2.2 << 10 << 1 << "event_20230105_134503" << 1 << "";
        QTest::newRow("whole") << ev << 0.0 << 6.0 << 0 << 30 << "event_20230105_134501" << 30 << "";
        QTest::newRow("no audio, past midnight") << "alwa_20230105_235958_F.avi" << 2.4 << 4.0 << 12 << 8
                                                 << "alwa_20230106_000000" << 0 << "clip.warning.no_partner";
        const QString motion = QStringLiteral("motion_20230105_134501_F.avi");
        QTest::newRow("partner ends inside the span")
            << motion << 2.0 << 5.0 << 10 << 15 << "motion_20230105_134503" << 5 << "";
        QTest::newRow("partner ends before the span")
            << motion << 4.0 << 5.0 << 20 << 5 << "motion_20230105_134505" << 0
            << "clip.warning.partner_short";
    }

    void cut()
    {
        QFETCH(QString, file);
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(int, firstFrame);
        QFETCH(int, frames);
        QFETCH(QString, name);
        QFETCH(int, partnerFrames);
        QFETCH(QString, warning);
        const QByteArray before = fileBytes(src(file));
        const QString out = freshOut();
        ORXClipCutter cutter;
        cutter.setRange(from, to);
        const QString partner = ORXClipCutter::partnerPathOf(src(file));
        QCOMPARE(partner.isEmpty(), file.startsWith(QLatin1String("alwa"))); // that one has no rear file
        // A partner named but gone: the clip is cut alone.
        QVERIFY2(cutter.cutPair(src(file),
                                partner.isEmpty() ? QString(src(file)).replace("_F.", "_R.") : partner, out),
                 qPrintable(cutter.errorString()));
        QVERIFY(cutter.errorString().isEmpty());
        QCOMPARE(fileBytes(src(file)), before);
        QCOMPARE(QFileInfo(cutter.clipFolder()).fileName(), name);
        QCOMPARE(cutter.clipStart(), double(firstFrame) / kFps);
        QCOMPARE(entriesOf(out), QStringList{name});
        const QString clip = out + '/' + name + '/' + name;
        QCOMPARE(cutter.clipFiles(), (partnerFrames ? QStringList{clip + "_F.avi", clip + "_R.avi"}
                                                    : QStringList{clip + "_F.avi"}));
        QCOMPARE(cutter.warningString(), warning.isEmpty() ? QString() : ORXLocalizedString(warning));

        // The telemetry of the span: the records written while the frames were taken.
        ORXBlackBoxData box;
        box.setWaitAfterRead(0);
        box.setIndexTraceEnabled(false);
        const QString front = cutter.clipFiles().first();
        QVERIFY(box.ExtractStreamInformation(front));
        const double start = double(firstFrame) / kFps, end = double(firstFrame + frames) / kFps;
        QList<quint32> want, got;
        for (qsizetype i = 0; i < m_front.gsensor.size(); ++i) {
            const double t = double(i) / kGSensorPerSecond;
            if (t >= start - 1e-9 && t < end - 1e-9)
                want << m_front.gsensor[i].timestamp;
        }
        for (const ORXAviGSensorData& record : box.m_vGSensorData())
            got << record.data().timestamp;
        if (file.startsWith(QLatin1String("event")))
            QCOMPARE(got, want);
        QCOMPARE(box.gpsRecords().size(), qsizetype(std::ceil(end - 1e-9) - std::ceil(start - 1e-9)));

        checkWithFfprobe(front, double(frames) / kFps);
        if (partnerFrames)
            checkWithFfprobe(cutter.clipFiles().last(), double(partnerFrames) / kFps);
        if (!file.startsWith(QLatin1String("alwa"))) {
            // The audio chunks (0.5 s each) that begin within the frames, delayed to the first one.
            const double firstChunk = std::ceil(start * 2 - 1e-9) / 2;
            const int chunks = int(std::ceil(end * 2 - 1e-9) - std::ceil(start * 2 - 1e-9));
            QCOMPARE(audioOf(front), QString("%1,%2").arg(chunks * 8000).arg(firstChunk - start, 0, 'f', 6));
        }
    }

    void badRange_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<QString>("key");
        QTest::newRow("before the start") << -1.0 << 2.0 << "clip.error.outside";
        QTest::newRow("past the end") << 5.0 << 6.5 << "clip.error.outside";
        QTest::newRow("after the end") << 7.0 << 8.0 << "clip.error.outside";
        QTest::newRow("not a number") << std::nan("") << 2.0 << "clip.error.outside";
        QTest::newRow("empty") << 2.0 << 2.0 << "clip.error.empty";
        QTest::newRow("reversed") << 3.0 << 2.0 << "clip.error.empty";
    }

    void badRange()
    {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(QString, key);
        const QString out = freshOut();
        ORXClipCutter cutter;
        cutter.setRange(from, to);
        const QString file = src("event_20230105_134501_F.avi");
        QVERIFY(!cutter.cutPair(file, ORXClipCutter::partnerPathOf(file), out));
        QVERIFY(cutter.errorString().startsWith(ORXLocalizedString(key).section(QLatin1Char('%'), 0, 0)));
        QCOMPARE(entriesOf(out), QStringList());
        cutter.setRange(1.0, 2.0); // the same cutter again, twice into one folder
        QVERIFY(cutter.cutPair(file, QString(), out) && cutter.cutPair(file, QString(), out));
        QVERIFY(cutter.errorString().isEmpty());
        QCOMPARE(QFileInfo(cutter.clipFolder()).fileName(), "event_20230105_134502_2");
    }

    void damaged_data()
    {
        QTest::addColumn<qint64>("truncateAt");
        QTest::addColumn<qint64>("spoilAt"); // a byte of the source made wrong, from the end
        QTest::addColumn<bool>("rearOnly");
        QTest::newRow("cut short") << qint64(30000) << qint64(-1) << false;
        QTest::newRow("short header") << qint64(1000) << qint64(-1) << false;
        QTest::newRow("index points past the end") << qint64(-1) << qint64(4) << false;
        QTest::newRow("partner damaged") << qint64(30000) << qint64(-1) << true;
    }

    void damaged()
    {
        QFETCH(qint64, truncateAt);
        QFETCH(qint64, spoilAt);
        QFETCH(bool, rearOnly);
        const QString dir = freshOut();
        ORXSimRecordingOptions front = recording(dir + "/alwa_20230105_134501_F.avi", 2, true);
        ORXSimRecordingOptions rear = recording(dir + "/alwa_20230105_134501_R.avi", 2, true);
        (rearOnly ? rear : front).truncateAt = truncateAt;
        QVERIFY(ORXSimWriteRecording(front, nullptr, nullptr));
        QVERIFY(ORXSimWriteRecording(rear, nullptr, nullptr));
        if (spoilAt >= 0) {
            QFile file(front.path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(file.size() - spoilAt)); // the last index entry's length
            QVERIFY(file.write("\xff\xff\xff\x7f", 4) == 4);
        }
        const QString out = freshOut();
        ORXClipCutter cutter;
        cutter.setRange(0, 2);
        QVERIFY(!cutter.cutPair(front.path, rear.path, out));
        QVERIFY2(cutter.errorString().contains(ORXLocalizedString("clip.error.damaged")),
                 qPrintable(cutter.errorString()));
        QCOMPARE(cutter.errorString().startsWith(QLatin1String("alwa_20230105_134501_R.avi: ")), rearOnly);
        QCOMPARE(entriesOf(out), QStringList());
    }

    // Without MJPEG the clip starts at the index's last key frame at or before the start asked for.
    void keyFrames_data()
    {
        QTest::addColumn<QByteArray>("handler");
        QTest::addColumn<QByteArray>("compression");
        QTest::addColumn<double>("clipStart");
        QTest::newRow("H.264: from the index") << QByteArray("H264") << QByteArray("H264") << 2.0;
        QTest::newRow("MJPEG by its format") << QByteArray("H264") << QByteArray("MJPG") << 2.6;
        QTest::newRow("MJPEG by its handler") << QByteArray("MJPG") << QByteArray("H264") << 2.6;
    }

    void keyFrames()
    {
        QFETCH(QByteArray, handler);
        QFETCH(QByteArray, compression);
        QFETCH(double, clipStart);
        QByteArray bytes = fileBytes(src("alwa_20230105_235958_F.avi"));
        const qsizetype strh = bytes.indexOf("vids"), strf = bytes.indexOf("strf");
        bytes.replace(strh + 4, 4, handler);
        bytes.replace(strf + 8 + 16, 4, compression);
        // Key frames every tenth frame only.
        quint32 movieSize;
        std::memcpy(&movieSize, bytes.constData() + 14136, 4);
        int frame = 0;
        for (qsizetype at = 14148 + movieSize; at + 16 <= bytes.size(); at += 16) {
            if (bytes.mid(at, 4) == "00dc" && frame++ % 10 != 0)
                bytes[at + 4] = 0;
        }
        const QString path = m_dir.filePath(QStringLiteral("keyframes.avi"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
        file.close();
        ORXClipCutter cutter;
        cutter.setRange(2.7, 3.0);
        QVERIFY2(cutter.cutFile(path, m_dir.filePath(QStringLiteral("keyframes-%1.avi").arg(++m_outs))),
                 qPrintable(cutter.errorString()));
        QCOMPARE(cutter.clipStart(), clipStart);
        QCOMPARE(cutter.clipDuration(), 3.0 - clipStart);
    }

    // Stopped while the partner is cut: nothing is left behind, no progress after the refusal.
    void cancel()
    {
        const QString out = freshOut();
        ORXClipCutter cutter;
        cutter.setRange(0, 6);
        int calls = 0, refusedAt = 0;
        cutter.setProgress([&](int permille) {
            ++calls;
            if (permille >= 600 && !refusedAt)
                refusedAt = calls;
            return permille < 600;
        });
        const QString file = src("event_20230105_134501_F.avi");
        QVERIFY(!cutter.cutPair(file, ORXClipCutter::partnerPathOf(file), out));
        QVERIFY(cutter.wasCanceled());
        QVERIFY(cutter.errorString().isEmpty());
        QCOMPARE(calls, refusedAt);
        QCOMPARE(entriesOf(out), QStringList());
    }

private:
    QString src(const QString& name) const { return m_dir.filePath(QStringLiteral("src/") + name); }

    QString freshOut()
    {
        const QString dir = m_dir.filePath(QStringLiteral("out%1").arg(++m_outs));
        QDir().mkpath(dir);
        return dir;
    }

    // "samples,first packet time" of the audio stream, as ffprobe reads them.
    static QString audioOf(const QString& path)
    {
        QProcess process;
        process.start(QStringLiteral("ffprobe"),
                      {"-v", "error", "-select_streams", "a", "-show_entries",
                       "stream=nb_frames:packet=pts_time", "-of", "csv=p=0", path});
        process.waitForFinished(30000);
        const QStringList lines =
            QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        return lines.size() < 2 ? QString()
                                : lines.last().trimmed() + QLatin1Char(',') + lines.first().trimmed();
    }

    static void checkWithFfprobe(const QString& path, double duration)
    {
        const QString ffprobe = QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
        if (ffprobe.isEmpty())
            QSKIP("ffprobe is not installed");
        QProcess process;
        process.start(ffprobe, {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.readAllStandardError(), QByteArray());
        QCOMPARE(process.readAllStandardOutput().trimmed().toDouble(), duration);
    }

    QTemporaryDir m_dir;
    ORXSimRecordingInfo m_front;
    int m_outs = 0;
};

ORVEX_TEST(TestClipCutter)
#include "tst_clipcutter.moc"
