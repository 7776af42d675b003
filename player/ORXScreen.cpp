#include "ORXScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ORXScreen {

bool spansDisplays()
{
    return false;
}

quint32 displayID(const QScreen* screen)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    const qsizetype index = screens.indexOf(const_cast<QScreen*>(screen));
    return index < 0 ? 0 : quint32(index + 1);
}

bool hasMenuBar(const QScreen* screen)
{
    if (!spansDisplays())
        return true;
    const QList<QScreen*> screens = QGuiApplication::screens();
    return screen && !screens.isEmpty() && displayID(screen) == displayID(screens.first());
}

bool hasDock(const QRect& frame, const QRect& available, bool menuBar)
{
    if (frame.width() > available.width())
        return true;
    // The top panel plays the menu bar's part: its thickness does not make a dock.
    const int menuBarThickness = menuBar ? std::max(0, available.top() - frame.top()) : 0;
    return frame.height() > available.height() + menuBarThickness;
}

bool hasDock(const QScreen* screen)
{
    if (!screen)
        return false;
    return hasDock(screen->geometry(), screen->availableGeometry(), hasMenuBar(screen));
}

int fullscreenPresentationOptions(bool menuBar, bool dock)
{
    int options = 0;
    if (menuBar)
        options |= AutoHideMenuBar;
    if (menuBar || dock)
        options |= AutoHideDock;
    return options;
}

void setFullscreenPresentationOptions(QWidget* window)
{
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen || fullscreenPresentationOptions(hasMenuBar(screen), hasDock(screen)) == 0)
        return;
    window->setWindowState(window->windowState() | Qt::WindowFullScreen);
}

void setNonFullscreenPresentationOptions(QWidget* window)
{
    if (window)
        window->setWindowState(window->windowState() & ~Qt::WindowFullScreen);
}

bool compositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace ORXScreen
