#pragma once

#include "ORXConfigRecord.h"
#include "TKUSBDiskEntity.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class ORXSettingControllerDelegate;
class PMProgressIndicator;
class QCheckBox;
class QDialog;
class QLabel;
class QTimer;
namespace Ui {
class ORXSettingController;
}

// The camera's settings window: a row of tabs (one page at a time), and the buttons to
// format the card, reset to defaults, save and cancel. It owns the one record that every
// page edits in place. It finds the card (renaming it to "ORVEX" when allowed) and reads
// its "config.bin" off the GUI thread behind a progress sheet, and writes it back off the
// GUI thread on Save. With no card, a 428-byte "config.bin" in the root of the folder open
// in the player (a copy of the card) is edited instead.
class ORXSettingController : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)

public:
    static constexpr int kTabCount = 7;
    static constexpr int kDriveInfoTab = 6;
    // With an OBD camera: tab 2 is the OBD page and this extra tab shows the card's OBD log.
    static constexpr int kObdLogTab = 7;

    // What the player tells the window before it opens: the folder it shows and the
    // recording it plays (the card of that recording is not renamed).
    struct PlayerState
    {
        QString folderPath;
        QString playingPath;
    };

    explicit ORXSettingController(const PlayerState& player = PlayerState(), QWidget* parent = nullptr);
    ~ORXSettingController() override;

    // The record all pages edit.
    _FILEDATA* filedata() { return &m_FileData; }
    QString settingFilePath() const { return m_SettingFilePath; }
    std::optional<TKUSBDiskEntity> selectedUSBDisk() const { return m_selectedUSBDisk; }
    bool isEditingCopy() const { return m_isCopy; }
    QString version() const { return m_strVersion; }
    int lastSelectedTabIndex() const { return m_lastSelectedTabIndex; }
    QWidget* targetController() const { return m_targetController; }
    double progress() const { return m_progress; }
    bool isLoading() const { return m_loading; }
    int tabCount() const { return m_obdCamera ? kTabCount + 1 : kTabCount; }
    bool isObdCamera() const { return m_obdCamera; }
    // The "OBD camera" check box: tab 2 becomes the OBD page (or the GPS page again).
    void chooseObdCamera(bool on);

    // The page switch of the tabs: leaving a page validates and stores it.
    void changeViewController(int index);
    bool populate();
    QString validateUserInput();

    void onSave();
    void onSaveDefaultSetting();
    void onFormat();
    void onCloseCmd();
    // Looks for the card and reads its file again (after the card was formatted).
    void findCardAgain();

    void showLoading(const QString& text);
    void updateLoadingWindow(double seconds);
    void hideLoading();

signals:
    void progressChanged(double progress);
    // The card search and read ended; the record and the title show what was found.
    void settingsLoaded();
    // The card was renamed and is now mounted at another path.
    void cardRemounted(const QString& oldMountPath, const QString& newMountPath);
    // A save ended: the path written, or the message shown.
    void saveFinished(bool saved, const QString& pathOrMessage);
    // The card's drive logs were looked for; the tabs show whether it is an OBD camera's.
    void cardLogsFound();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onInitDIalog();
    void loadSettingFile();
    void setupTabs();
    void setupProgressPanel();
    void updateTitle();
    QWidget* createPage(int index);
    QWidget* createDriveInfoController();
    QWidget* createObdLogController();
    void scanCardLogs();
    void updateTabs();
    ORXSettingControllerDelegate* currentDelegate() const;
    void selectTab(int index);
    void writeSettings(const QString& target);
    void setBusy(bool busy);

    std::unique_ptr<Ui::ORXSettingController> m_ui;
    _FILEDATA m_FileData{};
    QString m_SettingFilePath;
    std::optional<TKUSBDiskEntity> m_selectedUSBDisk;
    bool m_isCopy = false;
    QString m_strVersion;
    PlayerState m_player;

    int m_lastSelectedTabIndex = -1;
    QPointer<QWidget> m_targetController;
    QPointer<QWidget> m_driveInfoController;
    QPointer<QWidget> m_obdLogController;
    QCheckBox* m_obdCameraChk = nullptr;
    QString m_flashLogPath; // found on the card (or copy) off the GUI thread
    QString m_obdLogPath;
    bool m_obdCamera = false;
    QPointer<QWidget> m_lastDialogController;

    QDialog* m_progressPanel = nullptr;
    PMProgressIndicator* m_progressIndicator = nullptr;
    QLabel* m_progressTitleField = nullptr;
    double m_progress = 0;
    bool m_stopLoadingWindow = true;
    int m_loadingGeneration = 0;
    bool m_loading = false;
    bool m_saving = false;
    bool m_closing = false;
};
