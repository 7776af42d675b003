#pragma once

#include "OrvexTest.h"

#include "ORXTheme.h"

#include <QApplication>
#include <QMessageBox>

// The window-modal alert or question open on a card window, if any.
inline QMessageBox* openBox(QWidget* window)
{
    for (QMessageBox* box : window->findChildren<QMessageBox*>()) {
        if (box->isVisible())
            return box;
    }
    return nullptr;
}
