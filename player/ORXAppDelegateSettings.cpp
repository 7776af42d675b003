// The player's side of the camera's settings: the gear button's window, the card read at
// start-up, and the folder opened again when the settings window moved the card.
#include "ORXAppDelegate.h"

#include "CustomWindow.h"
#include "ORXMediaList.h"
#include "ORXSettingController.h"
#include "ORXSettingFileLocator.h"

#include <QDir>
#include <QLoggingCategory>
#include <QtConcurrent>

Q_LOGGING_CATEGORY(lcPlayerSettings, "orvex.player.settings")

void ORXAppDelegate::showSettingPanel()
{
    if (m_lastDialogController)
        m_lastDialogController->close();
    auto* controller =
        new ORXSettingController({m_mediaList->directoryPath(), playingRecordingPath()}, m_window);
    controller->setAttribute(Qt::WA_DeleteOnClose);
    connect(controller, &ORXSettingController::cardRemounted, this, &ORXAppDelegate::settingsCardRemounted);
    m_lastDialogController = controller;
    controller->show();
}

// Start-up: the card is looked for and its "config.bin" read once, off the GUI thread, and
// never renamed here (renaming unmounts the card, which may be what the player opens next).
void ORXAppDelegate::readCardSettingsOnce()
{
    (void)QtConcurrent::run([] {
        ORXSettingFileLocator::Options options;
        options.allowRename = false;
        const ORXSettingFileLocator::Location found = ORXSettingFileLocator::locate(options);
        if (found.loaded)
            qCInfo(lcPlayerSettings, "card settings: %s", qUtf8Printable(found.settingFilePath));
    });
}

// The settings window renamed the card, which now sits at another mount path: a folder
// shown from the card is opened again there.
void ORXAppDelegate::settingsCardRemounted(const QString& oldMountPath, const QString& newMountPath)
{
    const QString folder = m_mediaList->directoryPath();
    if (!ORXSettingFileLocator::isInside(folder, oldMountPath))
        return;
    const QString moved = newMountPath + QDir::cleanPath(folder).mid(QDir::cleanPath(oldMountPath).size());
    qCInfo(lcPlayerSettings, "card moved: opening %s", qUtf8Printable(moved));
    openDirectory(moved);
}
