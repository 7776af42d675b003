#include "ORXSettingForVideoViewController.h"

#include "ORXSettingPageModels.h"
#include "ui_ORXSettingForVideoViewController.h"

ORXSettingForVideoViewController::ORXSettingForVideoViewController(QWidget* parent)
    : ORXSettingPage(ORXSettingPageModels::byName(QStringLiteral("video")), parent),
      m_ui(std::make_unique<Ui::ORXSettingForVideoViewController>())
{
    m_ui->setupUi(this);
    setupPage();
}

ORXSettingForVideoViewController::~ORXSettingForVideoViewController() = default;
