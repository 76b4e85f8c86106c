// Drags of the grip and the three splitters on the main window's background.

#include <gtest/gtest.h>

#include "mainwindow/mousesizing.h"

namespace {

struct Fixture {
    MouseSizing mouse;
    SplitterSizes sizes;
    Fixture() {
        LayoutInput input;
        input.clientWidth = 800;
        input.clientHeight = 560;
        mouse.SetSplitters(RelayoutControls(input));
    }
};

TEST(MouseSizing, PressStartsTheDragUnderThePointer) {
    const struct {
        int x, y;
        DragKind drag;
        SizingCursor cursor;
    } cases[] = {
        {790, 550, DragKind::Grip, SizingCursor::Diagonal},
        {780, 540, DragKind::Grip, SizingCursor::Diagonal},
        {600, 290, DragKind::RightSplitter, SizingCursor::NorthSouth},
        {300, 368, DragKind::BottomSplitter, SizingCursor::NorthSouth},
        {552, 200, DragKind::ColumnSplitter, SizingCursor::WestEast},
        {400, 20, DragKind::None, SizingCursor::Arrow},
        {779, 540, DragKind::None, SizingCursor::Arrow},
    };
    for (const auto& c : cases) {
        Fixture f;
        EXPECT_EQ(f.mouse.CursorAt(c.x, c.y, 800, 560), c.cursor) << c.x << "," << c.y;
        EXPECT_EQ(f.mouse.Press(c.x, c.y, 800, 560), c.drag) << c.x << "," << c.y;
    }
}

TEST(MouseSizing, SplitterDragsSetTheRequestedSizes) {
    const struct {
        int pressX, pressY, x, y;
        SplitterSizes expected;
    } cases[] = {
        {552, 200, 300, 200, {490, 240, 120}},  // column: 800 - 300 - 10
        {552, 200, 790, 200, {0, 240, 120}},    // the layout raises it to 20
        {600, 290, 600, 60, {240, 12, 120}},    // map: y - 48
        {300, 368, 300, 300, {240, 240, 186}},  // panel: 560 - 64 - y - 10
    };
    for (const auto& c : cases) {
        Fixture f;
        ASSERT_NE(f.mouse.Press(c.pressX, c.pressY, 800, 560), DragKind::None);
        const MouseSizing::Action move = f.mouse.Move(c.x, c.y, 800, 560, true, f.sizes);
        EXPECT_TRUE(move.relayout);
        EXPECT_EQ(f.sizes.rightColumnWidth, c.expected.rightColumnWidth);
        EXPECT_EQ(f.sizes.mapHeight, c.expected.mapHeight);
        EXPECT_EQ(f.sizes.bottomPanelHeight, c.expected.bottomPanelHeight);
        bool handled = false;
        const MouseSizing::Action release = f.mouse.Release(true, handled);
        EXPECT_TRUE(handled);
        EXPECT_TRUE(release.relayout && release.releaseMouse && release.refreshMap);
        EXPECT_EQ(f.mouse.Dragging(), DragKind::None);
    }
}

TEST(MouseSizing, GripResizesOnlyANormalWindow) {
    Fixture f;
    f.mouse.Press(790, 550, 800, 560);
    EXPECT_TRUE(f.mouse.Move(900, 700, 800, 560, true, f.sizes).resizeWindow);
    // Maximised or full pane: the pointer only changes the cursor.
    const MouseSizing::Action blocked = f.mouse.Move(900, 700, 800, 560, false, f.sizes);
    EXPECT_FALSE(blocked.resizeWindow);
    bool handled = false;
    EXPECT_FALSE(f.mouse.Release(false, handled).resizeWindow);
    EXPECT_TRUE(handled);
}

TEST(MouseSizing, HiddenMapKeepsTheLastRightSplitter) {
    Fixture f;
    LayoutInput input;
    input.clientWidth = 1000;
    input.clientHeight = 700;
    input.mapShown = false;
    f.mouse.SetSplitters(RelayoutControls(input));
    EXPECT_EQ(f.mouse.RightSplitter(), (LayoutRect{555, 48, 795, 496}));
    EXPECT_EQ(f.mouse.ColumnSplitter(), (LayoutRect{750, 48, 755, 636}));
}

TEST(MouseSizing, ReleaseWithoutADragIsNotHandled) {
    Fixture f;
    bool handled = true;
    f.mouse.Release(true, handled);
    EXPECT_FALSE(handled);
}

}  // namespace
