#include "OrvexTest.h"

#include "ORXConfigFile.h"
#include "TmpfsMount.h"

#include <sys/stat.h>

namespace {

QByteArray bytesOf(const _FILEDATA& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

_FILEDATA randomRecord(quint32 seed)
{
    _FILEDATA record;
    QRandomGenerator random(seed);
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<unsigned char>(random.bounded(256));
    return record;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestORXConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // Only a regular file of exactly one record is read; anything else leaves the record as it was.
    void onlyExactRecordSizeIsRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::newRow("427 bytes") << "config.bin" << qint64(427);
        QTest::newRow("428 bytes") << "config.bin" << qint64(428);
        QTest::newRow("429 bytes") << "config.bin" << qint64(429);
        QTest::newRow("missing file") << "nothing-here.bin" << qint64(428);
        QTest::newRow("a folder") << "." << qint64(428);
        QTest::newRow("a FIFO") << "fifo" << qint64(428);
    }
    void onlyExactRecordSizeIsRead()
    {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QVERIFY(writeBytes(m_dir->filePath("config.bin"), QByteArray(size, char(0x11))));
        QVERIFY(::mkfifo(QFile::encodeName(m_dir->filePath("fifo")).constData(), 0600) == 0);
        const bool read = name == "config.bin" && size == 428;
        const _FILEDATA before = randomRecord(9);
        _FILEDATA record = before;
        QCOMPARE(readConfigFile(m_dir->filePath(name), &record), read);
        QCOMPARE(bytesOf(record), read ? QByteArray(428, char(0x11)) : bytesOf(before));
    }

    // Formatting's fresh record: zero wherever the defaults set nothing, and sealed.
    void defaultFileAsAfterFormatting()
    {
        const QString path = m_dir->filePath("config.bin");
        QVERIFY(writeDefaultConfigFile(path).isNull());
        _FILEDATA record = randomRecord(3);
        QVERIFY(readConfigFile(path, &record));
        QCOMPARE(record.checksum, configChecksum(record));
        QCOMPARE(record.time_gmt, 0);
        QCOMPARE(record.Brightness1, 0u);
    }

    // Under a regular file, on a locked card (a read-only file system or, without root, a
    // read-only folder) or a full one: the message, the old file kept, nothing left behind.
    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("key");
        QTest::newRow("under a regular file") << QString("blocked") << QString("msg.file_open_fail");
        QTest::newRow("read-only") << QString("ro") << QString("msg.file_open_fail");
        QTest::newRow("full") << QString("full") << QString("msg.disk_full");
    }
    void failedWriteKeepsOldFile()
    {
        QFETCH(QString, card);
        QFETCH(QString, key);
        TmpfsMount tmpfs;
        if (card == "full" && !tmpfs.isMounted())
            QSKIP("needs root to mount a small tmpfs");
        const QString folder = tmpfs.isMounted() ? tmpfs.path() : m_dir->path();
        const QString path = folder + "/config.bin";
        const QString target = card == "blocked" ? path + "/config.bin" : path;
        const _FILEDATA old = randomRecord(5);
        QVERIFY(writeConfigFile(old, path).isNull());
        if (card == "blocked") {
            QCOMPARE(writeDefaultConfigFile(target), key);
        } else if (card == "ro" && tmpfs.isMounted()) {
            QVERIFY(tmpfs.remount("ro"));
        } else if (card == "ro") {
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        } else {
            QFile filler(folder + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(4096, 'f')) == 4096) {
            }
        }
        QCOMPARE(writeConfigFile(randomRecord(6), target), key);
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        QCOMPARE(readBytes(path), bytesOf(old));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), card == "full" ? 2 : 1);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

ORVEX_TEST(TestORXConfigFile)
#include "tst_ORXConfigFile.moc"
