#include "OrvexTest.h"

#include "ORXConfigRecord.h"
#include "ORXLocalizedString.h"
#include "ORXSegmentedControl.h"
#include "ORXSettingPage.h"
#include "ORXSettingPageModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstring>

namespace {
// A page of every control kind over a few record fields.
class ProbeModel : public ORXSettingPageModel
{
public:
    QString name() const override { return "probe"; }
    ORXPageState display(const _FILEDATA& r) const override
    {
        ORXPageState s;
        s.choice("seg", indexIn(r.disp_segment_mode, 3))
            .choice("combo", indexIn(r.composite_mode, 2))
            .check("chk", r.g_sensor_enable != 0)
            .text("field", QString::fromLatin1(r.szPlateNumber, qstrnlen(r.szPlateNumber, 8)))
            .number("slider", r.sd_mem_always_ratio / 10)
            .choice("matrix", indexIn(r.pip_position, 4));
        applyRules(s);
        return s;
    }
    void applyRules(ORXPageState& s) const override { s.setEnabled("field", s.isChecked("chk")); }
    std::optional<ORXPageIssue> validate(const ORXPageState& s) const override
    {
        if (s.isChecked("chk") && s.textOf("field").isEmpty())
            return ORXPageIssue{"field", "empty field"};
        return std::nullopt;
    }
    bool store(const ORXPageState& s, _FILEDATA& r) const override
    {
        r.disp_segment_mode = chosenIndex(s, "seg", r.disp_segment_mode);
        r.composite_mode = chosenIndex(s, "combo", r.composite_mode);
        r.g_sensor_enable = s.isChecked("chk");
        setConfigFieldText(&r, *findConfigField("szPlateNumber"), s.textOf("field").toLatin1());
        r.sd_mem_always_ratio = quint32(s.value("slider")) * 10;
        r.pip_position = chosenIndex(s, "matrix", r.pip_position);
        return true;
    }
    QStringList items(const QString& outlet) const override
    {
        if (outlet == "seg")
            return {"a", "b", "c"};
        if (outlet == "combo")
            return {"x", "y"};
        if (outlet == "matrix")
            return {"tl", "tr", "bl", "br"};
        return {};
    }
    void clicked(const QString& outlet, ORXPageState& s, _FILEDATA& r) const override
    {
        if (outlet == "chk")
            r.g_sensor_enable = s.isChecked("chk") ? 7 : 0;
    }
};

class ProbePage : public ORXSettingPage
{
public:
    explicit ProbePage(const ORXSettingPageModel* model) : ORXSettingPage(model)
    {
        auto* layout = new QVBoxLayout(this);
        auto* box = new QGroupBox("msg.saved", this);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(make<ORXSegmentedControl>("seg"));
        layout->addWidget(box);
        layout->addWidget(make<QComboBox>("combo"));
        layout->addWidget(make<QCheckBox>("chk"));
        auto* label = new QLabel("Plate", this);
        label->setBuddy(make<QLineEdit>("field"));
        layout->addWidget(label);
        layout->addWidget(findChild<QLineEdit*>("field"));
        auto* slider = make<QSlider>("slider");
        slider->setRange(0, 10);
        layout->addWidget(slider);
        auto* matrix = make<QWidget>("matrix");
        auto* grid = new QGridLayout(matrix);
        for (int i = 0; i < 4; ++i)
            grid->addWidget(new QRadioButton(matrix), i / 2, i % 2);
        layout->addWidget(matrix);
        setupPage();
    }
    template <typename W> W* make(const QString& name)
    {
        auto* w = new W(this);
        w->setObjectName(name);
        return w;
    }
};

_FILEDATA record()
{
    _FILEDATA r;
    std::memset(&r, 0, sizeof r);
    r.disp_segment_mode = 1;
    r.composite_mode = 1;
    r.g_sensor_enable = 1;
    std::memcpy(r.szPlateNumber, "AB12", 4);
    r.sd_mem_always_ratio = 70;
    r.pip_position = 2;
    return r;
}
} // namespace

// The page protocol over a page model, through a page of every control kind.
class ORXSettingPageTest : public QObject
{
    Q_OBJECT
private slots:
    void showsRecordLabelsAndNames()
    {
        ProbeModel model;
        ProbePage page(&model);
        _FILEDATA r = record();
        page.setFileData(&r);
        QCOMPARE(page.findChild<QGroupBox*>()->title(), ORXLocalizedString("msg.saved"));
        auto* seg = page.findChild<ORXSegmentedControl*>("seg");
        QCOMPARE(seg->labels(), QStringList({"a", "b", "c"}));
        QCOMPARE(seg->accessibleName(), ORXLocalizedString("msg.saved"));
        QCOMPARE(page.control("field")->accessibleName(), QString("Plate"));
        QCOMPARE(page.currentState(), model.display(r));
        QVERIFY(matrixButtons(page.control("matrix")).at(2)->isChecked()); // row 1, column 0
    }

    // What the user changes goes through the click-time store and the rules; populate
    // stores every control, and a choice without selection keeps its field.
    void userChangesAndStore()
    {
        ProbeModel model;
        ProbePage page(&model);
        _FILEDATA r = record();
        r.disp_segment_mode = 9; // no such segment
        page.setFileData(&r);
        QCOMPARE(page.findChild<ORXSegmentedControl*>("seg")->selectedSegment(), -1);
        page.findChild<QCheckBox*>("chk")->click();
        QCOMPARE(r.g_sensor_enable, 0u); // stored at once
        QVERIFY(!page.control("field")->isEnabled());
        page.findChild<QComboBox*>("combo")->setCurrentIndex(0);
        page.findChild<QSlider*>("slider")->setValue(3);
        matrixButtons(page.control("matrix")).at(1)->click();
        QVERIFY(page.populate());
        QCOMPARE(r.disp_segment_mode, 9u);
        QCOMPARE(r.composite_mode, 0u);
        QCOMPARE(r.sd_mem_always_ratio, 30u);
        QCOMPARE(r.pip_position, 1u);
    }

    void refusalFocusesTheBadControl()
    {
        ProbeModel model;
        ProbePage page(&model);
        _FILEDATA r = record();
        page.setFileData(&r);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.activateWindow();
        page.findChild<QLineEdit*>("field")->clear();
        page.findChild<QComboBox*>("combo")->setFocus();
        QCOMPARE(page.validateUserInput(), QString("empty field"));
        QVERIFY(page.populate()); // lets go, stores nothing
        QCOMPARE(QByteArray(r.szPlateNumber, 4), QByteArray("AB12"));
        QTRY_COMPARE(QApplication::focusWidget(), page.control("field"));
    }
};

ORVEX_TEST(ORXSettingPageTest)
#include "tst_ORXSettingPage.moc"
