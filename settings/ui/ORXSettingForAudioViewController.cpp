#include "ORXSettingForAudioViewController.h"

#include "ORXSettingPageModels.h"
#include "ui_ORXSettingForAudioViewController.h"

ORXSettingForAudioViewController::ORXSettingForAudioViewController(QWidget* parent)
    : ORXSettingPage(ORXSettingPageModels::byName(QStringLiteral("audio")), parent),
      m_ui(std::make_unique<Ui::ORXSettingForAudioViewController>())
{
    m_ui->setupUi(this);
    setupPage();
}

ORXSettingForAudioViewController::~ORXSettingForAudioViewController() = default;
