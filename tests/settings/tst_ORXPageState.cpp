#include "OrvexTest.h"

#include "ORXPageState.h"

#include <QJsonArray>
#include <QJsonDocument>

Q_DECLARE_METATYPE(ORXPageState)

// The describe contract of a page's controls.
class ORXPageStateTest : public QObject
{
    Q_OBJECT
private slots:
    void json_data()
    {
        QTest::addColumn<ORXPageState>("state");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("empty") << ORXPageState() << QByteArray(R"({"disabled":[]})");
        QTest::newRow("each kind") << ORXPageState()
                                          .choice("seg", 2)
                                          .check("chk", true)
                                          .text("field", "0.50")
                                          .number("slider", 7)
                                          .range("eco", 30, 60.5)
                                   << QByteArray(
                                          R"({"chk":true,"disabled":[],"eco":[30,60.5],"field":"0.50",)"
                                          R"("seg":2,"slider":7})");
        QTest::newRow("no selection, negative index")
            << ORXPageState().choice("combo", -7) << QByteArray(R"({"combo":-1,"disabled":[]})");
        QTest::newRow("disabled sorted, enabled again dropped")
            << ORXPageState()
                   .choice("b", 0)
                   .choice("a", 1)
                   .check("c", false)
                   .setEnabled("b", false)
                   .setEnabled("c", false)
                   .setEnabled("a", false)
                   .setEnabled("c", true)
                   .setEnabled("unknown", false)
            << QByteArray(R"({"a":1,"b":0,"c":false,"disabled":["a","b"]})");
    }
    void json()
    {
        QFETCH(ORXPageState, state);
        QFETCH(QByteArray, json);
        QCOMPARE(QJsonDocument(state.toJson()).toJson(QJsonDocument::Compact), json);
    }

    // A builder changes the value and keeps the place and the enabled state.
    void buildersKeepOrderAndEnabled()
    {
        ORXPageState state;
        state.choice("first", 0).text("second", "x").setEnabled("first", false).choice("first", 3);
        QCOMPARE(state.outlets(), QStringList({"first", "second"}));
        QCOMPARE(state.index("first"), 3);
        QVERIFY(!state.isEnabled("first"));
        QCOMPARE(state.index("missing"), -1);
    }
};

ORVEX_TEST(ORXPageStateTest)
#include "tst_ORXPageState.moc"
