#pragma once

#include <QRect>

class QScreen;
class QWidget;

// Screen operations the player's full-screen mode relies on. On this platform the "menu bar"
// is whatever panel takes the top of a screen's area (the difference between its full and
// its available geometry at the top), and the "dock" any panel at a side or at the bottom.
// Screens never span displays here.
namespace ORXScreen {
// Options a full-screen window asks for, as bits.
enum PresentationOption { AutoHideDock = 1, AutoHideMenuBar = 4 };

// Whether menu bars span all displays: a setting of the other platform, always off here.
bool spansDisplays();
// A stable number for the screen: its place in the application's screen list, from 1.
quint32 displayID(const QScreen* screen);
bool hasMenuBar(const QScreen* screen);
bool hasDock(const QScreen* screen);
// The geometry rule behind hasDock, for any frame and available area.
bool hasDock(const QRect& frame, const QRect& available, bool hasMenuBar);
// The options a full-screen window on this screen takes: auto-hide the menu bar when the
// screen has one, the dock when it has the menu bar or a dock.
int fullscreenPresentationOptions(bool hasMenuBar, bool hasDock);

// Asks the window manager for the full-screen state of the window (panels hide) when the
// window's screen has a menu bar or a dock; the non-full-screen variant gives it back.
void setFullscreenPresentationOptions(QWidget* window);
void setNonFullscreenPresentationOptions(QWidget* window);

// True where the compositor, not the program, places windows (Wayland).
bool compositorPlacesWindows();
} // namespace ORXScreen
