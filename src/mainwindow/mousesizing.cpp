#include "mainwindow/mousesizing.h"

namespace {
constexpr int kTopBar = 48;
constexpr int kBottomBar = 64;
}  // namespace

void MouseSizing::SetSplitters(const LayoutResult& layout) {
    if (!layout.splittersSet) return;
    if (layout.rightSplitterSet) right_ = layout.rightSplitter;
    bottom_ = layout.bottomSplitter;
    column_ = layout.columnSplitter;
}

DragKind MouseSizing::Press(int x, int y, int clientWidth, int clientHeight) {
    if (GripRect(clientWidth, clientHeight).Contains(x, y)) {
        drag_ = DragKind::Grip;
    } else if (right_.Contains(x, y)) {
        drag_ = DragKind::RightSplitter;
    } else if (bottom_.Contains(x, y)) {
        drag_ = DragKind::BottomSplitter;
    } else if (column_.Contains(x, y)) {
        drag_ = DragKind::ColumnSplitter;
    }
    return drag_;
}

MouseSizing::Action MouseSizing::Move(int x, int y, int clientWidth, int clientHeight, bool canResize,
                                      SplitterSizes& sizes) const {
    Action action;
    if (drag_ == DragKind::Grip && canResize) {
        action.cursor = SizingCursor::Diagonal;
        action.resizeWindow = true;
    } else if (drag_ == DragKind::RightSplitter) {
        action.cursor = SizingCursor::NorthSouth;
        sizes.mapHeight = y - kTopBar;
        action.relayout = true;
    } else if (drag_ == DragKind::BottomSplitter) {
        action.cursor = SizingCursor::NorthSouth;
        sizes.bottomPanelHeight = clientHeight - kBottomBar - y - 10;
        action.relayout = true;
        action.repaintGraph = true;
    } else if (drag_ == DragKind::ColumnSplitter) {
        action.cursor = SizingCursor::WestEast;
        sizes.rightColumnWidth = clientWidth - x - 10;
        action.relayout = true;
        action.repaintGraph = true;
    } else {
        action.cursor = CursorAt(x, y, clientWidth, clientHeight);
    }
    return action;
}

MouseSizing::Action MouseSizing::Release(bool canResize, bool& handled) {
    Action action;
    handled = drag_ != DragKind::None;
    if (!handled) return action;
    // A grip released while maximised or full-pane must not resize: the mode would stay set on a window
    // that no longer covers the monitor.
    if (drag_ == DragKind::Grip) {
        action.resizeWindow = canResize;
    } else {
        action.relayout = true;
    }
    action.releaseMouse = true;
    action.refreshMap = true;
    drag_ = DragKind::None;
    return action;
}

SizingCursor MouseSizing::CursorAt(int x, int y, int clientWidth, int clientHeight) const {
    if (GripRect(clientWidth, clientHeight).Contains(x, y)) return SizingCursor::Diagonal;
    if (right_.Contains(x, y) || bottom_.Contains(x, y)) return SizingCursor::NorthSouth;
    if (column_.Contains(x, y)) return SizingCursor::WestEast;
    return SizingCursor::Arrow;
}
