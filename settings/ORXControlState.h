#pragma once

#include <QString>

// What one control of a settings page shows: its value in the form of its kind, and
// whether it can be used. A page's controls are named by their outlet (the objectName of
// the widget in the page's .ui).
struct ORXControlState
{
    enum Kind
    {
        Choice, // segmented control, combo box, button matrix (cells counted row by row)
        Check,  // check box, single radio button
        Text,   // text field, editable or read-only
        Number, // slider
        Range,  // two-knob range slider
    };

    Kind kind = Choice;
    int index = -1; // Choice: the selected index, -1 when nothing is selected
    bool checked = false;
    QString text;
    double value = 0;
    double low = 0;
    double high = 0;
    bool enabled = true;

    bool operator==(const ORXControlState&) const = default;
};
