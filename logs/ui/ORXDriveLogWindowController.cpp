#include "ORXDriveLogWindowController.h"

#include "ORXLocalizedString.h"
#include "ORXSettingForFlashDataViewController.h"
#include "ORXSettingForObdDriveInfoViewController.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

ORXDriveLogWindowController::ORXDriveLogWindowController(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("driveLogWindow"));
    const bool obd = ORXDriveLog::kindForPath(path) == ORXDriveLogKind::Obd;
    if (obd)
        m_viewController = new ORXSettingForObdDriveInfoViewController(this);
    else
        m_viewController = new ORXSettingForFlashDataViewController(this);
    setWindowTitle(ORXLocalizedString("drivelog.window_title").arg(QFileInfo(path).fileName()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_viewController);
    resize(obd ? 1100 : 900, 560);

    m_loadingPanel = new QFrame(this);
    m_loadingPanel->setObjectName(QStringLiteral("loadingPanel"));
    m_loadingPanel->setFrameShape(QFrame::StyledPanel);
    m_loadingPanel->setAutoFillBackground(true);
    m_loadingLabel = new QLabel(m_loadingPanel);
    m_loadingLabel->setAlignment(Qt::AlignCenter);
    auto* bar = new QProgressBar(m_loadingPanel);
    bar->setRange(0, 0); // busy: how long a read takes is not known
    bar->setTextVisible(false);
    bar->setAccessibleName(ORXLocalizedString("drivelog.loading"));
    auto* panelLayout = new QVBoxLayout(m_loadingPanel);
    panelLayout->addWidget(m_loadingLabel);
    panelLayout->addWidget(bar);
    m_loadingPanel->resize(260, 72);
    m_loadingPanel->hide();

    m_viewController->setMainController(this);
    m_viewController->setFlashDataFilePath(path);
    m_viewController->setFileData(&m_fileData);
}

ORXDriveLogWindowController* ORXDriveLogWindowController::openDriveLogDialog(QWidget* parent)
{
    const QString filter = ORXLocalizedString("drivelog.any_files") + QStringLiteral(" (*.obd *.drv);;") +
                           ORXLocalizedString("drivelog.obd_files") + QStringLiteral(" (*.obd);;") +
                           ORXLocalizedString("drivelog.drv_files") + QStringLiteral(" (*.drv)");
    const QString path =
        QFileDialog::getOpenFileName(parent, ORXLocalizedString("drivelog.open_title"), QString(), filter);
    if (path.isEmpty())
        return nullptr;
    auto* window = new ORXDriveLogWindowController(path, parent);
    window->show();
    return window;
}

bool ORXDriveLogWindowController::isLoadingShown() const
{
    return m_loadingPanel->isVisible();
}

void ORXDriveLogWindowController::showLoading(const QString& text)
{
    m_loadingLabel->setText(text);
    placeLoadingPanel();
    m_loadingPanel->show();
    m_loadingPanel->raise();
}

void ORXDriveLogWindowController::hideLoading()
{
    m_loadingPanel->hide();
}

void ORXDriveLogWindowController::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeLoadingPanel();
}

void ORXDriveLogWindowController::placeLoadingPanel()
{
    const QSize size = m_loadingPanel->size();
    m_loadingPanel->move((width() - size.width()) / 2, (height() - size.height()) / 2);
}
