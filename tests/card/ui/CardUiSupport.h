#pragma once

#include "OrvexTest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>

// Shared by the card window tests: the program's dark look (the player's style sheet, read
// from the source tree), pictures for a person to look at, and the open alert of a window.
namespace CardUi {

inline void applyTheme()
{
    qApp->setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x1e, 0x21, 0x26));
    palette.setColor(QPalette::WindowText, QColor(0xd0, 0xd4, 0xda));
    palette.setColor(QPalette::Base, QColor(0x22, 0x26, 0x2c));
    palette.setColor(QPalette::Text, QColor(0xd0, 0xd4, 0xda));
    palette.setColor(QPalette::Button, QColor(0x35, 0x3a, 0x42));
    palette.setColor(QPalette::ButtonText, QColor(0xd0, 0xd4, 0xda));
    palette.setColor(QPalette::Highlight, QColor(0xf5, 0xa6, 0x23));
    palette.setColor(QPalette::HighlightedText, QColor(0x1e, 0x21, 0x26));
    qApp->setPalette(palette);
    QFile sheet(OrvexTest::sourceDir() + QStringLiteral("/player/theme/orvex.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

// Pictures of the windows in /tmp/orvex-card-ui; not compared by the tests.
inline void saveShot(QWidget* widget, const QString& name)
{
    QDir().mkpath(QStringLiteral("/tmp/orvex-card-ui"));
    widget->grab().save(QStringLiteral("/tmp/orvex-card-ui/%1.png").arg(name));
}

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
