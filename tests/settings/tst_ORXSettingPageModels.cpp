#include "OrvexTest.h"

#include "PageRecord.h"

#include "ORXBasicPageModel.h"
#include "ORXConfigRecord.h"
#include "ORXGpsPageModel.h"
#include "ORXLocalizedString.h"
#include "ORXSettingPageModels.h"

#include <QJsonDocument>

#include <cstring>

namespace {
QString shown(const ORXPageState& state, const QString& outlet)
{
    const QJsonValue value = state.toJson().value(outlet);
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

// "outlet=value" changes of the controls: a number is a choice index, true/false a check,
// "'text'" a text.
void change(ORXPageState& state, const QString& c)
{
    const QString outlet = c.section('=', 0, 0);
    const QString value = c.section('=', 1);
    if (value == "true" || value == "false")
        state.check(outlet, value == "true");
    else if (value.startsWith('\''))
        state.text(outlet, value.mid(1).chopped(1));
    else
        state.choice(outlet, value.toInt());
}
} // namespace

// Every page's mapping between the record and its controls, through the core models.
class ORXSettingPageModelsTest : public QObject
{
    Q_OBJECT
private slots:
    void registry()
    {
        QStringList names;
        for (const ORXSettingPageModel* model : ORXSettingPageModels::all())
            names << model->name();
        QCOMPARE(names.mid(0, 3), QStringList({"video", "basic", "gps"}));
        QCOMPARE(ORXSettingPageModels::byName("gps")->name(), QString("gps"));
        QVERIFY(!ORXSettingPageModels::byName("nothing"));
    }

    void display_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<QString>("outlet");
        QTest::addColumn<QString>("json");
        auto row = [](const char* name, const char* page, QStringList record, const char* outlet,
                      const char* json) { QTest::newRow(name) << page << record << outlet << json; };
        row("video default quality", "video", {}, "videoEncodingBitrate", "1");
        row("video default brightness", "video", {}, "videoBrightnessRear", "2");
        row("video flip 2 falls back to 0", "video", {"flip_video=2"}, "flipVideoRealSeg", "0");
        row("video rear fps 5 falls back to 0", "video", {"rear_fps=5"}, "rearfpsSeg", "0");
        row("video quality past the end: none", "video", {"vid_enc_bitrate=3"}, "videoEncodingBitrate", "-1");
        row("video front tint 3", "video", {"front_cpl_use=3"}, "frontTinting", "3");
        row("video rear tint 3: none", "video", {"rear_cpl_use=3"}, "rearTinting", "-1");
        row("basic default display mode", "basic", {}, "osdOptionSeg", "1");
        row("basic default timeout", "basic", {}, "alwaysModeTimeoutSeg", "1");
        row("basic timeout 45 falls back to 2", "basic", {"always_mode_timeout=45"}, "alwaysModeTimeoutSeg",
            "2");
        row("basic default driving preset", "basic", {}, "gsensorSensitivityDrivingSeg", "2");
        row("basic default parking preset", "basic", {}, "gsensorSensitivityParkingSeg", "4");
        row("basic preset field", "basic", {}, "gsensorSensitivityThresholdYDrivingField", "\"0.45\"");
        row("basic unmatched driving: custom", "basic", {"gsen_y_threshold=44"},
            "gsensorSensitivityDrivingSeg", "5");
        row("basic threshold of 1.00 and more shown whole", "basic", {"gsen_x_threshold=1234"},
            "gsensorSensitivityThresholdXDrivingField", "\"12.34\"");
        row("basic default voltage", "basic", {}, "powerVoltageCombo", "9");
        row("basic voltage 11550 falls back to 8", "basic", {"sd_mem_always_reserved=11550"},
            "powerVoltageCombo", "8");
        row("basic timer 7 falls back to 0", "basic", {"sd_mem_motion_reserved=7"}, "powerTimeCombo", "0");
        row("basic cable loss default 0.3v", "basic", {}, "cableLossCombo", "3");
        row("basic cable loss 0 shown as 0.3v", "basic", {"CableVoltCorr=0"}, "cableLossCombo", "3");
        row("basic cable loss 9: none", "basic", {"CableVoltCorr=9"}, "cableLossCombo", "-1");
        row("basic plate", "basic", {}, "carNumberField", "\"Orvex\"");
        row("basic plate of 8 bytes", "basic", {"szPlateNumber=AB12CD34"}, "carNumberField", "\"AB12CD34\"");
        row("basic plate not UTF-8: empty", "basic", {"szPlateNumber=%FF%FE"}, "carNumberField", "\"\"");
        row("basic lamp on when ledoff 0", "basic", {}, "frontLedOffChk", "true");
        row("basic rear camera bit 2", "basic", {"external_rear_camera=4"}, "externalRearCameraUseMotion",
            "true");
        row("gps zone 22", "gps", {"time_gmt=22"}, "timeGmtCombo", "22");
        row("gps zone -1: none", "gps", {"time_gmt=-1"}, "timeGmtCombo", "-1");
        row("gps zone 34: none", "gps", {"time_gmt=34"}, "timeGmtCombo", "-1");
        row("gps summer time 2 ticked", "gps", {"summer_time=2"}, "summerTimeChk", "true");
        row("gps day 9: none", "gps", {"nodriving_day=9"}, "drivingDaySeg", "-1");
    }
    void display()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, record);
        QFETCH(QString, outlet);
        QFETCH(QString, json);
        const ORXSettingPageModel* model = ORXSettingPageModels::byName(page);
        QCOMPARE(shown(model->display(recordWith(record)), outlet), json);
    }

    // Controls changed from the display of a record, stored, and fields compared.
    void store_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("fields");
        auto row = [](const char* name, const char* page, QStringList record, QStringList changes,
                      QStringList fields) { QTest::newRow(name) << page << record << changes << fields; };
        row("video segments", "video", {}, {"videoEncodingBitrate=2", "rearTinting=1", "frontTinting=3"},
            {"vid_enc_bitrate=2", "rear_cpl_use=1", "front_cpl_use=3"});
        row("video flip 2 saved as 0", "video", {"flip_video=2", "rear_fps=5"}, {},
            {"flip_video=0", "rear_fps=0"});
        row("video unmatched quality kept", "video", {"vid_enc_bitrate=7"}, {}, {"vid_enc_bitrate=7"});
        row("basic custom 0.29 stored 29", "basic", {},
            {"gsensorSensitivityDrivingSeg=5", "gsensorSensitivityThresholdXDrivingField='0.29'"},
            {"gsen_x_threshold=29", "gsen_y_threshold=45"});
        row("basic 0.57 0.58 1.13", "basic", {},
            {"gsensorSensitivityParkingSeg=5", "gsensorSensitivityThresholdXParkingField='0.57'",
             "gsensorSensitivityThresholdYParkingField='0.58'",
             "gsensorSensitivityThresholdZParkingField='1.13'"},
            {"parkmode_x_threshold=57", "parkmode_y_threshold=58", "parkmode_z_threshold=113"});
        row("basic 1.14 1.15 1.16 with commas", "basic", {},
            {"gsensorSensitivityDrivingSeg=5", "gsensorSensitivityThresholdXDrivingField='1,14'",
             "gsensorSensitivityThresholdYDrivingField=' 1,15'",
             "gsensorSensitivityThresholdZDrivingField='1.16 g'"},
            {"gsen_x_threshold=114", "gsen_y_threshold=115", "gsen_z_threshold=116"});
        row("basic preset stored through the fields", "basic", {}, {"gsensorSensitivityDrivingSeg=0"},
            {"gsen_x_threshold=70", "gsen_y_threshold=65", "gsen_z_threshold=65"});
        row("basic plate filtered", "basic", {}, {"carNumberField='ab-12 CD 345'"},
            {"szPlateNumber=ab12CD34"});
        row("basic plate never split", "basic", {}, {"carNumberField='ÄB한12'"}, {"szPlateNumber=B12"});
        row("basic empty plate", "basic", {}, {"carNumberField=''"}, {"szPlateNumber="});
        row("basic timeout 45 saved as 30", "basic", {"always_mode_timeout=45"}, {},
            {"always_mode_timeout=30"});
        row("basic voltage fallback saved", "basic", {"sd_mem_always_reserved=5"}, {},
            {"sd_mem_always_reserved=12000"});
        row("basic externpower item", "basic", {}, {"powerVoltageCombo=2"}, {"sd_mem_always_reserved=10000"});
        row("basic cable loss 0 saved as 4", "basic", {"CableVoltCorr=0"}, {}, {"CableVoltCorr=4"});
        row("basic cable loss 9 kept", "basic", {"CableVoltCorr=9"}, {}, {"CableVoltCorr=9"});
        row("basic lamps off", "basic", {}, {"frontLedOffChk=false"}, {"ledoff=1", "ledoff_rear=0"});
        row("basic rear camera bits", "basic", {"external_rear_camera=8"},
            {"externalRearCameraUse=true", "externalRearCameraUseEvent=true"}, {"external_rear_camera=11"});
        row("gps zone -4:30", "gps", {}, {"timeGmtCombo=8"}, {"time_gmt=8"});
        row("gps no zone keeps -1", "gps", {"time_gmt=-1"}, {}, {"time_gmt=-1"});
        row("gps summer time 2 saved as 1", "gps", {"summer_time=2"}, {}, {"summer_time=1"});
        row("gps sunday and 60 s", "gps", {}, {"drivingDaySeg=7", "saveDurationSeg=7"},
            {"nodriving_day=7", "SaveDuration=7"});
    }
    void store()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, record);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, fields);
        const ORXSettingPageModel* model = ORXSettingPageModels::byName(page);
        _FILEDATA r = recordWith(record);
        ORXPageState state = model->display(r);
        for (const QString& c : changes)
            change(state, c);
        model->applyRules(state);
        QVERIFY(!model->validate(state));
        QVERIFY(model->store(state, r));
        for (const QString& f : fields) {
            const ORXConfigField* field = findConfigField(f.section('=', 0, 0).toLatin1().constData());
            const QString actual = field->type == ORXFieldType::Text
                                       ? QString::fromUtf8(configFieldText(r, *field))
                                       : QString::number(configFieldValue(r, *field));
            QCOMPARE(f.section('=', 0, 0) + '=' + actual, f);
        }
    }

    // Every page stores the default record back unchanged.
    void defaultRoundTrip()
    {
        for (const ORXSettingPageModel* model : ORXSettingPageModels::all()) {
            const _FILEDATA before = recordWith({});
            _FILEDATA after = before;
            QVERIFY(model->store(model->display(before), after));
            QVERIFY2(std::memcmp(&before, &after, sizeof before) == 0, qPrintable(model->name()));
        }
    }

    void thresholdChecks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // key of the message, empty when accepted
        QTest::newRow("lowest") << "0.05"
                                << "";
        QTest::newRow("highest") << "1.5"
                                 << "";
        QTest::newRow("below") << "0.04"
                               << "msg.gsensor_outofrange_fmt";
        QTest::newRow("above") << "1.51"
                               << "msg.gsensor_outofrange_fmt";
        QTest::newRow("empty") << ""
                               << "msg.gsensor_outofrange_fmt";
        QTest::newRow("blank") << "  "
                               << "msg.gsensor_outofrange_fmt";
        QTest::newRow("not a number") << "abc"
                                      << "msg.input_value_invalid_format";
        QTest::newRow("comma") << "0,5"
                               << "";
        QTest::newRow("trailing text ignored") << " 0.5xyz"
                                               << "";
    }
    void thresholdChecks()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        const QString result = ORXBasicPageModel::validateGsensorThreshold(text);
        if (message.isEmpty())
            QVERIFY(result.isNull());
        else
            QCOMPARE(result, message == "msg.gsensor_outofrange_fmt"
                                 ? ORXLocalizedString(message).arg("0.05", "1.5")
                                 : ORXLocalizedString(message));
    }

    // The first bad custom field is the page's issue; the parking fields come after the
    // driving ones, and presets are not checked.
    void basicIssue()
    {
        const ORXSettingPageModel* model = ORXSettingPageModels::byName("basic");
        ORXPageState state = model->display(recordWith({}));
        state.choice("gsensorSensitivityParkingSeg", 5).text("gsensorSensitivityThresholdYParkingField", "9");
        state.text("gsensorSensitivityThresholdXDrivingField", "garbage"); // preset: not checked
        const auto issue = model->validate(state);
        QVERIFY(issue);
        QCOMPARE(issue->outlet, QString("gsensorSensitivityThresholdYParkingField"));
    }

    void basicRules()
    {
        const ORXSettingPageModel* model = ORXSettingPageModels::byName("basic");
        _FILEDATA r = recordWith({"g_sensor_enable=0", "external_rear_camera=6"});
        ORXPageState state = model->display(r);
        QCOMPARE(
            state.toJson().value("disabled").toArray().toVariantList(),
            QVariantList(
                {"externalRearCameraUseEvent", "externalRearCameraUseMotion", "gsensorSensitivityDrivingSeg",
                 "gsensorSensitivityParkingSeg", "gsensorSensitivityThresholdXDrivingField",
                 "gsensorSensitivityThresholdXParkingField", "gsensorSensitivityThresholdYDrivingField",
                 "gsensorSensitivityThresholdYParkingField", "gsensorSensitivityThresholdZDrivingField",
                 "gsensorSensitivityThresholdZParkingField"}));
        // The external power box stores at once and disables both power combos.
        state.check("useExternalPowerChk", true);
        model->clicked("useExternalPowerChk", state, r);
        model->applyRules(state);
        QCOMPARE(r.sd_mem_event_reserved, 1u);
        QVERIFY(!state.isEnabled("powerVoltageCombo") && !state.isEnabled("powerTimeCombo"));
        state.check("externalRearCameraUse", true);
        model->clicked("externalRearCameraUse", state, r);
        model->applyRules(state);
        QCOMPARE(r.external_rear_camera, 7u);
        QVERIFY(state.isEnabled("externalRearCameraUseEvent"));
    }

    void labels()
    {
        const ORXSettingPageModel* video = ORXSettingPageModels::byName("video");
        QCOMPARE(video->items("rearfpsSeg", recordWith({"Gamma=1"})).value(0), ORXLocalizedString("25fps"));
        QCOMPARE(video->items("rearfpsSeg", recordWith({})).value(0), ORXLocalizedString("30fps"));
        const QStringList zones = ORXGpsPageModel::timeZoneItems();
        QCOMPARE(zones.size(), 34);
        QCOMPARE(zones.at(8), QString("-04:30"));
        QCOMPARE(zones.at(14), QString("00:00"));
        QCOMPARE(zones.at(23), QString("+05:45"));
        const QStringList voltages = ORXSettingPageModels::byName("basic")->items("powerVoltageCombo");
        QCOMPARE(voltages.size(), 13);
        QCOMPARE(voltages.at(8), QString("12.0v / 24.0v"));
    }
};

ORVEX_TEST(ORXSettingPageModelsTest)
#include "tst_ORXSettingPageModels.moc"
