#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class ORXSegmentedControl;
class QComboBox;
class QWidget;

// Small user-interface functions shared by the settings pages and the card windows.

// The segment count becomes the number of labels; label i goes on segment i.
void setSegmentLabels(ORXSegmentedControl* control, const QStringList& labels);
// Removes every item, then adds the items in order.
void setComboItems(QComboBox* combo, const QStringList& items);
// A warning with the single button "OK", window-modal on the window; done runs after the
// user pressed "OK" (may be empty). Returns at once.
void showAlertSheet(QWidget* window, const QString& message, const QString& informative,
                    std::function<void()> done = {});
void showAlert(QWidget* window, const QString& message, const QString& informative);
// True for a null and for an empty string.
bool isEmptyString(const QString& text);
