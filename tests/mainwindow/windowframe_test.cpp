// The window's outline: radius 30 at the top left, 5 at the other corners.

#include <gtest/gtest.h>

#include "mainwindow/windowframe.h"

namespace {

TEST(OutlineRegion, CornerPixels) {
    const int w = 800;
    const int h = 560;
    const QRegion outline = OutlineRegion(w, h, false);
    const struct {
        int x, y;
        bool in;
    } cases[] = {
        // Top left, radius 30 around (30, 30).
        {0, 0, false},
        {6, 6, false},
        {12, 12, true},
        {0, 20, false},
        {20, 0, false},
        {1, 29, true},
        {29, 1, true},
        {30, 0, true},
        {0, 30, true},
        {9, 8, false},
        // Top right, bottom left, bottom right: radius 5.
        {w - 1, 0, false},
        {w - 3, 2, true},
        {0, h - 1, false},
        {2, h - 3, true},
        {w - 1, h - 1, false},
        {w - 3, h - 3, true},
        {w - 1, h - 6, true},
        {w - 6, h - 1, true},
        // Edges and inside.
        {400, 0, true},
        {w - 1, 280, true},
        {400, h - 1, true},
        {400, 300, true},
        {w, 100, false},
        {100, h, false},
    };
    for (const auto& c : cases) EXPECT_EQ(outline.contains(QPoint(c.x, c.y)), c.in) << c.x << "," << c.y;
}

TEST(OutlineRegion, FullPaneIsThePlainRectangle) {
    const QRegion outline = OutlineRegion(1920, 1079, true);
    EXPECT_EQ(outline, QRegion(0, 0, 1920, 1079));
}

}  // namespace
