#include "ORXTheme.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyleFactory>

static void initThemeResource()
{
    Q_INIT_RESOURCE(theme);
}

namespace ORXTheme {

void apply(QApplication* application)
{
    initThemeResource();
    application->setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x1e, 0x21, 0x26));
    palette.setColor(QPalette::WindowText, QColor(0xd0, 0xd4, 0xda));
    palette.setColor(QPalette::Base, QColor(0x22, 0x26, 0x2c));
    palette.setColor(QPalette::AlternateBase, QColor(0x26, 0x2a, 0x31));
    palette.setColor(QPalette::Text, QColor(0xd0, 0xd4, 0xda));
    palette.setColor(QPalette::Button, QColor(0x35, 0x3a, 0x42));
    palette.setColor(QPalette::ButtonText, QColor(0xd0, 0xd4, 0xda));
    palette.setColor(QPalette::Highlight, QColor(0xf5, 0xa6, 0x23));
    palette.setColor(QPalette::HighlightedText, QColor(0x1e, 0x21, 0x26));
    palette.setColor(QPalette::ToolTipBase, QColor(0x2a, 0x2e, 0x35));
    palette.setColor(QPalette::ToolTipText, QColor(0xd0, 0xd4, 0xda));
    palette.setColor(QPalette::PlaceholderText, QColor(0x7c, 0x83, 0x8d));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x5c, 0x62, 0x6b));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x5c, 0x62, 0x6b));
    application->setPalette(palette);
    QFile sheet(QStringLiteral(":/theme/orvex.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        application->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

} // namespace ORXTheme
