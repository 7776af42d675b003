#pragma once

#include "ORXConfigRecord.h"
#include "ORXDriveLogHost.h"

#include <QWidget>

class ORXDriveLogViewController;
class QFrame;
class QLabel;

// A window of its own for one drive log, wherever it was copied: it shows the viewer of the
// log's kind (by the extension, "obd" or "drv") and gives it a loading panel.
class ORXDriveLogWindowController : public QWidget, public ORXDriveLogHost
{
    Q_OBJECT

public:
    explicit ORXDriveLogWindowController(const QString& path, QWidget* parent = nullptr);

    // Asks for a log file and opens it in a new window; null when the user cancels.
    static ORXDriveLogWindowController* openDriveLogDialog(QWidget* parent);

    ORXDriveLogViewController* viewController() const { return m_viewController; }
    bool isLoadingShown() const;

    void showLoading(const QString& text) override;
    void hideLoading() override;
    QWidget* hostWindow() const override { return const_cast<ORXDriveLogWindowController*>(this); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeLoadingPanel();

    // The viewers take a record only as the sign that they are shown; they never edit it.
    _FILEDATA m_fileData{};
    ORXDriveLogViewController* m_viewController = nullptr;
    QFrame* m_loadingPanel = nullptr;
    QLabel* m_loadingLabel = nullptr;
};
