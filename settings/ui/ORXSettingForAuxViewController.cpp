#include "ORXSettingForAuxViewController.h"

#include "ORXAuxPageModel.h"
#include "ORXSettingPageModels.h"
#include "ORXSettingSharedUi.h"
#include "ui_ORXSettingForAuxViewController.h"

#include <QLineEdit>

ORXSettingForAuxViewController::ORXSettingForAuxViewController(QWidget* parent)
    : ORXSettingPage(ORXSettingPageModels::byName(QStringLiteral("aux")), parent),
      m_ui(std::make_unique<Ui::ORXSettingForAuxViewController>())
{
    m_ui->setupUi(this);
    setupPage();
    m_ui->memeryRatioSlider->setRange(0, ORXAuxPageModel::kRatioSteps);
    m_ui->ssidLabel->setMaxLength(ORXAuxPageModel::kWifiTextMax);
    m_ui->passwordLabel->setMaxLength(ORXAuxPageModel::kWifiTextMax);
    m_ui->alwaysField->setAccessibleName(m_ui->alwaysLabel->text());
    m_ui->motionField->setAccessibleName(m_ui->motionLabel->text());
    m_ui->sdcardCapacityWarningLabel->setStyleSheet(QStringLiteral("color: #f5a623;"));
    m_ui->sdcardCapacityWarningLabel->hide();
    // The motion box of the interface holds no control of this camera.
    m_ui->boxOfMotion->hide();
    connect(this, &ORXSettingPage::controlChanged, this, [this](const QString& outlet) {
        if (outlet == m_ui->memeryRatioSlider->objectName())
            m_ui->sdcardCapacityWarningLabel->show();
    });
}

ORXSettingForAuxViewController::~ORXSettingForAuxViewController() = default;

bool ORXSettingForAuxViewController::populate()
{
    if (!fileData() || !validateUserInput().isNull())
        return false;
    const ORXPageState state = currentState();
    if (model()->store(state, *fileData()))
        return true;
    if (const std::optional<ORXPageIssue> issue = ORXAuxPageModel::wifiIssue(state)) {
        if (QWidget* field = control(issue->outlet))
            field->setFocus(Qt::OtherFocusReason);
        showAlert(this, QStringLiteral("Warning"), issue->message);
    }
    return false;
}
