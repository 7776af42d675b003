#include "OrvexTest.h"

#include "PageRecord.h"

#include "ORXAuxPageModel.h"
#include "ORXConfigRecord.h"
#include "ORXLocalizedString.h"
#include "ORXSettingPageModels.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cstring>

namespace {
// "outlet=value" as describe prints it.
QStringList shown(const ORXPageState& state, const QStringList& outlets)
{
    QStringList list;
    for (const QString& outlet : outlets) {
        const QByteArray json =
            QJsonDocument(QJsonArray{state.toJson().value(outlet)}).toJson(QJsonDocument::Compact);
        list << outlet + '=' + QString::fromUtf8(json.mid(1).chopped(1));
    }
    return list;
}

// "outlet=value" changes: a number is a choice index (a slider's value for "...Slider"),
// true/false a check, 'text' a text.
void change(ORXPageState& state, const QString& c)
{
    const QString outlet = c.section('=', 0, 0);
    const QString value = c.section('=', 1);
    if (value == "true" || value == "false")
        state.check(outlet, value == "true");
    else if (value.startsWith('\''))
        state.text(outlet, value.mid(1).chopped(1));
    else if (outlet.endsWith("Slider"))
        state.number(outlet, value.toDouble());
    else
        state.choice(outlet, value.toInt());
}

QStringList fields(const _FILEDATA& r, const QStringList& names)
{
    QStringList list;
    for (const QString& name : names) {
        const ORXConfigField* field = findConfigField(name.toLatin1().constData());
        const QString value =
            field->type == ORXFieldType::Text
                ? QString::fromLatin1(
                      QByteArray(reinterpret_cast<const char*>(&r) + field->offset, field->size)
                          .toPercentEncoding())
                : QString::number(configFieldValue(r, *field));
        list << name + '=' + value;
    }
    return list;
}

// The twelve check boxes of one camera, all checked but the unchecked ones.
QStringList blocks(const char* side, std::initializer_list<int> unchecked)
{
    QStringList list;
    for (int n = 1; n <= 12; ++n)
        list << QString("%1MotionBlock%2Chk=%3")
                    .arg(side)
                    .arg(n, 2, 10, QChar('0'))
                    .arg(std::find(unchecked.begin(), unchecked.end(), n) == unchecked.end() ? "true"
                                                                                             : "false");
    return list;
}
} // namespace

// The motion, AUX and audio pages' mapping between the record and their controls.
class ORXMotionAuxAudioPageModelsTest : public QObject
{
    Q_OBJECT
private slots:
    void display_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("motion defaults") << "motion" << QStringList()
                                         << (QStringList{"frontSensitivitySeg=3", "rearSensitivitySeg=3"} +
                                             blocks("front", {6, 7}) + blocks("rear", {6, 7}));
        QTest::newRow("motion front/rear fields, high bits, unknown")
            << "motion" << QStringList{"motion720pCValue=5", "motion1080pCValue=6", "motionBlock=4294963456"}
            << (QStringList{"frontSensitivitySeg=5", "rearSensitivitySeg=-1"} + blocks("front", {1}));
        QTest::newRow("aux defaults")
            << "aux" << QStringList()
            << QStringList{"memeryRatioSlider=7",  "alwaysField=\"70%\"",        "motionField=\"30%\"",
                           "lcdScreenSaverSeg=1",  "parkingRearOffSeg=1",        "pipPositionRadio=3",
                           "ssidLabel=\"OrvexD\"", "passwordLabel=\"47205813\"", "wifiChannelCombo=0",
                           "disabled=[]"};
        QTest::newRow("aux ratios as stored, tables, pip fallback, no item")
            << "aux" << QStringList{"sd_mem_always_ratio=35",
                                    "sd_mem_motion_ratio=65",
                                    "lcd_screensaver=1",
                                    "parking_rear_off=1",
                                    "pip_position=7",
                                    "wifi_channel=14",
                                    "DayTime=3",
                                    "Gamma=1"}
            << QStringList{"memeryRatioSlider=3", "alwaysField=\"35%\"", "motionField=\"65%\"",
                           "lcdScreenSaverSeg=0", "parkingRearOffSeg=0", "pipPositionRadio=3",
                           "wifiChannelCombo=-1", "dayTimeAESeg=-1",     "gammaSeg=1"};
        QTest::newRow("aux pip table, unknown saver and rear, ratio over 100")
            << "aux"
            << QStringList{"pip_position=2", "lcd_screensaver=3", "parking_rear_off=2",
                           "sd_mem_always_ratio=250"}
            << QStringList{"pipPositionRadio=0", "lcdScreenSaverSeg=-1", "parkingRearOffSeg=-1",
                           "memeryRatioSlider=10", "alwaysField=\"250%\""};
        QTest::newRow("aux wifi full field, not UTF-8")
            << "aux" << QStringList{"wifi_ssid=ABCDEFGHIJKLMNOP", "wifi_password=ab%FFcd"}
            << QStringList{"ssidLabel=\"ABCDEFGHIJKLMNOP\"", "passwordLabel=\"ab\uFFFDcd\""};
        QTest::newRow("audio defaults")
            << "audio" << QStringList()
            << QStringList{"micSeg=3", "speakerSeg=2", "useEveryHourNoticeChk=true", "voiceLangRadio=0",
                           "malaysiaRadio=false"};
        QTest::newRow("audio Malaysia, flag 5")
            << "audio" << QStringList{"Brightness1=20", "alarm_ontime_flag=5", "aud_input_vol=4"}
            << QStringList{"voiceLangRadio=-1", "malaysiaRadio=true", "useEveryHourNoticeChk=true",
                           "micSeg=-1"};
        QTest::newRow("audio language 12") << "audio" << QStringList{"Brightness1=12"}
                                           << QStringList{"voiceLangRadio=12", "malaysiaRadio=false"};
        QTest::newRow("audio above Malaysia") << "audio" << QStringList{"Brightness1=21"}
                                              << QStringList{"voiceLangRadio=-1", "malaysiaRadio=false"};
    }
    void display()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, record);
        QFETCH(QStringList, expected);
        const ORXSettingPageModel* model = ORXSettingPageModels::byName(page);
        QVERIFY(model);
        QStringList outlets;
        for (const QString& e : expected)
            outlets << e.section('=', 0, 0);
        QCOMPARE(shown(model->display(recordWith(record)), outlets), expected);
    }

    // From the controls as shown, after the user's changes, back into the record.
    void store_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("motion unchanged drops high bits, keeps unknown sensitivity")
            << "motion" << QStringList{"motionBlock=4294967040", "motion1080pCValue=9"} << QStringList()
            << true
            << QStringList{"motionBlock=3840", "motionBlock_Rear=96", "motion1080pCValue=9",
                           "motion720pCValue=3"};
        QTest::newRow("motion all front unchecked, rear 01 and 12 unchecked")
            << "motion" << QStringList()
            << (blocks("front", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) + blocks("rear", {1, 12}) +
                QStringList{"frontSensitivitySeg=0", "rearSensitivitySeg=5"})
            << true
            << QStringList{"motionBlock=4095", "motionBlock_Rear=264", "motion720pCValue=0",
                           "motion1080pCValue=5"};
        QTest::newRow("aux slider 2, tables, pip fallback stores 0, wifi 16 of 16")
            << "aux" << QStringList{"pip_position=7"}
            << QStringList{"memeryRatioSlider=2",
                           "lcdScreenSaverSeg=0",
                           "parkingRearOffSeg=1",
                           "ssidLabel='ABCDEF'",
                           "passwordLabel='!~0123456789abcd'",
                           "wifiChannelCombo=13"}
            << true
            << QStringList{"sd_mem_always_ratio=20",
                           "sd_mem_motion_ratio=80",
                           "sd_mem_event_ratio=1",
                           "lcd_screensaver=1",
                           "parking_rear_off=0",
                           "pip_position=0",
                           "wifi_ssid=ABCDEF%00%00%00%00%00%00%00%00%00%00",
                           "wifi_password=%21~0123456789abcd",
                           "wifi_channel=13"};
        QTest::newRow("aux unknown values kept")
            << "aux"
            << QStringList{"lcd_screensaver=3", "wifi_channel=20", "autoFormatAlarm=9", "pip_position=1"}
            << QStringList() << true
            << QStringList{"lcd_screensaver=3", "wifi_channel=20", "autoFormatAlarm=9", "pip_position=1"};
        const QStringList wifiKept{"wifi_ssid=OrvexD%00%00%00%00%00%00%00%00%00%00",
                                   "wifi_password=47205813%00%00%00%00%00%00%00%00", "wifi_channel=0",
                                   "lcd_brightness=0"};
        const QStringList refusals[] = {
            {"ssidLabel='ABCDE'"},        {"ssidLabel='ABC DEF'"},     {"ssidLabel='ABCDEFGHIJKLMNOPQ'"},
            {"ssidLabel='Straße1'"},      {"passwordLabel='1234567'"}, {"passwordLabel='12345678901234567'"},
            {"passwordLabel='1234 5678'"}};
        for (const QStringList& refusal : refusals)
            QTest::addRow("aux refuses %s", qPrintable(refusal.first()))
                << "aux" << QStringList()
                << (refusal + QStringList{"wifiChannelCombo=5", "lcdBrightnessSeg=0"}) << false << wifiKept;
        QTest::newRow("audio Malaysia kept, flag stored 1")
            << "audio" << QStringList{"Brightness1=20", "alarm_ontime_flag=5"} << QStringList() << true
            << QStringList{"Brightness1=20", "alarm_ontime_flag=1"};
        QTest::newRow("audio above Malaysia kept, no volume kept")
            << "audio" << QStringList{"Brightness1=33", "aud_output_vol=7"} << QStringList{"micSeg=0"} << true
            << QStringList{"Brightness1=33", "aud_output_vol=7", "aud_input_vol=0"};
    }
    void store()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, record);
        QFETCH(QStringList, changes);
        QFETCH(bool, accepted);
        QFETCH(QStringList, expected);
        const ORXSettingPageModel* model = ORXSettingPageModels::byName(page);
        _FILEDATA r = recordWith(record);
        ORXPageState state = model->display(r);
        for (const QString& c : changes)
            change(state, c);
        QCOMPARE(model->store(state, r), accepted);
        QStringList names;
        for (const QString& e : expected)
            names << e.section('=', 0, 0);
        QCOMPARE(fields(r, names), expected);
    }

    void auxRefusals_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("outlet");
        QTest::addColumn<QString>("key");
        QTest::newRow("slider 1") << QStringList{"memeryRatioSlider=1"} << "memeryRatioSlider"
                                  << "msg.sdcard_ratio_too_low";
        QTest::newRow("slider 9") << QStringList{"memeryRatioSlider=9"} << "memeryRatioSlider"
                                  << "msg.sdcard_ratio_too_low";
        QTest::newRow("slider 8") << QStringList{"memeryRatioSlider=8"} << ""
                                  << "";
        QTest::newRow("SSID first") << QStringList{"ssidLabel='A'", "passwordLabel='x'"} << "ssidLabel"
                                    << "setting.aux.ssid_length";
        QTest::newRow("SSID é") << QStringList{"ssidLabel='Caféxx'"} << "ssidLabel"
                                << "setting.aux.ssid_invalid";
        QTest::newRow("password") << QStringList{"passwordLabel='pass word'"} << "passwordLabel"
                                  << "setting.aux.password_invalid";
    }
    void auxRefusals()
    {
        QFETCH(QStringList, changes);
        QFETCH(QString, outlet);
        QFETCH(QString, key);
        ORXAuxPageModel model;
        ORXPageState state = model.display(recordWith({}));
        for (const QString& c : changes)
            change(state, c);
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

    // Moving the slider shows the split it stands for; the record changes only on store.
    void sliderShowsTheSplit()
    {
        _FILEDATA r = recordWith({});
        const ORXSettingPageModel* aux = ORXSettingPageModels::byName("aux");
        ORXPageState state = aux->display(r);
        state.number("memeryRatioSlider", 4);
        aux->clicked("memeryRatioSlider", state, r);
        QCOMPARE(shown(state, {"alwaysField", "motionField"}),
                 QStringList({"alwaysField=\"40%\"", "motionField=\"60%\""}));
        QCOMPARE(r.sd_mem_always_ratio, 70u);
    }
};

ORVEX_TEST(ORXMotionAuxAudioPageModelsTest)
#include "tst_ORXMotionAuxAudioPageModels.moc"
