#pragma once

#include <QAccessible>

class QWidget;

// Widgets that stand for something their class does not say (a picture label that is a tab)
// are announced on the accessibility bus with the role they play, so that a screen reader or
// a test tool reads them as what they are.
class ORXAccessibleRole
{
public:
    static void setRole(QWidget* widget, QAccessible::Role role);
};
