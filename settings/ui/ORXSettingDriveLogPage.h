#pragma once

#include "ORXDriveLogHost.h"
#include "ORXSettingControllerDelegate.h"

#include <QPointer>
#include <QWidget>

class ORXDriveLogViewController;

// A drive-log viewer as a page of the settings window: the page protocol on one side, the
// viewer's host (the window's progress sheet and the window itself) on the other. The
// window keeps the page for its whole life, so the log is read once.
class ORXSettingDriveLogPage : public QWidget, public ORXSettingControllerDelegate, public ORXDriveLogHost
{
    Q_OBJECT

public:
    // Takes the viewer as its child; `logPath` is the log found on the card (or empty).
    ORXSettingDriveLogPage(ORXDriveLogViewController* viewer, const QString& logPath,
                           QWidget* parent = nullptr);

    ORXDriveLogViewController* viewController() const { return m_viewer; }

    void setFileData(_FILEDATA* fileData) override;
    bool populate() override;
    QString validateUserInput() override { return QString(); }
    void setMainController(ORXSettingController* controller) override;
    void onHide() override;

    void showLoading(const QString& text) override;
    void hideLoading() override;
    QWidget* hostWindow() const override;

private:
    ORXDriveLogViewController* m_viewer;
    ORXSettingController* m_mainController = nullptr;
};
