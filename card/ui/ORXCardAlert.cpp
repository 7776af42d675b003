#include "ORXCardAlert.h"

#include <QMessageBox>
#include <QPushButton>

QMessageBox* showCardAlert(QWidget* window, const QString& message, const QString& informative,
                           const std::function<void()>& onOk)
{
    auto* box = new QMessageBox(window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->setWindowTitle(QStringLiteral("ORVEX"));
    box->setIcon(QMessageBox::NoIcon);
    box->setText(message);
    box->setInformativeText(informative);
    // Room for a disk's description on one line.
    box->setStyleSheet(QStringLiteral("QLabel#qt_msgbox_informativelabel { min-width: 340px; }"));
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    ok->setAccessibleName(QStringLiteral("OK"));
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    if (onOk)
        QObject::connect(box, &QMessageBox::finished, window, [onOk](int) { onOk(); });
    box->open();
    return box;
}
