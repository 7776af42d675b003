#include "ORXSettingForGpsViewController.h"

#include "ORXSettingPageModels.h"
#include "ui_ORXSettingForGpsViewController.h"

ORXSettingForGpsViewController::ORXSettingForGpsViewController(QWidget* parent)
    : ORXSettingPage(ORXSettingPageModels::byName(QStringLiteral("gps")), parent),
      m_ui(std::make_unique<Ui::ORXSettingForGpsViewController>())
{
    m_ui->setupUi(this);
    setupPage();
}

ORXSettingForGpsViewController::~ORXSettingForGpsViewController() = default;
