#pragma once

#include <array>

// Where every control of the main window goes for a given client size. Pure functions of their arguments:
// the window only applies the rectangles, so the arithmetic is tested without a window.

// (left, top, right, bottom) in client pixels; right and bottom are exclusive.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    bool operator==(const LayoutRect&) const = default;
};

// The sizes the splitters request. They are never corrected in place: the layout clamps them each time, so
// a request that does not fit now takes effect later in a larger window.
struct SplitterSizes {
    int rightColumnWidth = 240;
    int mapHeight = 240;
    int bottomPanelHeight = 120;
};

struct LayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    SplitterSizes sizes;
    bool mapShown = true;
    bool graphShown = true;
    // The graph keeps the height it was created with; only its width and place change.
    int graphHeight = 72;
    bool fullPane = false;
    // Full pane only: the monitor nearest the window, in client coordinates.
    LayoutRect monitor;
};

struct ControlPlacement {
    int id = 0;
    LayoutRect rect;
};

struct LayoutResult {
    // The controls to move, in the order they are moved. The map window appears under its place id 1004.
    std::array<ControlPlacement, 32> placements{};
    int count = 0;
    // Hit areas of the three splitters; rightSplitterSet is false when the right one keeps its old value
    // (the map is hidden) and splittersSet false when none changes (full pane).
    bool splittersSet = false;
    bool rightSplitterSet = false;
    LayoutRect rightSplitter;
    LayoutRect bottomSplitter;
    LayoutRect columnSplitter;

    // The rectangle given to id, or nullptr when the layout does not move it.
    const LayoutRect* Find(int id) const;
};

LayoutResult RelayoutControls(const LayoutInput& input);

// Controls the layout never moves keep these places, set once at start-up.
inline constexpr std::array<ControlPlacement, 3> kFixedPlacements = {{
    {1010, {212, 8, 241, 34}},  // GPS lamp
    {1055, {296, 2, 328, 34}},  // compass
    {1056, {371, 0, 461, 33}},  // speed display
}};

struct VideoPaneRects {
    LayoutRect front;
    LayoutRect rear;
};

// The two video panes inside their backgrounds. Outside the full-pane mode the panes overlap the
// backgrounds' sunken edges (edgeX, edgeY on every side). With the recording's picture size known (both
// non-zero), both rectangles shrink to its aspect ratio, centred, by the figures of the front one.
VideoPaneRects FitVideoPanes(LayoutRect frontBackground, LayoutRect rearBackground, bool fullPane, int edgeX,
                             int edgeY, int videoWidth, int videoHeight);

// The grip in the bottom-right corner that resizes the window.
inline LayoutRect GripRect(int clientWidth, int clientHeight) {
    return {clientWidth - 20, clientHeight - 20, clientWidth, clientHeight};
}
