#include "OrvexTest.h"

#include "EcoSliderAxisView.h"
#include "ORXImage.h"
#include "SMDoubleSlider.h"
#include "WidgetTestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {
// At a value's place, `nudge` pixels right of it.
void sendMouse(SMDoubleSlider& s, QEvent::Type type, double value, Qt::MouseButtons held, double nudge = 0)
{
    const QPointF at(s.positionForValue(value) + nudge, s.height() / 2.0);
    QMouseEvent event(type, at, s.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
    QApplication::sendEvent(&s, &event);
}

struct Slider
{
    SMDoubleSlider s;
    Slider(double lo, double hi, int width = 300)
    {
        s.setImageNames(QStringLiteral("eco_knob_left"), QStringLiteral("eco_knob_right"),
                        QStringLiteral("eco_barFill"));
        s.resize(width, 30);
        s.setDoubleHiValue(hi);
        s.setDoubleLoValue(lo);
    }
};
} // namespace

class SMDoubleSliderTest : public QObject
{
    Q_OBJECT

private slots:
    // A press (at a value's place, a pixel either side) and a drag to a value.
    void knobChoiceAndDrag_data()
    {
        QTest::addColumn<double>("lo0");
        QTest::addColumn<double>("hi0");
        QTest::addColumn<double>("press");
        QTest::addColumn<int>("nudge");
        QTest::addColumn<double>("dragTo"); // -1: no drag
        QTest::addColumn<bool>("lowKnob");
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::newRow("low dragged past high stops there")
            << 30.0 << 70.0 << 30.0 << -2 << 90.0 << true << 70.0 << 70.0;
        QTest::newRow("stacked at the minimum: high moves")
            << 0.0 << 0.0 << 0.0 << -2 << 40.0 << false << 0.0 << 40.0;
        QTest::newRow("stacked above the minimum: low moves")
            << 50.0 << 50.0 << 50.0 << -2 << 20.0 << true << 20.0 << 50.0;
        // Pressed beside the high knob: it comes to the mouse, 2 pixels (0.7) right of the value.
        QTest::newRow("right of low centre, left of high: high")
            << 30.0 << 70.0 << 30.0 << 2 << 45.0 << false << 30.0 << 45.7;
        QTest::newRow("press between moves high")
            << 30.0 << 70.0 << 40.0 << 0 << -1.0 << false << 30.0 << 40.0;
    }
    void knobChoiceAndDrag()
    {
        QFETCH(double, press);
        QFETCH(int, nudge);
        QFETCH(double, dragTo);
        QFETCH(double, lo0);
        QFETCH(double, hi0);
        Slider t(lo0, hi0);
        sendMouse(t.s, QEvent::MouseButtonPress, press, Qt::LeftButton, nudge);
        QTEST(t.s.trackingLoKnob(), "lowKnob");
        // The mouse keeps its place on the knob while it drags.
        const double releaseAt = dragTo >= 0 ? dragTo : press;
        if (dragTo >= 0)
            sendMouse(t.s, QEvent::MouseMove, dragTo, Qt::LeftButton, nudge);
        sendMouse(t.s, QEvent::MouseButtonRelease, releaseAt, Qt::NoButton, nudge);
        QFETCH(double, lo);
        QFETCH(double, hi);
        QVERIFY2(qAbs(t.s.doubleLoValue() - lo) < 0.1, qPrintable(QString::number(t.s.doubleLoValue())));
        QVERIFY2(qAbs(t.s.doubleHiValue() - hi) < 0.1, qPrintable(QString::number(t.s.doubleHiValue())));
        // The knobs are drawn at their images' size, centred on the track's height.
        const QRectF knob = t.s.knobRect(true);
        QCOMPARE(knob.size(), QSizeF(ORXImage::naturalSize(QStringLiteral("eco_knob_left"))));
        QCOMPARE(knob.center().y(), 15.0);
    }

    // A pressed knob is veiled lighter, its edge included.
    void pressedKnobIsLighter()
    {
        Slider t(30, 70);
        const QRectF knob = t.s.knobRect(false);
        const QPoint centre = knob.center().toPoint(), edge(int(knob.left()), centre.y());
        const QImage before = WidgetTest::render(t.s);
        sendMouse(t.s, QEvent::MouseButtonPress, 70, Qt::LeftButton);
        const QImage pressed = WidgetTest::render(t.s);
        QVERIFY(pressed.pixelColor(centre).lightness() > before.pixelColor(centre).lightness());
        QVERIFY(pressed.pixelColor(edge).lightness() >= before.pixelColor(edge).lightness());
    }

    void keyboardMovesAndSwitchesKnobs()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* slider = new SMDoubleSlider;
        auto* after = new QWidget;
        after->setFocusPolicy(Qt::StrongFocus);
        layout->addWidget(slider);
        layout->addWidget(after);
        slider->setDoubleHiValue(70);
        slider->setDoubleLoValue(30);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        after->setFocus();
        slider->setFocus(Qt::BacktabFocusReason); // arriving backwards: the high knob
        QVERIFY(!slider->trackingLoKnob());
        after->setFocus();
        slider->setFocus(Qt::TabFocusReason);
        QVERIFY(slider->trackingLoKnob());
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(slider->doubleLoValue(), 31.0);
        QTest::keyClick(slider, Qt::Key_Tab); // to the high knob, focus stays
        QVERIFY(slider->hasFocus() && !slider->trackingLoKnob());
        QTest::keyClick(slider, Qt::Key_PageUp);
        QCOMPARE(slider->doubleHiValue(), 80.0);
        QTest::keyClick(slider, Qt::Key_Tab); // leaves the slider
        QVERIFY(after->hasFocus());
    }

    void axisTicksStandUnderTheTrack_data()
    {
        QTest::addColumn<int>("width");
        for (int w : {180, 849})
            QTest::addRow("%d px", w) << w;
    }
    void axisTicksStandUnderTheTrack()
    {
        QFETCH(int, width);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* slider = new SMDoubleSlider;
        slider->setImageNames(QStringLiteral("eco_knob_left"), QStringLiteral("eco_knob_right"),
                              QStringLiteral("eco_barFill"));
        slider->setDoubleHiValue(70);
        slider->setDoubleLoValue(30);
        auto* axis = new EcoSliderAxisView;
        axis->setSlider(slider);
        layout->addWidget(slider);
        layout->addWidget(axis);
        window.resize(width, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double offset = slider->mapTo(&window, QPoint()).x() - axis->mapTo(&window, QPoint()).x();
        for (int i = 0; i < EcoSliderAxisView::kTickCount; ++i) {
            const QRectF tick = axis->tickRect(i);
            QVERIFY2(tick.left() >= offset + slider->trackLeft() - 1 &&
                         tick.right() <= offset + slider->trackRight() + 1,
                     qPrintable(QStringLiteral("tick %1 at %2").arg(i).arg(tick.left())));
            QCOMPARE(tick.height(), EcoSliderAxisView::isLongTick(i) ? 8.0 : 5.0);
        }
        QVERIFY(qAbs(axis->tickRect(21).center().x() - (offset + slider->trackRight())) <= 1);
        QCOMPARE(slider->height(), slider->sizeHint().height()); // only the width follows the window
    }
};

ORVEX_TEST(SMDoubleSliderTest)
#include "tst_SMDoubleSlider.moc"
