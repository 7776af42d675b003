#include "OrvexTest.h"

#include "../PageRecord.h"
#include "ORXLocalizedString.h"
#include "ORXSettingPage.h"
#include "ORXSettingPageFactory.h"
#include "ORXSettingPageModel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>

namespace {
std::unique_ptr<ORXSettingPage> page(const char* name, _FILEDATA* record)
{
    std::unique_ptr<ORXSettingPage> p(
        qobject_cast<ORXSettingPage*>(ORXSettingPageFactory::createSettingPage(name)));
    if (p)
        p->setFileData(record);
    return p;
}

QMessageBox* openAlert()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    }
    return nullptr;
}
} // namespace

// The motion, AUX and audio pages over their interface files.
class ORXMotionAuxAudioPagesTest : public QObject
{
    Q_OBJECT
private slots:
    // A share under 20 percent stores nothing; a bad Wi-Fi password is refused with an
    // alert after everything else was stored; the slider shows the card warning.
    void auxRefusals()
    {
        _FILEDATA r = recordWith({});
        const auto p = page("aux", &r);
        p->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.get()));
        auto* slider = p->findChild<QSlider*>("memeryRatioSlider");
        QVERIFY(p->findChild<QLabel*>("sdcardCapacityWarningLabel")->isHidden());
        slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(p->findChild<QLabel*>("alwaysField")->text(), QString("90%"));
        QVERIFY(!p->findChild<QLabel*>("sdcardCapacityWarningLabel")->isHidden());
        QVERIFY(!p->populate());
        QCOMPARE(r.sd_mem_always_ratio, 70u);
        QVERIFY(!openAlert());

        slider->triggerAction(QAbstractSlider::SliderSingleStepSub);
        auto* password = p->findChild<QLineEdit*>("passwordLabel");
        // Named by its box and its label, both translated.
        QCOMPARE(password->accessibleName(), ORXLocalizedString("setting.aux.wifi_settings") + ": " +
                                                 ORXLocalizedString("setting.aux.password"));
        password->setText("12345678901234567890");
        QCOMPARE(password->text(), QString("1234567890123456")); // as typed, at most 16
        password->setText("pass word");
        QVERIFY(!p->populate());
        QCOMPARE(r.sd_mem_always_ratio, 80u);
        QCOMPARE(QByteArray(r.wifi_password), QByteArray("47205813"));
        QMessageBox* alert = openAlert();
        QVERIFY(alert);
        QCOMPARE(alert->text(), QString("Warning"));
        alert->accept();
        QTRY_COMPARE(QApplication::focusWidget(), password);
    }

    // Exactly one language is chosen: Malaysia is written when chosen, a cell turns it off.
    void audioLanguageChoice()
    {
        _FILEDATA r = recordWith({});
        const auto p = page("audio", &r);
        auto* malaysia = p->findChild<QRadioButton*>("malaysiaRadio");
        const QList<QAbstractButton*> cells = matrixButtons(p->control("voiceLangRadio"));
        QCOMPARE(cells.size(), 20);
        malaysia->click();
        QCOMPARE(r.Brightness1, 20u);
        QVERIFY(std::none_of(cells.begin(), cells.end(), [](auto* c) { return c->isChecked(); }));
        malaysia->click();
        QVERIFY(malaysia->isChecked());
        cells.at(1)->click();
        QVERIFY(!malaysia->isChecked());
        QVERIFY(p->populate());
        QCOMPARE(r.Brightness1, 1u);
    }
};

ORVEX_TEST(ORXMotionAuxAudioPagesTest)
#include "tst_ORXMotionAuxAudioPages.moc"
