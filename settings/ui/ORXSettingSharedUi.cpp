#include "ORXSettingSharedUi.h"

#include "ORXSegmentedControl.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QMessageBox>

void setSegmentLabels(ORXSegmentedControl* control, const QStringList& labels)
{
    if (control)
        control->setLabels(labels);
}

void setComboItems(QComboBox* combo, const QStringList& items)
{
    if (!combo)
        return;
    combo->clear();
    combo->addItems(items);
}

void showAlertSheet(QWidget* window, const QString& message, const QString& informative,
                    std::function<void()> done)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("ORVEX"), message, QMessageBox::Ok,
                                window ? window->window() : nullptr);
    box->setObjectName(QStringLiteral("alertSheet"));
    box->setInformativeText(informative);
    box->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->button(QMessageBox::Ok)->setToolTip(QStringLiteral("OK"));
    QObject::connect(box, &QMessageBox::finished, box, [done = std::move(done)] {
        if (done)
            done();
    });
    box->open();
}

void showAlert(QWidget* window, const QString& message, const QString& informative)
{
    showAlertSheet(window, message, informative);
}

bool isEmptyString(const QString& text)
{
    return text.isEmpty();
}
