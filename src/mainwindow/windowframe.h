#pragma once

#include <QRegion>
#include <QString>

class QPainter;

// The main window's outline and the parts of its face it paints itself: background, grip and title.

// The window's shape for a client of width × height: corners rounded with a radius of 5, the top-left one
// with 30; in the full-pane mode the plain rectangle.
QRegion OutlineRegion(int width, int height, bool fullPane);

inline constexpr int kTitleSize = 16;

// Fills the client with the background colour, draws the grip's four lines in the bottom-right corner and,
// unless in the full-pane mode, the title at (8, 8).
void PaintWindowFace(QPainter& painter, int width, int height, bool fullPane, const QString& title);
