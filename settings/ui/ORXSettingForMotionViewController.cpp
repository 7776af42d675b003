#include "ORXSettingForMotionViewController.h"

#include "ORXMotionPageModel.h"
#include "ORXSettingPageModels.h"
#include "ui_ORXSettingForMotionViewController.h"

#include <QCheckBox>
#include <QGroupBox>

ORXSettingForMotionViewController::ORXSettingForMotionViewController(QWidget* parent)
    : ORXSettingPage(ORXSettingPageModels::byName(QStringLiteral("motion")), parent),
      m_ui(std::make_unique<Ui::ORXSettingForMotionViewController>())
{
    m_ui->setupUi(this);
    setupPage();
    // A block's own text is only its number: screen readers hear the camera too.
    for (const bool front : {true, false}) {
        const QGroupBox* box = front ? m_ui->boxOfFrontMotionBlock : m_ui->boxOfRearMotionBlock;
        const QString camera =
            (front ? m_ui->frontMotionSensitivityLabel : m_ui->rearMotionSensitivityLabel)->text();
        for (int block = 1; block <= ORXMotionPageModel::kBlockCount; ++block) {
            auto* check = box->findChild<QCheckBox*>(ORXMotionPageModel::blockOutlet(front, block));
            if (!check)
                continue;
            check->setAccessibleName(QStringLiteral("%1: %2").arg(camera, check->text()));
            check->setToolTip(check->accessibleName());
        }
    }
}

ORXSettingForMotionViewController::~ORXSettingForMotionViewController() = default;
