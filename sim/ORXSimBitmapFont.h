#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

class QPainter;

// A tiny 5x7 bitmap font for the text the camera burns into its frames (channel, date,
// time, speed, position). QFont needs a GUI application; this works in any process.
// Covers digits, the letters A E F H K M N O P R S T W, and : . - / and blank; any other
// character is drawn blank.
namespace ORXSimBitmapFont {
constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kAdvance = 6; // glyph width plus one column of space

// Draws text with its top-left corner at origin, each font pixel a scale x scale square,
// with a one-pixel dark shadow so it reads on any background.
void draw(QPainter& painter, QPoint origin, const QString& text, int scale, QColor color);
int width(const QString& text, int scale);
} // namespace ORXSimBitmapFont
