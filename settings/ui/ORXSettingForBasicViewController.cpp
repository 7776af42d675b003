#include "ORXSettingForBasicViewController.h"

#include "ORXBasicPageModel.h"
#include "ORXLocalizedString.h"
#include "ORXSettingPageModels.h"
#include "ORXSettingSharedUi.h"
#include "ORXUserDefaults.h"
#include "ui_ORXSettingForBasicViewController.h"

namespace {
constexpr int kExternalPowerItem = 2;
}

ORXSettingForBasicViewController::ORXSettingForBasicViewController(QWidget* parent)
    : ORXSettingPage(ORXSettingPageModels::byName(QStringLiteral("basic")), parent),
      m_ui(std::make_unique<Ui::ORXSettingForBasicViewController>())
{
    m_ui->setupUi(this);
    setupPage();
    // The camera takes ASCII letters and digits only, eight at most.
    connect(m_ui->carNumberField, &QLineEdit::editingFinished, this, [this] {
        const QString plate = ORXBasicPageModel::plateText(m_ui->carNumberField->text());
        if (plate != m_ui->carNumberField->text())
            m_ui->carNumberField->setText(plate);
    });
    connect(m_ui->powerVoltageCombo, &QComboBox::activated, this, [this](int index) {
        if (index == kExternalPowerItem)
            showAlert(this, QStringLiteral("Warning"), ORXLocalizedString("msg.use_external_power_10v"));
    });
}

ORXSettingForBasicViewController::~ORXSettingForBasicViewController() = default;

bool ORXSettingForBasicViewController::populate()
{
    const bool stored = fileData() && !model()->validate(currentState());
    const bool result = ORXSettingPage::populate();
    // The next default record starts from the user's last external rear camera choice.
    if (stored)
        ORXUserDefaults::setExternalRearCamera(int(fileData()->external_rear_camera));
    return result;
}
