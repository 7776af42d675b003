#pragma once

#include "ORXSnapshot.h"

#include <QObject>
#include <QPointer>

#include <memory>

class ORXPlaybackEngine;
class QPrinter;
class QWidget;

// Prints a still picture of the large video: the picture goes to the temporary file, the
// print dialog opens window-modal on the player window, and on its end the picture is
// drawn fit to the page, centred and turned to its own aspect. The printer settings are
// kept for the rest of the run. When the chosen destination is a PDF file the PDF is
// written there and the user is told where it went.
class ORXPrinting : public QObject
{
    Q_OBJECT

public:
    explicit ORXPrinting(QWidget* window, QObject* parent = nullptr);
    ~ORXPrinting() override;

    // Prints player1's current picture (also while paused); nothing without media.
    void print(ORXPlaybackEngine* player1);
    // The print settings, made on first use and then kept.
    QPrinter* loadPrintInfo();
    // The end of the print dialog: prints the temporary picture when the user chose to.
    // True once the picture has gone to the printer or the PDF file.
    bool printPanelDidEnd(int returnCode);

    // Draws a picture on the printer: fit to the page, centred, oriented to its aspect.
    static bool printPicture(QPrinter* printer, const QString& picturePath, QString* error);

    void setAlert(ORXSnapshot::Alert alert) { m_alert = std::move(alert); }

signals:
    void printed(bool ok); // after each print dialog the user accepted

private:
    QPointer<QWidget> m_window;
    std::unique_ptr<QPrinter> m_printInfo;
    ORXSnapshot::Alert m_alert;
};
