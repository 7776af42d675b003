#include "OrvexTest.h"

#include "PageRecord.h"

#include "ORXAuxPageModel.h"
#include "ORXBasicPageModel.h"
#include "ORXGpsPageModel.h"
#include "ORXLocalizedString.h"
#include "ORXSettingPageModels.h"

class ORXSettingPageModelsTest : public QObject
{
    Q_OBJECT
private slots:
    // The controls shown for a record, as "outlet=json".
    void display_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* tag, const char* page, QStringList record, QStringList expected) {
            QTest::newRow(tag) << QString(page) << record << expected;
        };
        row("video fallbacks and tints", "video",
            {"flip_video=2", "rear_fps=5", "vid_enc_bitrate=3", "front_cpl_use=3", "rear_cpl_use=3"},
            {"flipVideoRealSeg=0", "rearfpsSeg=0", "videoEncodingBitrate=-1", "frontTinting=3",
             "rearTinting=-1"});
        row("video one past the ends, flip 1", "video",
            {"vid_brightness=5", "flip_video=1", "front_cpl_use=4"},
            {"videoBrightness=-1", "flipVideoRealSeg=1", "frontTinting=-1"});
        row("video rear past the ends, rear fps 1", "video",
            {"vid_enc_bitrate_R=3", "vid_brightness_R=5", "rear_fps=1"},
            {"videoEncodingBitrateRear=-1", "videoBrightnessRear=-1", "rearfpsSeg=1"});
        row("basic fallbacks", "basic",
            {"always_mode_timeout=45", "sd_mem_always_reserved=11550", "sd_mem_motion_reserved=7",
             "CableVoltCorr=0", "szPlateNumber=AB12CD34", "external_rear_camera=4", "parkmode_y_threshold=58"},
            {"alwaysModeTimeoutSeg=2", "powerVoltageCombo=8", "powerTimeCombo=0", "cableLossCombo=3",
             "gsensorSensitivityParkingSeg=5", "gsensorSensitivityThresholdXParkingField=\"0.08\"",
             "gsensorSensitivityThresholdYParkingField=\"0.58\"", "carNumberField=\"AB12CD34\"", "externalRearCameraUseMotion=true"});
        row("basic custom threshold, first parking preset, unknown loss, bad plate", "basic",
            {"gsen_y_threshold=44", "gsen_x_threshold=1234", "CableVoltCorr=9", "szPlateNumber=%FF%FE",
             "parkmode_x_threshold=25", "parkmode_y_threshold=25", "parkmode_z_threshold=25"},
            {"gsensorSensitivityDrivingSeg=5", "gsensorSensitivityThresholdXDrivingField=\"12.34\"",
             "gsensorSensitivityParkingSeg=0", "cableLossCombo=-1", "carNumberField=\"\""});
        row("gps zone -1", "gps", {"time_gmt=-1"}, {"timeGmtCombo=-1"});
        row("gps zone 34", "gps", {"time_gmt=34"}, {"timeGmtCombo=-1"});
        row("motion high bits, unknown", "motion",
            {"motion720pCValue=5", "motion1080pCValue=6", "motionBlock=4294963456"},
            {"frontSensitivitySeg=5", "rearSensitivitySeg=-1", "frontMotionBlock01Chk=false",
             "frontMotionBlock02Chk=true", "frontMotionBlock12Chk=true"});
        row("aux defaults", "aux", {},
            {"memeryRatioSlider=7", "alwaysField=\"70%\"", "motionField=\"30%\"", "lcdScreenSaverSeg=1",
             "parkingRearOffSeg=1", "pipPositionRadio=3", "ssidLabel=\"OrvexD\"",
             "passwordLabel=\"47205813\"", "wifiChannelCombo=0", "disabled=[]"});
        row("aux as stored, tables, fallbacks", "aux",
            {"sd_mem_always_ratio=35", "sd_mem_motion_ratio=65", "lcd_screensaver=1", "parking_rear_off=1",
             "pip_position=7", "wifi_channel=14", "DayTime=3", "Gamma=1"},
            {"memeryRatioSlider=3", "alwaysField=\"35%\"", "motionField=\"65%\"", "lcdScreenSaverSeg=0",
             "parkingRearOffSeg=0", "pipPositionRadio=3", "wifiChannelCombo=-1", "dayTimeAESeg=-1",
             "gammaSeg=1"});
        row("aux pip table, unknowns, ratio over 100", "aux",
            {"pip_position=2", "lcd_screensaver=3", "parking_rear_off=2", "parking_alarm=2",
             "sd_mem_always_ratio=250"},
            {"pipPositionRadio=0", "lcdScreenSaverSeg=-1", "parkingRearOffSeg=-1", "parkingAlarmSeg=-1",
             "memeryRatioSlider=10", "alwaysField=\"250%\""});
        row("aux wifi full field, not UTF-8", "aux", {"wifi_ssid=ABCDEFGHIJKLMNOP", "wifi_password=ab%FFcd"},
            {"ssidLabel=\"ABCDEFGHIJKLMNOP\"", "passwordLabel=\"ab\uFFFDcd\""});
        row("audio Malaysia, flag 5", "audio", {"Brightness1=20", "alarm_ontime_flag=5", "aud_input_vol=4"},
            {"voiceLangRadio=-1", "malaysiaRadio=true", "useEveryHourNoticeChk=true", "micSeg=-1"});
        row("audio above Malaysia", "audio", {"Brightness1=21"},
            {"voiceLangRadio=-1", "malaysiaRadio=false"});
        row("obd eco 70 / 40, interval 0x12", "obd",
            {"drivingSecurity=70", "parkingSecurity=40", "SaveDuration=0x12"},
            {"ecoSlider=[30,60]", "saveDurationSeg=1", "useObdParkingSeg=1"});
        row("obd eco 150 does not wrap, 0x32", "obd",
            {"drivingSecurity=150", "parkingSecurity=40", "SaveDuration=0x32"},
            {"ecoSlider=[0,60]", "useObdParkingSeg=0"});
        row("obd voltage 12499 rounds down", "obd", {"sd_mem_always_reserved=12499"},
            {"powerVoltageCombo=9"});
        row("obd voltage 11499", "obd", {"sd_mem_always_reserved=11499"}, {"powerVoltageCombo=-1"});
        row("obd voltage 12500", "obd", {"sd_mem_always_reserved=12500"}, {"powerVoltageCombo=-1"});
        row("obd external power 2", "obd", {"sd_mem_event_reserved=2", "MemConfig=0"},
            {"useExternalPowerChk=false", "useEcoDriveChk=false"});
    }
    void display()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, record);
        QFETCH(QStringList, expected);
        const ORXSettingPageModel* model = ORXSettingPageModels::byName(page);
        QCOMPARE(shownOf(model->display(recordWith(record)), expected), expected);
    }

    // A refused store changes nothing.
    void store_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("fields");
        const auto row = [](const char* tag, const char* page, QStringList record, QStringList changes,
                            QStringList fields, bool accepted = true) {
            QTest::newRow(tag) << QString(page) << record << changes << accepted << fields;
        };
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
        row("basic presets stored through the fields", "basic", {},
            {"gsensorSensitivityDrivingSeg=0", "gsensorSensitivityParkingSeg=2"},
            {"gsen_x_threshold=70", "gsen_y_threshold=65", "gsen_z_threshold=65", "parkmode_x_threshold=15",
             "parkmode_z_threshold=15"});
        row("basic plate filtered", "basic", {}, {"carNumberField='ab-12 CD 345'"},
            {"szPlateNumber=ab12CD34"});
        row("basic plate never split", "basic", {}, {"carNumberField='ÄB한12'"},
            {"szPlateNumber=B12%00%00%00%00%00"});
        row("basic fallbacks saved", "basic",
            {"always_mode_timeout=45", "sd_mem_always_reserved=5", "CableVoltCorr=0"}, {},
            {"always_mode_timeout=30", "sd_mem_always_reserved=12000", "CableVoltCorr=4"});
        row("basic externpower item, loss 9 kept", "basic", {"CableVoltCorr=9"}, {"powerVoltageCombo=2"},
            {"sd_mem_always_reserved=10000", "CableVoltCorr=9"});
        row("basic lamps off", "basic", {}, {"frontLedOffChk=false"}, {"ledoff=1", "ledoff_rear=0"});
        row("basic rear camera bits", "basic", {"external_rear_camera=8"},
            {"externalRearCameraUse=true", "externalRearCameraUseEvent=true"}, {"external_rear_camera=11"});
        row("gps zone -4:30, sunday and 60 s", "gps", {},
            {"timeGmtCombo=8", "drivingDaySeg=7", "saveDurationSeg=7"},
            {"time_gmt=8", "nodriving_day=7", "SaveDuration=7"});
        row("gps no zone keeps -1, summer 2 saved as 1", "gps", {"time_gmt=-1", "summer_time=2"}, {},
            {"time_gmt=-1", "summer_time=1"});
        row("motion front all off, rear 01 and 12 off", "motion", {},
            {"frontMotionBlock01Chk=false", "frontMotionBlock02Chk=false", "frontMotionBlock03Chk=false",
             "frontMotionBlock04Chk=false", "frontMotionBlock05Chk=false", "frontMotionBlock08Chk=false",
             "frontMotionBlock09Chk=false", "frontMotionBlock10Chk=false", "frontMotionBlock11Chk=false",
             "frontMotionBlock12Chk=false", "rearMotionBlock01Chk=false", "rearMotionBlock06Chk=true",
             "rearMotionBlock07Chk=true", "rearMotionBlock12Chk=false", "frontSensitivitySeg=0",
             "rearSensitivitySeg=5"},
            {"motionBlock=4095", "motionBlock_Rear=264", "motion720pCValue=0", "motion1080pCValue=5"});
        row("aux slider 2, tables, pip fallback stores 0, wifi 16 of 16, shorter name", "aux",
            {"pip_position=7", "wifi_ssid=ABCDEFGHIJKLMNOP"},
            {"memeryRatioSlider=2", "lcdScreenSaverSeg=0", "parkingRearOffSeg=1", "ssidLabel='ABCDEF'",
             "passwordLabel='!~0123456789abcd'", "wifiChannelCombo=13"},
            {"sd_mem_always_ratio=20", "sd_mem_motion_ratio=80", "sd_mem_event_ratio=1", "lcd_screensaver=1",
             "parking_rear_off=0", "pip_position=0", "wifi_ssid=ABCDEF%00%00%00%00%00%00%00%00%00%00",
             "wifi_password=%21~0123456789abcd", "wifi_channel=13"});
        row("aux unknown values kept", "aux",
            {"lcd_screensaver=3", "wifi_channel=20", "autoFormatAlarm=9", "pip_position=1"}, {},
            {"lcd_screensaver=3", "wifi_channel=20", "autoFormatAlarm=9", "pip_position=1"});
        const QStringList wifiKept{"wifi_ssid=OrvexD%00%00%00%00%00%00%00%00%00%00",
                                   "wifi_password=47205813%00%00%00%00%00%00%00%00", "wifi_channel=0",
                                   "lcd_brightness=0"};
        for (const char* refused :
             {"ssidLabel='ABCDE'", "ssidLabel='ABC DEF'", "ssidLabel='ABCDEFGHIJKLMNOPQ'",
              "ssidLabel='Straße1'", "passwordLabel='1234567'", "passwordLabel='12345678901234567'",
              "passwordLabel='1234 5678'"})
            row(refused, "aux", {}, {refused, "wifiChannelCombo=5", "lcdBrightnessSeg=0"}, wifiKept, false);
        row("audio above Malaysia kept, no volume kept, hourly off", "audio",
            {"Brightness1=33", "aud_output_vol=7"}, {"micSeg=0", "useEveryHourNoticeChk=false"},
            {"Brightness1=33", "aud_output_vol=7", "aud_input_vol=0", "alarm_ontime_flag=0"});
        row("obd stored 3 kept, no voltage item kept", "obd",
            {"SaveDuration=0x13", "sd_mem_always_reserved=5"}, {},
            {"SaveDuration=19", "sd_mem_always_reserved=5"});
        row("obd 3 changed to the third segment", "obd", {"SaveDuration=0x13", "MemConfig=176"},
            {"saveDurationSeg=2", "useEcoDriveChk=false"}, {"SaveDuration=20", "MemConfig=0"});
        row("obd parking on, eco ticked, voltage item 5", "obd", {"SaveDuration=2", "MemConfig=0"},
            {"useObdParkingSeg=1", "useEcoDriveChk=true", "powerVoltageCombo=5"},
            {"SaveDuration=18", "MemConfig=1", "sd_mem_always_reserved=12000"});
        row("obd parking off", "obd", {"SaveDuration=0x12"}, {"useObdParkingSeg=0"}, {"SaveDuration=2"});
        row("obd other high bits kept while off, 150 kept", "obd",
            {"SaveDuration=0x32", "drivingSecurity=150"}, {}, {"SaveDuration=50", "drivingSecurity=150"});
        row("obd 150 replaced when a knob moves", "obd", {"drivingSecurity=150", "parkingSecurity=40"},
            {"ecoSlider=10,60"}, {"drivingSecurity=90", "parkingSecurity=40"});
    }
    void store()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, record);
        QFETCH(QStringList, changes);
        QFETCH(bool, accepted);
        QFETCH(QStringList, fields);
        const ORXSettingPageModel* model = ORXSettingPageModels::byName(page);
        _FILEDATA r = recordWith(record);
        ORXPageState state = model->display(r);
        applyChanges(state, changes);
        model->applyRules(state);
        QVERIFY(!accepted || !model->validate(state));
        QCOMPARE(model->store(state, r), accepted);
        QCOMPARE(fieldsOf(r, fields), fields);
    }

    // Every page stores the default record back unchanged; a name no page has finds none.
    void defaultRoundTrip()
    {
        QVERIFY(!ORXSettingPageModels::byName("nothing"));
        for (const ORXSettingPageModel* model : ORXSettingPageModels::all()) {
            const _FILEDATA before = recordWith({});
            _FILEDATA after = before;
            QVERIFY(model->store(model->display(before), after));
            QVERIFY2(std::memcmp(&before, &after, sizeof before) == 0, qPrintable(model->name()));
        }
    }

    // A key of the message, empty when accepted.
    void thresholdChecks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString range = ORXLocalizedString("msg.gsensor_outofrange_fmt").arg("0.05", "1.5");
        for (const char* ok : {"0.05", "1.5", "0,5", " 0.5xyz"})
            QTest::newRow(ok) << QString(ok) << QString();
        for (const char* out : {"0.04", "1.51", "", "  "})
            QTest::newRow(out) << QString(out) << range;
        QTest::newRow("abc") << "abc" << ORXLocalizedString("msg.input_value_invalid_format");
    }
    void thresholdChecks()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QCOMPARE(ORXBasicPageModel::validateGsensorThreshold(text), message);
    }

    // The parking fields are checked after the driving ones; presets are not checked.
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
        // The OBD page's box too: stored at once, the voltage and OBD parking disabled.
        const ORXSettingPageModel* obd = ORXSettingPageModels::byName("obd");
        _FILEDATA o = recordWith({});
        ORXPageState obdState = obd->display(o);
        obdState.check("useExternalPowerChk", true);
        obd->clicked("useExternalPowerChk", obdState, o);
        obd->applyRules(obdState);
        QCOMPARE(o.sd_mem_event_reserved, 1u);
        QVERIFY(!obdState.isEnabled("powerVoltageCombo") && !obdState.isEnabled("useObdParkingSeg"));
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
        QCOMPARE(video->items("videoBrightnessRear").value(4), QString("5"));
        QCOMPARE(video->items("frontTinting").size(), 4);
        QCOMPARE(video->items("rearTinting").size(), 3);
        QCOMPARE(video->items("videoEncodingBitrateRear").size(), 3);
        QCOMPARE(ORXSettingPageModels::byName("aux")->items("lcdAutoPowerOffSeg").value(3),
                 ORXLocalizedString("nSecond_fmt").arg(60));
        for (const char* side : {"frontSensitivitySeg", "rearSensitivitySeg"})
            QCOMPARE(ORXSettingPageModels::byName("motion")->items(side).value(5),
                     "5(" + ORXLocalizedString("sensitive") + ")");
        const QStringList zones = ORXGpsPageModel::timeZoneItems();
        QCOMPARE(zones.size(), 34);
        QCOMPARE(zones.at(8), QString("-04:30"));
        QCOMPARE(zones.at(14), QString("00:00"));
        QCOMPARE(zones.at(23), QString("+05:45"));
        const QStringList voltages = ORXSettingPageModels::byName("basic")->items("powerVoltageCombo");
        QCOMPARE(voltages.size(), 13);
        QCOMPARE(voltages.at(8), QString("12.0v / 24.0v"));
        const ORXPageState eco = ORXSettingPageModels::byName("obd")->display(
            recordWith({"drivingSecurity=70", "parkingSecurity=40"}));
        QCOMPARE(eco.textOf("ecoDriveLabel"), "Eco Drive : 0.70 " + ORXLocalizedString("over"));
        QCOMPARE(eco.textOf("normalDriveLabel"), QString("Normal Drive : 0.70 ~ 0.40"));
        QCOMPARE(eco.textOf("unecoDriveLabel"), "Uneco Drive : 0.40 " + ORXLocalizedString("under"));
    }

    void auxRefusals_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("outlet");
        QTest::addColumn<QString>("key");
        const auto row = [](const char* tag, QStringList changes, const char* outlet, const char* key) {
            QTest::newRow(tag) << changes << QString(outlet) << QString(key);
        };
        row("slider 1", {"memeryRatioSlider=1"}, "memeryRatioSlider", "msg.sdcard_ratio_too_low");
        row("slider 9", {"memeryRatioSlider=9"}, "memeryRatioSlider", "msg.sdcard_ratio_too_low");
        row("slider 8", {"memeryRatioSlider=8"}, "", "");
        row("SSID first", {"ssidLabel='A'", "passwordLabel='x'"}, "ssidLabel", "setting.aux.ssid_length");
        row("SSID é", {"ssidLabel='Caféxx'"}, "ssidLabel", "setting.aux.ssid_invalid");
        row("password", {"passwordLabel='pass word'"}, "passwordLabel", "setting.aux.password_invalid");
    }
    void auxRefusals()
    {
        QFETCH(QStringList, changes);
        QFETCH(QString, outlet);
        QFETCH(QString, key);
        ORXAuxPageModel model;
        ORXPageState state = model.display(recordWith({}));
        applyChanges(state, changes);
        const std::optional<ORXPageIssue> issue = outlet == "memeryRatioSlider" || key.isEmpty()
                                                      ? model.validate(state)
                                                      : ORXAuxPageModel::wifiIssue(state);
        QCOMPARE(issue.has_value(), !key.isEmpty());
        if (issue) {
            QCOMPARE(issue->outlet, outlet);
            QCOMPARE(issue->message, ORXLocalizedString(key));
            QVERIFY(!issue->message.isEmpty());
        }
    }

    // Malaysia stays chosen when clicked again; a cell, the first one too, turns it off.
    void audioLanguageClicks()
    {
        const ORXSettingPageModel* audio = ORXSettingPageModels::byName("audio");
        _FILEDATA r = recordWith({});
        ORXPageState state = audio->display(r);
        for (bool checked : {true, false}) {
            state.check("malaysiaRadio", checked);
            audio->clicked("malaysiaRadio", state, r);
            QCOMPARE(r.Brightness1, 20u);
            QCOMPARE(shownOf(state, {"voiceLangRadio", "malaysiaRadio"}),
                     QStringList({"voiceLangRadio=-1", "malaysiaRadio=true"}));
        }
        state.choice("voiceLangRadio", 0);
        audio->clicked("voiceLangRadio", state, r);
        QVERIFY(!state.isChecked("malaysiaRadio"));
        QVERIFY(audio->store(state, r));
        QCOMPARE(r.Brightness1, 0u);
    }

    // Moving the slider shows the split it stands for; the record changes only on store.
    void sliderShowsTheSplit()
    {
        _FILEDATA r = recordWith({});
        const ORXSettingPageModel* aux = ORXSettingPageModels::byName("aux");
        ORXPageState state = aux->display(r);
        state.number("memeryRatioSlider", 4);
        aux->clicked("memeryRatioSlider", state, r);
        QCOMPARE(shownOf(state, {"alwaysField", "motionField"}),
                 QStringList({"alwaysField=\"40%\"", "motionField=\"60%\""}));
        QCOMPARE(r.sd_mem_always_ratio, 70u);
    }
};

ORVEX_TEST(ORXSettingPageModelsTest)
#include "tst_ORXSettingPageModels.moc"
