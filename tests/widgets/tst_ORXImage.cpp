#include "OrvexTest.h"

#include "ORXImage.h"

class ORXImageTest : public QObject
{
    Q_OBJECT

private slots:
    void everyNamedImageExists_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names = {
            "orvex",        "bottom-background", "v1_front_logo", "v1_rear_logo",      "v2_front_logo",
            "v2_rear_logo", "record_p.png",      "record_n.png",  "information_n.png", "information_p.png",
            "blueProgress", "greyProgress",      "barberProgress"};
        for (const char* base : {"v1", "v2"})
            for (const char* part : {"_top_left_corner", "_top_right_corner", "_bottom_left_corner",
                                     "_bottom_right_corner", "_left_edge_fill", "_right_edge_fill",
                                     "_top_edge_fill", "_bottom_edge_fill", "_center_fill"})
                names << QLatin1String(base) + QLatin1String(part);
        for (const char* icon : {"icon_play", "icon_pause"})
            for (const char* state : {"_n", "_f", "_p"})
                names << QLatin1String(icon) + QLatin1String(state);
        for (const char* channel : {"front", "rear"})
            for (const char* kind : {"alwa", "motion", "event"})
                names << QStringLiteral("car_%1_%2").arg(QLatin1String(channel), QLatin1String(kind));
        for (const char* part : {"left", "center", "right"})
            for (const char* pressed : {"", "_pressed"})
                names
                    << QStringLiteral("bg_bt_info_%1%2.png").arg(QLatin1String(part), QLatin1String(pressed));
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyNamedImageExists()
    {
        QFETCH(QString, name);
        QVERIFY(ORXImage::exists(name));
        const QSize size = ORXImage::naturalSize(name);
        QVERIFY(!size.isEmpty());
        const QImage image = ORXImage::image(name);
        QCOMPARE(image.size(), size);
        // Something is drawn: not every pixel is transparent.
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = qAlpha(image.pixel(x, y)) > 0;
        QVERIFY(drawn);
    }

    void extensionsAndUnsafeNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        QTest::newRow("plain") << "icon_play_n" << true;
        QTest::newRow("png") << "icon_play_n.png" << true;
        QTest::newRow("tif") << "blueProgress.tif" << true;
        QTest::newRow("upper-case extension") << "record_p.PNG" << true;
        QTest::newRow("unknown") << "icon_rewind_n" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("parent folder") << "../images/orvex" << false;
        QTest::newRow("absolute path") << "/etc/passwd" << false;
        QTest::newRow("resource path") << ":/images/orvex.svg" << false;
    }

    void extensionsAndUnsafeNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, exists);
        QCOMPARE(ORXImage::exists(name), exists);
        QCOMPARE(ORXImage::pixmap(name).isNull(), !exists);
    }

    void rendersAtPixelRatio()
    {
        const QImage image = ORXImage::image(QStringLiteral("orvex"), QSize(64, 64), 2.0);
        QCOMPARE(image.size(), QSize(128, 128));
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(ORXImage::pixmap(QStringLiteral("orvex"), QSize(64, 64), 2.0).deviceIndependentSize(),
                 QSizeF(64, 64));
    }

    void refusesHugeSizes()
    {
        QVERIFY(ORXImage::image(QStringLiteral("orvex"), QSize(100000, 100000)).isNull());
        QVERIFY(ORXImage::image(QStringLiteral("orvex"), QSize(4096, 4096), 4.0).isNull());
        QVERIFY(ORXImage::image(QStringLiteral("orvex"), QSize(64, 64), 0.0).isNull());
    }
};

ORVEX_TEST(ORXImageTest)
#include "tst_ORXImage.moc"
