#pragma once

#include "ORXCardFormatter.h"
#include "TKUSBDiskEntity.h"

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class ORXUDisksWatcher;
#include <QMessageBox>
namespace Ui {
class ORXFormatWindowController;
}

// The format window: lists the USB cards, shows the cluster size and file system that will
// be used, and formats the chosen card after the user has confirmed it (the confirmation
// names the disk as it is at that moment; the run refuses a card that has been swapped
// since). The list follows cards put in or taken out. While a run goes on, Format and the
// window's close button are disabled; the progress shows in the window and on the
// launcher icon.
//
// For the window that opens it (the host): the window is a separate top-level window
// owned by the host. formatFinished() tells the host that a run ended (the card's mount path
// has changed, so look for it again). If the host goes away during a run, the run carries
// on to its end without blocking anyone and its result is logged.
class ORXFormatWindowController : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)

public:
    explicit ORXFormatWindowController(QWidget* host = nullptr);
    ~ORXFormatWindowController() override;

    Ui::ORXFormatWindowController* ui() const { return m_ui.get(); }
    QList<TKUSBDiskEntity> usbDiskArray() const { return m_usbDiskArray; }
    double progress() const { return m_progress; }
    bool stopProgressBar() const { return m_stopProgressBar; }
    bool isFormatting() const { return m_formatting; }
    // The confirmation question while it is open, else nullptr.
    QMessageBox* confirmationBox() const { return m_confirmation; }

    // Reads the disk list off the GUI thread; completion runs on the GUI thread after.
    void loadUSBVolumes(const std::function<void()>& completion = {});
    std::optional<TKUSBDiskEntity> selectedUSBDisk() const;
    std::optional<TKUSBDiskEntity> selectUSBByDevFile(const QString& deviceName);
    void updateSelectedDiskInfo();
    void changeDisk();
    void onFormat();
    void cancel();

signals:
    void progressChanged(double progress);
    // A run ended, with the device name of the card it formatted (or tried to).
    void formatFinished(const QString& deviceName, bool success);
    // The disk list has been read again and shown.
    void disksReloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void windowDidLoad();
    void setDisks(const QList<TKUSBDiskEntity>& disks, bool keepSelection);
    void confirmFormat(const TKUSBDiskEntity& disk);
    void doFormat(const TKUSBDiskEntity& disk);
    void formatDidFinished(const QString& deviceName, const ORXFormatResult& result);
    void setFormatting(bool formatting);
    void showProgressBar(const QString& text);
    void updateProgressBar(double duration);
    void hideProgressBar();

    std::unique_ptr<Ui::ORXFormatWindowController> m_ui;
    QList<TKUSBDiskEntity> m_usbDiskArray;
    double m_progress = 0;
    bool m_stopProgressBar = true;
    bool m_formatting = false;
    bool m_checking = false; // the disk is being read again before the confirmation
    quint64 m_listGeneration = 0;
    QTimer m_ticker;
    ORXUDisksWatcher* m_watcher = nullptr;
    QPointer<QMessageBox> m_confirmation;
};
