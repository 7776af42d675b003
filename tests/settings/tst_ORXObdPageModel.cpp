#include "OrvexTest.h"

#include "PageRecord.h"

#include "ORXConfigRecord.h"
#include "ORXLocalizedString.h"
#include "ORXObdPageModel.h"
#include "ORXSettingPageModels.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstring>

namespace {
qint64 fieldValue(const _FILEDATA& r, const QString& name)
{
    return configFieldValue(r, *findConfigField(name.toLatin1().constData()));
}

const ORXSettingPageModel* obd()
{
    return ORXSettingPageModels::byName(QStringLiteral("obd"));
}
} // namespace

// The OBD page between the record and its controls, with the mends of its design.
class ORXObdPageModelTest : public QObject
{
    Q_OBJECT
private slots:
    void display_data()
    {
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<QString>("outlet");
        QTest::addColumn<QString>("json");
        auto row = [](const char* name, QStringList record, const char* outlet, const char* json) {
            QTest::newRow(name) << record << outlet << json;
        };
        row("eco 70 / 40: knobs 30 and 60", {"drivingSecurity=70", "parkingSecurity=40"}, "ecoSlider",
            "[30,60]");
        row("eco 150 does not wrap", {"drivingSecurity=150", "parkingSecurity=40"}, "ecoSlider", "[0,60]");
        row("both past 100", {"drivingSecurity=200", "parkingSecurity=150"}, "ecoSlider", "[0,0]");
        row("eco under uneco: low at high", {"drivingSecurity=20", "parkingSecurity=60"}, "ecoSlider",
            "[40,40]");
        row("voltage 11800", {"sd_mem_always_reserved=11800"}, "powerVoltageCombo", "3");
        row("voltage 12499 rounds down", {"sd_mem_always_reserved=12499"}, "powerVoltageCombo", "9");
        row("voltage 11499: none", {"sd_mem_always_reserved=11499"}, "powerVoltageCombo", "-1");
        row("voltage 12500: none", {"sd_mem_always_reserved=12500"}, "powerVoltageCombo", "-1");
        row("interval 0x12: second", {"SaveDuration=0x12"}, "saveDurationSeg", "1");
        row("parking 0x12: on", {"SaveDuration=0x12"}, "useObdParkingSeg", "1");
        row("parking 0x32: off", {"SaveDuration=0x32"}, "useObdParkingSeg", "0");
        row("interval 4: third", {"SaveDuration=4"}, "saveDurationSeg", "2");
        row("interval 3: none", {"SaveDuration=3"}, "saveDurationSeg", "-1");
        row("external power: voltage and parking off", {"sd_mem_event_reserved=1"}, "disabled",
            R"(["powerVoltageCombo","useObdParkingSeg"])");
        row("external power 2: not checked", {"sd_mem_event_reserved=2"}, "useExternalPowerChk", "false");
        row("eco drive 176 checked", {"MemConfig=176"}, "useEcoDriveChk", "true");
        row("eco drive 0", {"MemConfig=0"}, "useEcoDriveChk", "false");
    }
    void display()
    {
        QFETCH(QStringList, record);
        QFETCH(QString, outlet);
        QFETCH(QString, json);
        const QJsonValue value = obd()->display(recordWith(record)).toJson().value(outlet);
        QCOMPARE(QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
                     .mid(1)
                     .chopped(1),
                 json);
    }

    void ecoTexts()
    {
        const ORXPageState s = obd()->display(recordWith({"drivingSecurity=70", "parkingSecurity=40"}));
        QCOMPARE(s.textOf("ecoDriveLabel"), "Eco Drive : 0.70 " + ORXLocalizedString("over"));
        QCOMPARE(s.textOf("normalDriveLabel"), QString("Normal Drive : 0.70 ~ 0.40"));
        QCOMPARE(s.textOf("unecoDriveLabel"), "Uneco Drive : 0.40 " + ORXLocalizedString("under"));
    }

    // Controls changed after the display ("outlet=index", "chk=true", "ecoSlider=lo,hi"),
    // rules run, stored; "field=value" compared.
    void store_data()
    {
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("fields");
        auto row = [](const char* name, QStringList record, QStringList changes, QStringList fields) {
            QTest::newRow(name) << record << changes << fields;
        };
        row("0x12 unchanged", {"SaveDuration=0x12"}, {}, {"SaveDuration=18"});
        row("stored 3 kept", {"SaveDuration=0x13"}, {}, {"SaveDuration=19"});
        row("3 changed to the third segment", {"SaveDuration=0x13"}, {"saveDurationSeg=2"},
            {"SaveDuration=20"});
        row("parking on", {"SaveDuration=2"}, {"useObdParkingSeg=1"}, {"SaveDuration=18"});
        row("parking off", {"SaveDuration=0x12"}, {"useObdParkingSeg=0"}, {"SaveDuration=2"});
        row("other high bits kept while off", {"SaveDuration=0x32"}, {}, {"SaveDuration=50"});
        row("voltage item 5", {}, {"powerVoltageCombo=5"}, {"sd_mem_always_reserved=12000"});
        row("no voltage item: kept", {"sd_mem_always_reserved=5"}, {}, {"sd_mem_always_reserved=5"});
        row("eco drive 176 kept", {"MemConfig=176"}, {}, {"MemConfig=176"});
        row("eco drive unticked", {"MemConfig=176"}, {"useEcoDriveChk=false"}, {"MemConfig=0"});
        row("eco drive ticked", {"MemConfig=0"}, {"useEcoDriveChk=true"}, {"MemConfig=1"});
        row("summer time 2 kept", {"summer_time=2"}, {}, {"summer_time=2"});
        row("knobs moved", {}, {"ecoSlider=25,65"}, {"drivingSecurity=75", "parkingSecurity=35"});
        row("knobs snap to whole numbers", {}, {"ecoSlider=30.7,60.2"},
            {"drivingSecurity=70", "parkingSecurity=40"});
        row("150 kept while the knobs stay", {"drivingSecurity=150"}, {}, {"drivingSecurity=150"});
        row("150 replaced when a knob moves", {"drivingSecurity=150", "parkingSecurity=40"},
            {"ecoSlider=10,60"}, {"drivingSecurity=90", "parkingSecurity=40"});
        row("zone and day", {}, {"timeGmtCombo=8", "drivingDaySeg=7"}, {"time_gmt=8", "nodriving_day=7"});
    }
    void store()
    {
        QFETCH(QStringList, record);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, fields);
        _FILEDATA r = recordWith(record);
        ORXPageState state = obd()->display(r);
        for (const QString& c : changes) {
            const QString outlet = c.section('=', 0, 0);
            const QString value = c.section('=', 1);
            if (outlet == "ecoSlider")
                state.range(outlet, value.section(',', 0, 0).toDouble(), value.section(',', 1).toDouble());
            else if (value == "true" || value == "false")
                state.check(outlet, value == "true");
            else
                state.choice(outlet, value.toInt());
        }
        obd()->applyRules(state);
        QVERIFY(obd()->store(state, r));
        for (const QString& f : fields)
            QCOMPARE(f.section('=', 0, 0) + '=' + QString::number(fieldValue(r, f.section('=', 0, 0))), f);
    }
};

ORVEX_TEST(ORXObdPageModelTest)
#include "tst_ORXObdPageModel.moc"
