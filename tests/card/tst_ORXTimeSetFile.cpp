#include "OrvexTest.h"

#include "ORXTimeSetFile.h"

class ORXTimeSetFileTest : public QObject
{
    Q_OBJECT
private slots:
    // An empty text: an error comes back and the file there before is kept.
    void bytes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("path"); // empty: timeset.cfg in a fresh folder
        QTest::addColumn<QByteArray>("text");
        const auto row = [](const char* tag, const char* locale, QDate date, QTime time, const char* path,
                            const char* text) {
            QTest::newRow(tag) << QString(locale) << date << time << QString(path) << QByteArray(text);
        };
        const QDate day(2023, 1, 5);
        const QTime at(14, 3, 9);
        row("English", "en_US", day, at, "", "2023/01/05 14:03:09");
        // Islamic and Solar Hijri or Buddhist calendars and other digits in the user's locale.
        row("Arabic, Saudi Arabia", "ar_SA", day, at, "", "2023/01/05 14:03:09");
        row("Persian, Iran", "fa_IR", QDate(2024, 12, 31), QTime(23, 59, 59), "", "2024/12/31 23:59:59");
        row("Thai", "th_TH", QDate(2000, 2, 29), QTime(0, 0, 0), "", "2000/02/29 00:00:00");
        row("Bengali digits", "bn_BD", QDate(987, 6, 7), QTime(8, 9, 1), "", "0987/06/07 08:09:01");
        row("year 1", "C", QDate(1, 1, 1), at, "", "0001/01/01 14:03:09");
        row("year 9999", "C", QDate(9999, 12, 31), at, "", "9999/12/31 14:03:09");
        row("missing folder", "C", day, at, "/nonexistent/folder/timeset.cfg", "");
        row("a folder", "C", day, at, "/tmp", "");
        row("five-digit year", "C", QDate(10000, 1, 1), at, "", "");
        row("year before 1", "C", QDate(-1, 12, 31), at, "", "");
        row("no date", "C", QDate(), at, "", "");
        row("no time", "C", day, QTime(), "", "");
    }
    void bytes()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QString, path);
        QFETCH(QByteArray, text);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        QTemporaryDir dir;
        const QString target = path.isEmpty() ? dir.filePath("timeset.cfg") : path;
        const QByteArray old("2019/12/31 23:59:59\r\nXXXX");
        QFile written(target);
        if (path.isEmpty()) // a longer file there before
            QVERIFY(written.open(QIODevice::WriteOnly) && written.write(old) == old.size());
        written.close();
        ORXTimeSetFile file;
        file.setSelectedDate(date);
        file.setSelectedTime(time);
        const QString error = file.doWriteConfigFile(target);
        QLocale::setDefault(before);
        QCOMPARE(error.isEmpty(), !text.isEmpty());
        if (path.isEmpty()) { // replaced whole, or kept as it was
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), text.isEmpty() ? old : text);
        }
    }
};

ORVEX_TEST(ORXTimeSetFileTest)
#include "tst_ORXTimeSetFile.moc"
