#include "ORXPrinting.h"

#include "ORXLocalizedString.h"
#include "ORXPlaybackEngine.h"

#include <QDialog>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLoggingCategory>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

Q_LOGGING_CATEGORY(lcPrint, "orvex.player.print")

ORXPrinting::ORXPrinting(QWidget* window, QObject* parent)
    : QObject(parent), m_window(window), m_alert(ORXSnapshot::showAlert)
{
}

ORXPrinting::~ORXPrinting() = default;

QPrinter* ORXPrinting::loadPrintInfo()
{
    if (!m_printInfo)
        m_printInfo = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printInfo.get();
}

void ORXPrinting::print(ORXPlaybackEngine* player1)
{
    if (!player1 || !player1->media())
        return;
    QString error;
    if (!ORXSnapshot::takePicture(player1, &error)) {
        m_alert(m_window, error);
        return;
    }
    // Qt's dialog shows the paper size on its properties page.
    auto* dialog = new QPrintDialog(loadPrintInfo(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::finished, this, [this](int result) { printPanelDidEnd(result); });
    dialog->open();
}

bool ORXPrinting::printPanelDidEnd(int returnCode)
{
    if (returnCode != QDialog::Accepted)
        return false;
    QPrinter* printer = loadPrintInfo();
    const bool toPdf = printer->outputFormat() == QPrinter::PdfFormat;
    if (!toPdf && printer->printerName().isEmpty()) {
        qCWarning(lcPrint, "Got an error from PMSessionGetCurrentPrinter (%d)", -1);
        m_alert(m_window, ORXLocalizedString("print.failed"));
        emit printed(false);
        return false;
    }
    QString error;
    if (!printPicture(printer, ORXSnapshot::temporaryPicturePath(), &error)) {
        m_alert(m_window, ORXLocalizedString("print.failed") + QLatin1Char('\n') + error);
        emit printed(false);
        return false;
    }
    if (toPdf)
        m_alert(m_window, ORXLocalizedString("print.saved_pdf")
                              .arg(QFileInfo(printer->outputFileName()).absoluteFilePath()));
    emit printed(true);
    return true;
}

bool ORXPrinting::printPicture(QPrinter* printer, const QString& picturePath, QString* error)
{
    QImageReader reader(picturePath);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        *error = ORXLocalizedString("snapshot.failed");
        return false;
    }
    printer->setPageOrientation(picture.width() > picture.height() ? QPageLayout::Landscape
                                                                   : QPageLayout::Portrait);
    printer->setDocName(QStringLiteral("orvex_capture"));
    QPainter painter;
    if (!painter.begin(printer)) {
        qCWarning(lcPrint, "PMPrinterPrintWithFile returned error %d", int(printer->printerState()));
        *error = printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName()
                                                                : printer->printerName();
        return false;
    }
    // Fit to the page, keeping the picture's proportions, in the middle of it.
    const QRect page = painter.viewport();
    const QSize fitted = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.x() + (page.width() - fitted.width()) / 2,
                       page.y() + (page.height() - fitted.height()) / 2, fitted.width(), fitted.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    if (!painter.end()) {
        qCWarning(lcPrint, "PMPrinterPrintWithFile returned error %d", int(printer->printerState()));
        *error = printer->outputFileName();
        return false;
    }
    if (printer->printerState() == QPrinter::Error || printer->printerState() == QPrinter::Aborted) {
        qCWarning(lcPrint, "PMPrinterPrintWithFile returned error %d", int(printer->printerState()));
        *error = printer->printerName();
        return false;
    }
    return true;
}
