#pragma once

#include "ORXTimeSetFile.h"

#include <QDate>
#include <QPointer>
#include <QTime>
#include <QWidget>

#include <memory>

#include <QFileDialog>
namespace Ui {
class ORXTimeSetupController;
}

// The clock window: the user picks a date (calendar, shown below in the long date style,
// with a "today" shortcut) and a time (a time field and a clock face with hands to drag,
// kept equal), and saves the camera's "timeset.cfg": onto the first USB card that holds one,
// else the one at the root of the folder open in the player, else where the user chooses in
// a save dialog. Looking for the card and writing run off the GUI thread.
class ORXTimeSetupController : public QWidget
{
    Q_OBJECT
public:
    // parent: the player window. playerFolder: the folder open in the player (may be empty).
    explicit ORXTimeSetupController(QWidget* parent = nullptr, const QString& playerFolder = QString());
    ~ORXTimeSetupController() override;

    Ui::ORXTimeSetupController* ui() const { return m_ui.get(); }
    QString settingFilePath() const { return m_SettingFilePath; }
    QDate selectedDate() const { return m_selectedDate; }
    QTime selectedTime() const { return m_selectedTime; }
    // True while the card is being looked for or the file written.
    bool isBusy() const { return m_busy; }

    // Picker actions.
    void daySelectedFromPicker();
    void timeSelectedFromPicker();
    void timeSelectedFromClickTimePicker();
    void nowDayChecked();
    void onSaveConfigFile();
    void onCloseCmd();

    // The save dialog (window-modal, name "timeset", type "cfg"); it stays open until the
    // user picks a file or cancels. nullptr when none is open.
    QFileDialog* savePanel() const { return m_savePanel; }

signals:
    void busyChanged(bool busy);

private:
    void onInitDIalog();
    void loadSettingFile();
    void settingFileLoaded(const QString& path);
    void openSavePanel();
    void doWriteConfigFile(const QString& path);
    void writeFinished(const QString& path, const QString& error);
    void styleDatePicker();
    void showSelectedDate();
    void setBusy(bool busy);

    std::unique_ptr<Ui::ORXTimeSetupController> m_ui;
    QString m_playerFolder;
    QString m_SettingFilePath;
    QDate m_selectedDate;
    QTime m_selectedTime;
    bool m_busy = false;
    QPointer<QFileDialog> m_savePanel;
};
