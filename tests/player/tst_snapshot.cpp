// Still pictures of a playing libVLC engine saved where the user chose, in the chosen format.
#include "OrvexTest.h"

#include "ORXSimRecording.h"
#include "ORXSnapshot.h"
#include "VLCMediaPlayer.h"
#include "VLCVideoView.h"

#include <QImage>

#include <sys/stat.h>

class SnapshotTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_recording;
    std::unique_ptr<VLCVideoView> m_view;
    std::unique_ptr<VLCMediaPlayer> m_player;

    struct Run
    {
        ORXSnapshot snapshot{nullptr};
        QStringList proposed, alerts;
        QList<QUrl> opened;
        explicit Run(const QString& target)
        {
            snapshot.setFileChooser([this, target](QWidget*, const QString& p) {
                proposed.append(p);
                return target;
            });
            snapshot.setAlert([this](QWidget*, const QString& text) { alerts.append(text); });
            snapshot.setOpener([this](const QUrl& url) { opened.append(url); });
        }
    };

private slots:
    void initTestCase()
    {
        ORXSimRecordingOptions options;
        options.path = m_recording = m_dir.filePath(QStringLiteral("alwa_20230105_134501_F.avi"));
        options.durationSeconds = 20;
        options.width = 320;
        options.height = 180;
        options.audio = false;
        QVERIFY(ORXSimWriteRecording(options, nullptr, nullptr));
        m_view = std::make_unique<VLCVideoView>();
        m_player = std::make_unique<VLCMediaPlayer>(m_view.get());
        m_player->setMedia(VLCMedia::mediaWithPath(m_recording));
        m_player->play();
        QTRY_VERIFY_WITH_TIMEOUT(m_player->isPlaying() && m_view->frameCount() >= 3, 20000);
    }

    void temporaryPictureIsPrivate()
    {
        const QString path = ORXSnapshot::temporaryPicturePath();
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("orvex_capture.jpg"));
        QVERIFY(!path.startsWith(QLatin1String("/tmp/orvex_capture")));
        struct stat info = {};
        QCOMPARE(::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 0777), 0700);
    }

    void savedInTheChosenFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("png") << "shot.png" << QByteArray("\x89PNG\r\n\x1a\n", 8);
        QTest::newRow("jpg") << "shot.jpg" << QByteArray("\xff\xd8\xff", 3);
        QTest::newRow("JPEG upper case") << "shot.JPEG" << QByteArray("\xff\xd8\xff", 3);
    }
    void savedInTheChosenFormat()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        const QString target = m_dir.filePath(name);
        QFile old(target); // a file of that name is replaced
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an older file") > 0);
        old.close();
        Run run(target);
        QVERIFY(run.snapshot.captureVideo(m_player.get()));
        QVERIFY(run.alerts.isEmpty());
        QCOMPARE(QFileInfo(run.proposed.value(0)).fileName(), QStringLiteral("orvex_capture.png"));
        QCOMPARE(QFileInfo(run.proposed.value(0)).absolutePath(), QFileInfo(m_recording).absolutePath());
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.read(magic.size()), magic);
        QCOMPARE(QImage(target).size(), QSize(320, 180));
        QCOMPARE(run.opened, QList<QUrl>{QUrl::fromLocalFile(target)});
    }

    void failedCancelledOrPausedIsNoSuccess()
    {
        Run failed(m_dir.filePath(QStringLiteral("no/such/folder/shot.png")));
        QVERIFY(!failed.snapshot.captureVideo(m_player.get()));
        QCOMPARE(failed.alerts.size(), 1);
        QVERIFY(failed.opened.isEmpty());

        Run cancelled{QString()};
        QVERIFY(!cancelled.snapshot.captureVideo(m_player.get()));
        QVERIFY(cancelled.alerts.isEmpty() && cancelled.opened.isEmpty());

        m_player->pause();
        QTRY_VERIFY_WITH_TIMEOUT(!m_player->isPlaying(), 10000);
        Run paused(m_dir.filePath(QStringLiteral("paused.png")));
        QVERIFY(!paused.snapshot.captureVideo(m_player.get()));
        QVERIFY(paused.proposed.isEmpty());
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("paused.png"))));
    }

    // At the end libVLC has no picture left, but the last frame is on screen: that is saved.
    void atTheEndTheLastFrameIsSaved()
    {
        m_player->play();
        m_player->setPosition(0.95f);
        QTRY_VERIFY_WITH_TIMEOUT(m_player->state() == 6 && m_player->position() >= 1.0f, 20000);
        QVERIFY(!m_player->isPlaying());
        const QString target = m_dir.filePath(QStringLiteral("end.png"));
        Run run(target);
        QVERIFY(run.snapshot.captureVideo(m_player.get()));
        QVERIFY(run.alerts.isEmpty());
        QVERIFY(!QImage(target).isNull());
    }
};

ORVEX_TEST(SnapshotTest)
#include "tst_snapshot.moc"
