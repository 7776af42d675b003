// Printing a still picture to a PDF file, read back with poppler's pdftoppm.
#include "OrvexTest.h"

#include "ORXPrinting.h"
#include "ORXSnapshot.h"

#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <cmath>

class PrintTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    static bool writePicture(QSize size)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QPainter(&picture).fillRect(QRect(QPoint(size.width() / 4, size.height() / 4), size / 2), Qt::red);
        return picture.save(ORXSnapshot::temporaryPicturePath(), "PNG");
    }

private slots:
    void pictureFitsTheOnePage_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("wide video") << QSize(320, 180) << true;
        QTest::newRow("tall picture") << QSize(180, 320) << false;
    }
    void pictureFitsTheOnePage()
    {
        QFETCH(QSize, size);
        QFETCH(bool, landscape);
        QVERIFY(writePicture(size));
        ORXPrinting printing(nullptr);
        QStringList alerts;
        printing.setAlert([&](QWidget*, const QString& text) { alerts.append(text); });
        const QString pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
        QPrinter* printer = printing.loadPrintInfo();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        QVERIFY(printing.printPanelDidEnd(QDialog::Accepted));
        QCOMPARE(alerts.size(), 1);
        QVERIFY(alerts.first().contains(pdf)); // the user learns where it went

        const QString prefix = m_dir.filePath(QStringLiteral("page"));
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"), {"-r", "20", "-png", "-singlefile", pdf, prefix});
        QVERIFY(pdftoppm.waitForFinished(30000) && pdftoppm.exitStatus() == QProcess::NormalExit &&
                pdftoppm.exitCode() == 0);
        const QImage page(prefix + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        QCOMPARE(page.width() > page.height(), landscape);
        const QRgb middle = page.pixel(page.width() / 2, page.height() / 2);
        QVERIFY(qRed(middle) > 200 && qBlue(middle) < 80);
        // Fit and centred: the picture fills the page along its long side, equal gaps either side.
        QRect box;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qRed(page.pixel(x, y)) < 128 || qGreen(page.pixel(x, y)) < 128)
                    box |= QRect(x, y, 1, 1);
        QVERIFY(box.width() > page.width() * 8 / 10 || box.height() > page.height() * 8 / 10);
        QVERIFY(std::abs(box.left() - (page.width() - 1 - box.right())) <= 2);
        QVERIFY(std::abs(box.top() - (page.height() - 1 - box.bottom())) <= 2);
        QVERIFY(std::abs(double(box.width()) / box.height() - double(size.width()) / size.height()) < 0.1);
    }

    void cancelledOrFailedIsNotSuccess()
    {
        QVERIFY(writePicture(QSize(64, 36)));
        ORXPrinting printing(nullptr);
        QStringList alerts;
        printing.setAlert([&](QWidget*, const QString& text) { alerts.append(text); });
        QPrinter* printer = printing.loadPrintInfo();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_dir.filePath(QStringLiteral("cancelled.pdf")));
        QVERIFY(!printing.printPanelDidEnd(QDialog::Rejected));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("cancelled.pdf"))));
        QVERIFY(alerts.isEmpty());

        printer->setOutputFileName(m_dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
        QVERIFY(!printing.printPanelDidEnd(QDialog::Accepted));
        QCOMPARE(alerts.size(), 1);
    }
};

ORVEX_TEST(PrintTest)
#include "tst_print.moc"
