#include "OrvexTest.h"
#include "WidgetTestSupport.h"

#include "ORXImage.h"
#include "TKThreePartImageView.h"
#include "TKVideoBackgroundImageView.h"

#include <QPainter>

using namespace WidgetTest;

// The rectangle of pixels that differ between two images of the same size.
static QRect differingRect(const QImage& a, const QImage& b)
{
    QRect r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                r |= QRect(x, y, 1, 1);
    return r;
}

class ImageBackgroundsTest : public QObject
{
    Q_OBJECT

private slots:
    void videoLogoCentred_data()
    {
        QTest::addColumn<QString>("logo"); // on the background of the same video, "v1" or "v2"
        QTest::addColumn<QSize>("size");
        QTest::newRow("front, large") << "v1_front_logo" << QSize(640, 360);
        QTest::newRow("rear, second video, odd size") << "v2_rear_logo" << QSize(151, 97);
    }

    void videoLogoCentred()
    {
        QFETCH(QString, logo);
        QFETCH(QSize, size);
        TKVideoBackgroundImageView view;
        view.resize(size);
        view.setBackgroundNineImageName(logo.left(2));
        const QImage plain = render(view);
        view.setLogoImageName(logo);
        const QImage withLogo = render(view);

        const QSize logoSize = ORXImage::naturalSize(logo);
        const QRectF expected((size.width() - logoSize.width()) * 0.5,
                              (size.height() - logoSize.height()) * 0.5, logoSize.width(), logoSize.height());
        QCOMPARE(view.logoRect(), expected);
        // The logo's changes lie inside its rectangle (a pixel of slack), centred in the view.
        const QRect changed = differingRect(plain, withLogo);
        QVERIFY(!changed.isEmpty());
        QVERIFY(expected.adjusted(-1, -1, 1, 1).contains(QRectF(changed)));
        QVERIFY(qAbs(QRectF(changed).center().x() - size.width() / 2.0) < logoSize.width() * 0.2);
        QVERIFY(qAbs(QRectF(changed).center().y() - size.height() / 2.0) < logoSize.height() * 0.2);
    }

    void ninePartCorners()
    {
        // Coloured parts: corners at their own size, edges stretched between, the centre filling.
        TKVideoBackgroundImageView::NineParts parts;
        auto px = [](int w, int h, Qt::GlobalColor c) { return QPixmap::fromImage(solid(QSize(w, h), c)); };
        parts.topLeft = px(10, 8, Qt::red);
        parts.topRight = px(10, 8, Qt::green);
        parts.bottomLeft = px(10, 8, Qt::blue);
        parts.bottomRight = px(10, 8, Qt::yellow);
        parts.top = px(1, 8, Qt::cyan);
        parts.bottom = px(1, 8, Qt::magenta);
        parts.left = px(10, 1, Qt::darkRed);
        parts.right = px(10, 1, Qt::darkGreen);
        parts.center = px(1, 1, Qt::gray);
        QImage image = solid(QSize(100, 60), Qt::transparent);
        {
            QPainter painter(&image);
            TKVideoBackgroundImageView::drawNinePartImage(painter, QRectF(0, 0, 100, 60), parts);
        }
        const struct
        {
            QPoint at;
            QColor color;
        } checks[] = {
            {{0, 0}, Qt::red},     {{9, 7}, Qt::red},      {{90, 0}, Qt::green},
            {{99, 7}, Qt::green},  {{0, 52}, Qt::blue},    {{99, 59}, Qt::yellow},
            {{10, 0}, Qt::cyan},   {{89, 7}, Qt::cyan},    {{50, 59}, Qt::magenta},
            {{0, 8}, Qt::darkRed}, {{9, 51}, Qt::darkRed}, {{99, 30}, Qt::darkGreen},
            {{10, 8}, Qt::gray},   {{89, 51}, Qt::gray},
        };
        for (const auto& check : checks)
            QVERIFY2(image.pixel(check.at) == check.color.rgb(),
                     qPrintable(QStringLiteral("%1,%2").arg(check.at.x()).arg(check.at.y())));
        // A frame smaller than its corners gives them its space in proportion.
        QImage small = solid(QSize(10, 8), Qt::transparent);
        {
            QPainter painter(&small);
            TKVideoBackgroundImageView::drawNinePartImage(painter, QRectF(0, 0, 10, 8), parts);
        }
        QCOMPARE(small.pixel(4, 3), QColor(Qt::red).rgb());
        QCOMPARE(small.pixel(5, 4), QColor(Qt::yellow).rgb());
        // Edges start where the corners end: nothing shows through a clear corner.
        parts.topLeft = px(10, 8, Qt::transparent);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            TKVideoBackgroundImageView::drawNinePartImage(painter, QRectF(0, 0, 100, 60), parts);
        }
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }

    void threePart_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("leftEnd");    // last red column
        QTest::addColumn<int>("rightStart"); // first blue column
        QTest::newRow("wide") << 100 << 9 << 90;
        QTest::newRow("just the ends") << 20 << 9 << 10;
        QTest::newRow("narrower than the ends") << 10 << 4 << 5;
    }

    void threePart()
    {
        QFETCH(int, width);
        QFETCH(int, leftEnd);
        QFETCH(int, rightStart);
        TKThreePartImageView view;
        view.resize(width, 20);
        view.setImagesLeft(QPixmap::fromImage(solid(QSize(10, 36), Qt::red)),
                           QPixmap::fromImage(solid(QSize(4, 36), Qt::green)),
                           QPixmap::fromImage(solid(QSize(10, 36), Qt::blue)));
        const QImage drawn = render(view);
        for (int y : {0, 19}) {
            QCOMPARE(drawn.pixel(0, y), qRgb(255, 0, 0));
            QCOMPARE(drawn.pixel(leftEnd, y), qRgb(255, 0, 0));
            QCOMPARE(drawn.pixel(rightStart, y), qRgb(0, 0, 255));
            QCOMPARE(drawn.pixel(width - 1, y), qRgb(0, 0, 255));
            if (rightStart - leftEnd > 1)
                QCOMPARE(drawn.pixel((leftEnd + rightStart) / 2, y), qRgb(0, 255, 0));
        }
    }
};

ORVEX_TEST(ImageBackgroundsTest)
#include "tst_ImageBackgrounds.moc"
