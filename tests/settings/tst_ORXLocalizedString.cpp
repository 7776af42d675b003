// The string table lookup: the text of a key, an empty text for a key the table lacks.
#include "OrvexTest.h"

#include "ORXLocalizedString.h"

class TestORXLocalizedString : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("dotted key") << "msg.saved" << "Saved.";
        QTest::newRow("text equal to its key") << "Korean" << "Korean";
        QTest::newRow("missing key") << "no.such.key" << "";
        QTest::newRow("empty key") << "" << "";
    }
    void lookup()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        const QString found = ORXLocalizedString(key);
        QCOMPARE(found, text);
        QVERIFY(!found.isNull());
    }
};

ORVEX_TEST(TestORXLocalizedString)
#include "tst_ORXLocalizedString.moc"
