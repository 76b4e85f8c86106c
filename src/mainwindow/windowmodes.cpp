#include "mainwindow/windowmodes.h"

#include <algorithm>

LayoutRect PresetRect(SizePreset preset, const LayoutRect& monitor) {
    const int w = monitor.Width();
    const int h = monitor.Height();
    switch (preset) {
        case SizePreset::Small: {
            const int left = monitor.left + (w - WindowModes::kMinWidth) / 2;
            const int top = monitor.top + (h - WindowModes::kMinHeight) / 2;
            return {left, top, left + WindowModes::kMinWidth, top + WindowModes::kMinHeight};
        }
        case SizePreset::Medium: {
            const int width = std::max(w * 4 / 5, WindowModes::kMinWidth);
            const int height = std::max(h * 4 / 5, WindowModes::kMinHeight);
            // The offsets come from the monitor, not from the final size.
            const int left = monitor.left + w / 8;
            const int top = monitor.top + h / 8;
            return {left, top, left + width, top + height};
        }
        case SizePreset::Large:
            break;
    }
    return monitor;
}

LayoutRect FullPaneRect(const LayoutRect& monitor, int clientWidth, int clientHeight) {
    LayoutRect rect = monitor;
    if (monitor.Width() == clientWidth || monitor.Height() == clientHeight) rect.bottom -= 1;
    return rect;
}

LayoutRect WindowModes::ToggleMaximize(const LayoutRect& window, const LayoutRect& monitor) {
    if (maximized_) {
        maximized_ = false;
        return saved_;
    }
    saved_ = window;
    maximized_ = true;
    return monitor;
}

LayoutRect WindowModes::Preset(SizePreset preset, const LayoutRect& monitor) {
    maximized_ = false;
    return PresetRect(preset, monitor);
}

LayoutRect WindowModes::EnterFullPane(const LayoutRect& window, const LayoutRect& monitor) {
    saved_ = window;
    fullPane_ = true;
    maximized_ = false;
    return FullPaneRect(monitor, window.Width(), window.Height());
}

LayoutRect WindowModes::LeaveFullPane() {
    fullPane_ = false;
    return saved_;
}

bool WindowModes::TakeRestorePending() {
    const bool pending = restorePending_;
    restorePending_ = false;
    return pending;
}
