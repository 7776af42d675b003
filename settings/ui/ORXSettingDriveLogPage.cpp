#include "ORXSettingDriveLogPage.h"

#include "ORXDriveLogViewController.h"
#include "ORXSettingController.h"

#include <QVBoxLayout>

ORXSettingDriveLogPage::ORXSettingDriveLogPage(ORXDriveLogViewController* viewer, const QString& logPath,
                                               QWidget* parent)
    : QWidget(parent), m_viewer(viewer)
{
    setObjectName(QStringLiteral("driveLogPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_viewer);
    m_viewer->setFlashDataFilePath(logPath);
    m_viewer->setMainController(this);
}

void ORXSettingDriveLogPage::setFileData(_FILEDATA* fileData)
{
    m_viewer->setFileData(fileData);
}

bool ORXSettingDriveLogPage::populate()
{
    return m_viewer->populate();
}

void ORXSettingDriveLogPage::setMainController(ORXSettingController* controller)
{
    m_mainController = controller;
}

void ORXSettingDriveLogPage::onHide()
{
    m_viewer->onHide();
}

void ORXSettingDriveLogPage::showLoading(const QString& text)
{
    if (m_mainController)
        m_mainController->showLoading(text);
}

void ORXSettingDriveLogPage::hideLoading()
{
    if (m_mainController)
        m_mainController->hideLoading();
}

QWidget* ORXSettingDriveLogPage::hostWindow() const
{
    return m_mainController ? static_cast<QWidget*>(m_mainController) : window();
}
