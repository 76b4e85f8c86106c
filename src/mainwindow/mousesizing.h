#pragma once

#include "mainwindow/mainlayout.h"

// The mouse on the main window's own background: the grip in the bottom-right corner and the three splitters
// (between map and file list, above the group list, and between the left area and the right column). This is
// the state of a drag and what each mouse event asks the window to do; the window does it.

enum class DragKind { None, Grip, RightSplitter, BottomSplitter, ColumnSplitter };
enum class SizingCursor { Arrow, Diagonal, NorthSouth, WestEast };

class MouseSizing {
  public:
    // What the window does after a mouse event.
    struct Action {
        SizingCursor cursor = SizingCursor::Arrow;
        bool resizeWindow = false;  // to GripResize at the pointer
        bool relayout = false;      // RelayoutControls with the (changed) requested sizes
        bool repaintGraph = false;
        bool releaseMouse = false;
        bool refreshMap = false;  // hide the map window and show it again
    };

    // Takes the hit areas of the last layout (the right splitter only when the layout set it).
    void SetSplitters(const LayoutResult& layout);
    const LayoutRect& RightSplitter() const { return right_; }
    const LayoutRect& BottomSplitter() const { return bottom_; }
    const LayoutRect& ColumnSplitter() const { return column_; }

    // Tests the grip, then the right, bottom and column splitters; the drag started, if any.
    DragKind Press(int x, int y, int clientWidth, int clientHeight);
    // canResize: the window is neither maximised nor full-pane. Splitter drags change sizes.
    Action Move(int x, int y, int clientWidth, int clientHeight, bool canResize, SplitterSizes& sizes) const;
    // handled false: no drag was in progress.
    Action Release(bool canResize, bool& handled);
    DragKind Dragging() const { return drag_; }
    SizingCursor CursorAt(int x, int y, int clientWidth, int clientHeight) const;

  private:
    DragKind drag_ = DragKind::None;
    LayoutRect right_;
    LayoutRect bottom_;
    LayoutRect column_;
};
