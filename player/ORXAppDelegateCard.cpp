// The player's doors to the card utilities: the clock window (the clock button) and the
// format window (the head bar's menu), for a card that no longer mounts cleanly too.
#include "ORXAppDelegate.h"

#include "CustomWindow.h"
#include "ORXFormatWindowController.h"
#include "ORXLocalizedString.h"
#include "ORXMediaList.h"
#include "ORXTimeSetupController.h"

#include <QMenu>

void ORXAppDelegate::addCardMenuItems(QMenu* menu)
{
    menu->addSeparator();
    QAction* format =
        menu->addAction(ORXLocalizedString("player.format_card"), this, &ORXAppDelegate::showFormatWindow);
    format->setObjectName(QStringLiteral("formatCardAction"));
}

void ORXAppDelegate::showTimeSetupPanel()
{
    // A new window each time, in place of the previous clock window.
    if (auto* previous = qobject_cast<ORXTimeSetupController*>(m_lastDialogController.data()))
        previous->close();
    // The folder open in the player may be the card itself, read through a card reader
    // that UDisks2 does not list as USB.
    auto* controller = new ORXTimeSetupController(m_window, m_mediaList->directoryPath());
    controller->setAttribute(Qt::WA_DeleteOnClose);
    m_lastDialogController = controller;
    controller->show();
}

void ORXAppDelegate::showFormatWindow()
{
    if (auto* open = m_window->findChild<ORXFormatWindowController*>(); open && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* controller = new ORXFormatWindowController(m_window);
    controller->setAttribute(Qt::WA_DeleteOnClose);
    m_lastDialogController = controller;
    controller->show();
}
