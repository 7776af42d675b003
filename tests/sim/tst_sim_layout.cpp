#include "ORXSimRecording.h"
#include "OrvexTest.h"

#include <QMap>
#include <QTemporaryDir>
#include <QtEndian>

// The AVI files the simulator writes, by the camera's rules: the movie list's size at 14136,
// "movi" at 14140, idx1 right after the movie list, each entry's chunk at offset + 14140.
class ORXSimLayoutTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    ORXSimRecordingOptions options(const QString& name, int seconds = 3)
    {
        ORXSimRecordingOptions o;
        o.path = m_dir.filePath(name);
        o.durationSeconds = seconds;
        o.width = 160;
        o.height = 90;
        return o;
    }

private slots:
    void layout_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::addColumn<bool>("gps");
        QTest::addColumn<bool>("gsensor");
        QTest::addColumn<int>("gsensorPerSecond");
        QTest::newRow("audio, GPS, G-sensor") << true << true << true << 10;
        QTest::newRow("silent, no GPS, 5 samples a second") << false << false << true << 5;
        QTest::newRow("no G-sensor") << true << true << false << 10;
    }

    void layout()
    {
        QFETCH(bool, audio);
        QFETCH(bool, gps);
        QFETCH(bool, gsensor);
        QFETCH(int, gsensorPerSecond);
        ORXSimRecordingOptions o = options(QStringLiteral("layout.avi"));
        o.audio = audio;
        o.gps = gps;
        o.gsensor = gsensor;
        o.gsensorPerSecond = gsensorPerSecond;
        ORXSimRecordingInfo info;
        QString error;
        QVERIFY2(ORXSimWriteRecording(o, &info, &error), qPrintable(error));
        QCOMPARE(info.videoFrames, 3 * 30);
        QCOMPARE(info.gsensor.size(), gsensor ? 3 * gsensorPerSecond : 0);
        QCOMPARE(info.gps.size(), gps ? 3 : 0);

        QFile file(o.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto u32 = [&bytes](qint64 at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
        using namespace ORXAviLayout;
        QCOMPARE(bytes.left(4) + bytes.mid(8, 4) + bytes.mid(kMovieListTypeOffset, 4),
                 QByteArray("RIFFAVI movi"));
        QCOMPARE(qint64(u32(4)) + 8, bytes.size());
        const qint64 index = qint64(u32(kMovieListSizeOffset)) + kIndexAfterMovieSize;
        QCOMPARE(bytes.mid(index - 8, 4), QByteArray("idx1"));
        QCOMPARE(index + u32(index - 4), bytes.size());
        QMap<QByteArray, int> ids;
        quint32 previous = 0;
        for (qint64 at = index; at + 16 <= bytes.size(); at += 16) {
            const QByteArray id = bytes.mid(at, 4);
            ++ids[id];
            const quint32 offset = u32(at + 8);
            QVERIFY(offset >= previous); // the chunks follow each other in index order
            previous = offset;
            QCOMPARE(bytes.mid(offset + kMovieListTypeOffset, 4), id);
            QCOMPARE(u32(offset + kFirstChunkOffset), u32(at + 12));
            if (id == "00dc")
                QCOMPARE(bytes.mid(offset + kFirstChunkOffset + 4, 2) + char(u32(at + 4)),
                         QByteArray("\xFF\xD8\x10"));
        }
        QCOMPARE(ids.value("00dc"), info.videoFrames);
        QCOMPARE(ids.contains("01wb"), audio);
        QCOMPARE(ids.value("02sb"), info.gsensor.size() + info.gps.size());
    }
};

ORVEX_TEST(ORXSimLayoutTest)
#include "tst_sim_layout.moc"
