#include "OrvexTest.h"
#include "WidgetTestSupport.h"

#include "ORXImage.h"
#include "TKImageButton.h"

#include <QMouseEvent>

using namespace WidgetTest;

static QImage named(const QString& name)
{
    return ORXImage::pixmap(name).toImage();
}

class TKImageButtonTest : public QObject
{
    Q_OBJECT

private slots:
    void variantNames()
    {
        const struct
        {
            const char *image, *suffix, *variant;
            bool found;
        } cases[] = {{"icon_play_n", "_f", "icon_play_f", true},
                     {"icon_pause_n", "_p", "icon_pause_p", true},
                     {"record_p.png", "_n", "record_n.png", true},
                     {"orvex", "_f", "orv_f", false},
                     {".png", "_f", ".p_f", false}, // a leading dot starts no extension
                     {"a.png", "_f", "", false},    // a name too short for a state suffix
                     {"x", "_f", "", false}};
        for (const auto& c : cases) {
            TKImageButton button;
            button.setImageName(QLatin1String(c.image));
            QCOMPARE(button.imageNameWithSuffix(QLatin1String(c.suffix)), QLatin1String(c.variant));
            QCOMPARE(!button.buttonImageNameWithSuffix(QLatin1String(c.suffix)).isNull(), c.found);
        }
    }

    void states_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("mouseOver");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("normal") << true << false << false << "icon_pause_n";
        QTest::newRow("mouse over") << true << true << false << "icon_pause_f";
        QTest::newRow("pressed") << true << true << true << "icon_pause_p";
        QTest::newRow("disabled") << false << false << false << "icon_pause_d";
        QTest::newRow("disabled, mouse over") << false << true << false << "icon_pause_d";
    }

    void states()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, mouseOver);
        QFETCH(bool, pressed);
        QFETCH(QString, shown);
        TKImageButton button;
        button.setImageName(QStringLiteral("icon_pause_n")); // the "_d" image comes with the name
        button.resize(button.sizeHint());
        QCOMPARE(button.sizeHint(), QSize(48, 48));
        button.setEnabled(enabled);
        if (mouseOver)
            button.mouseEntered();
        button.setDown(pressed);
        const QImage drawn = render(button);
        QCOMPARE(drawn, named(shown).convertToFormat(drawn.format()));

        // Enabling again shows the active image (or the roll-over one with the mouse over it).
        button.setDown(false);
        button.setEnabled(true);
        QCOMPARE(button.displayedImage().toImage(), named(mouseOver ? "icon_pause_f" : "icon_pause_n"));
    }

    // Told its image on each play-state change, the button renders only for a new name or size.
    void imagesRenderOnlyWhenNew()
    {
        TKImageButton button;
        QSignalSpy names(&button, &TKImageButton::imageNameChanged);
        const quint64 before = ORXImage::renderCount();
        for (const char* name : {"icon_play_n", "icon_pause_n", "icon_play_n", "icon_play_n", "icon_pause_n"})
            button.setImageName(QLatin1String(name));
        QCOMPARE(button.imageName(), QStringLiteral("icon_pause_n"));
        QCOMPARE(names.count(), 4); // the same name again is no change
        const quint64 seen = ORXImage::renderCount();
        QVERIFY(seen - before <= 2);
        button.setImageName(QStringLiteral("icon_play_n"));
        button.setImageName(QStringLiteral("icon_play_n"));
        QCOMPARE(ORXImage::renderCount(), seen);
        ORXImage::image(QStringLiteral("icon_play_n"), QSize(31, 31), 1.0); // a size not drawn before
        QCOMPARE(ORXImage::renderCount(), seen + 1);
    }

    // A leave seen without its enter never takes the count below zero.
    void capturesNeverNegative()
    {
        TKImageButton button;
        button.setImageName(QStringLiteral("icon_play_n"));
        button.mouseExited();
        button.mouseEntered();
        QCOMPARE(button.numberOfCaptures(), qint64(1));
        QCOMPARE(button.image().toImage(), named("icon_play_f"));
        button.mouseEntered();
        button.resetMouseCaptures();
        QCOMPARE(button.numberOfCaptures(), 0);
        QCOMPARE(button.image().toImage(), named("icon_play_n"));
    }

    // The tracking area reaches 4 px past the button: real mouse events on the margin, the button, away.
    void pointerThroughWindow()
    {
        QWidget parent;
        parent.resize(200, 200);
        auto* button = new TKImageButton(&parent);
        button->setImageName(QStringLiteral("icon_play_n"));
        button->setGeometry(50, 50, 48, 48);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCOMPARE(button->trackingArea(), QRect(46, 46, 56, 56));
        const struct
        {
            QPoint pos;
            qint64 captures;
        } steps[] = {{{20, 70}, 0},  {{45, 70}, 0}, {{46, 70}, 1},   {{70, 70}, 1},  {{101, 70}, 1},
                     {{102, 70}, 0}, {{70, 46}, 1}, {{101, 101}, 1}, {{70, 102}, 0}, {{70, 150}, 0}};
        for (const auto& step : steps) {
            QTest::mouseMove(&parent, step.pos);
            QCoreApplication::processEvents();
            QVERIFY2(button->numberOfCaptures() == step.captures,
                     qPrintable(QStringLiteral("at %1,%2").arg(step.pos.x()).arg(step.pos.y())));
            QCOMPARE(button->image().toImage(), named(step.captures ? "icon_play_f" : "icon_play_n"));
        }
        // The pointer leaving the parent altogether also releases.
        QTest::mouseMove(&parent, QPoint(70, 70));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&parent, &leave);
        QCOMPARE(button->numberOfCaptures(), qint64(0));
    }
};

ORVEX_TEST(TKImageButtonTest)
#include "tst_TKImageButton.moc"
