#pragma once

#include <QString>

class QWidget;

// The page of each settings tab, by its model's name ("video", "basic", ...). A new page
// is one line in createSettingPage. Null for a page this build does not have yet.
namespace ORXSettingPageFactory {
QWidget* createSettingPage(const QString& name, QWidget* parent = nullptr);
} // namespace ORXSettingPageFactory
