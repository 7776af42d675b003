#pragma once

#include "OrvexTest.h"

#include "ORXTheme.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QWidget>

// Shared by the card window tests, which wear the program's own look (ORXTheme): the open
// alert of a window.
namespace CardUi {

// The window-modal alert or question open on the window, if any.
inline QMessageBox* openBox(QWidget* window)
{
    for (QMessageBox* box : window->findChildren<QMessageBox*>()) {
        if (box->isVisible())
            return box;
    }
    return nullptr;
}

inline QString boxText(QMessageBox* box)
{
    return box ? box->text() + QLatin1Char('\n') + box->informativeText() : QString();
}

} // namespace CardUi
