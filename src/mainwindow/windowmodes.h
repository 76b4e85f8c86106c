#pragma once

#include "mainwindow/mainlayout.h"

// The main window's modes as state and geometry: where the window goes for each mode change, given its own
// rectangle and the full rectangle of the monitor nearest to it (screen pixels, right and bottom
// exclusive). The window applies the rectangles and does the rest (controls, panes, channels).

enum class SizePreset { Small, Medium, Large };

// S: 800 × 560 centred; M: four fifths of the monitor (at least 800 × 560) from an eighth of its size in;
// L: the whole monitor. Integer division throughout.
LayoutRect PresetRect(SizePreset preset, const LayoutRect& monitor);

// The full-pane window covers the monitor; it is one pixel shorter when the window is already as wide or as
// high as the monitor, so that the size always changes and the window is laid out for the mode.
LayoutRect FullPaneRect(const LayoutRect& monitor, int clientWidth, int clientHeight);

class WindowModes {
  public:
    static constexpr int kMinWidth = 800;
    static constexpr int kMinHeight = 560;

    bool IsMaximized() const { return maximized_; }
    bool IsFullPane() const { return fullPane_; }
    // 1 front, 2 rear: the pane shown full, or the one that was.
    int FullPaneId() const { return fullPaneId_; }
    void SetFullPaneId(int pane) { fullPaneId_ = pane; }
    const LayoutRect& SavedRect() const { return saved_; }
    // The mouse moves and resizes the window only in the normal mode.
    bool CanMoveOrResize() const { return !maximized_ && !fullPane_; }

    // Maximised: back to the saved rectangle. Otherwise the window is saved and covers the monitor.
    LayoutRect ToggleMaximize(const LayoutRect& window, const LayoutRect& monitor);
    LayoutRect Preset(SizePreset preset, const LayoutRect& monitor);
    LayoutRect EnterFullPane(const LayoutRect& window, const LayoutRect& monitor);
    LayoutRect LeaveFullPane();

    // Minimising arms the restore: the next non-zero size change shows the video panes again.
    void Minimize() { restorePending_ = true; }
    // True once after a minimise; clears the flag.
    bool TakeRestorePending();

  private:
    bool maximized_ = false;
    bool fullPane_ = false;
    int fullPaneId_ = 0;
    bool restorePending_ = false;
    LayoutRect saved_;
};

// The grip never makes the window smaller than this; x and y are the pointer in client coordinates.
inline LayoutRect GripResize(const LayoutRect& window, int x, int y) {
    const int width = x > WindowModes::kMinWidth ? x : WindowModes::kMinWidth;
    const int height = y > WindowModes::kMinHeight ? y : WindowModes::kMinHeight;
    return {window.left, window.top, window.left + width, window.top + height};
}
