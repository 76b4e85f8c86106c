#pragma once

#include <QFont>
#include <QPainterPath>
#include <QString>

class QPainter;

// Text drawn as an outlined, glowing path with a two-gradient fill: the window title, the speed display and
// the counter of the front video pane.
enum class OutlinedTextStyle {
    Title,   // "Arial Black", blue and white
    Orange,  // "Arial", the speed display
    Blue,    // "Arial", the video pane's counter
};

// "Arial" and "Arial Black" are rarely installed on Linux: maps both to a metric-compatible family
// (Liberation Sans, else Arimo) so texts keep their intended width. Idempotent; the painter calls it itself,
// the program may call it early so every widget sees the same fonts.
void InstallFontSubstitutes();

// The style's font at an em size in pixels.
QFont OutlinedTextFont(OutlinedTextStyle style, int emSize);

// The text's outline as drawn: x, y is the top-left of its line (not the baseline), as the window places its
// title. At most 127 characters are drawn; longer texts are cut.
QPainterPath OutlinedTextPath(OutlinedTextStyle style, const QString& text, int x, int y, int emSize);

// Draws the text: a 3-px light outline, eight widening glow pens with round joins, then the style's two
// gradient fills, which run along y in the painter's coordinates (not the text's).
void DrawOutlinedText(QPainter& painter, OutlinedTextStyle style, const QString& text, int x, int y,
                      int emSize);
