// Where the window goes for each mode change, for given monitors.

#include <gtest/gtest.h>

#include <ostream>

#include "mainwindow/windowmodes.h"

std::ostream& operator<<(std::ostream& os, const LayoutRect& r);

namespace {

LayoutRect Sized(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

TEST(WindowModes, PresetSizesOnMonitors) {
    const struct {
        SizePreset preset;
        LayoutRect monitor;
        LayoutRect expected;
    } cases[] = {
        {SizePreset::Small, Sized(0, 0, 1920, 1080), Sized(560, 260, 800, 560)},
        {SizePreset::Medium, Sized(0, 0, 1920, 1080), Sized(240, 135, 1536, 864)},
        {SizePreset::Medium, Sized(0, 0, 1280, 720), Sized(160, 90, 1024, 576)},
        // The height is raised to 560; the offsets still come from the monitor.
        {SizePreset::Medium, Sized(0, 0, 1024, 600), Sized(128, 75, 819, 560)},
        {SizePreset::Large, Sized(0, 0, 1920, 1080), Sized(0, 0, 1920, 1080)},
        // A second monitor to the right of the first.
        {SizePreset::Small, Sized(1920, 0, 1280, 1024), Sized(2160, 232, 800, 560)},
        {SizePreset::Medium, Sized(1920, 0, 1280, 1024), Sized(2080, 128, 1024, 819)},
    };
    for (const auto& c : cases) {
        WindowModes modes;
        modes.ToggleMaximize(Sized(10, 10, 900, 600), c.monitor);
        EXPECT_EQ(modes.Preset(c.preset, c.monitor), c.expected);
        EXPECT_FALSE(modes.IsMaximized());
    }
}

TEST(WindowModes, MaximizeAndBackToTheExactRectangle) {
    WindowModes modes;
    const LayoutRect window = Sized(123, 45, 917, 601);
    const LayoutRect monitor = Sized(0, 0, 1920, 1080);
    EXPECT_EQ(modes.ToggleMaximize(window, monitor), monitor);
    EXPECT_TRUE(modes.IsMaximized());
    EXPECT_FALSE(modes.CanMoveOrResize());
    EXPECT_EQ(modes.ToggleMaximize(monitor, monitor), window);
    EXPECT_FALSE(modes.IsMaximized());
    EXPECT_TRUE(modes.CanMoveOrResize());
}

TEST(WindowModes, FullPaneInAndOutRestoresTheRectangle) {
    const LayoutRect monitor = Sized(0, 0, 1920, 1080);
    const struct {
        const char* what;
        LayoutRect window;
        LayoutRect fullPane;
    } cases[] = {
        {"from a normal window", Sized(300, 200, 800, 560), monitor},
        // Already as large as the monitor: one pixel shorter, so the size still changes.
        {"from L", monitor, Sized(0, 0, 1920, 1079)},
        {"as wide only", Sized(0, 100, 1920, 700), Sized(0, 0, 1920, 1079)},
        {"as high only", Sized(100, 0, 1000, 1080), Sized(0, 0, 1920, 1079)},
    };
    for (const auto& c : cases) {
        WindowModes modes;
        EXPECT_EQ(modes.EnterFullPane(c.window, monitor), c.fullPane) << c.what;
        EXPECT_TRUE(modes.IsFullPane());
        EXPECT_FALSE(modes.CanMoveOrResize());
        EXPECT_EQ(modes.LeaveFullPane(), c.window) << c.what;
        EXPECT_FALSE(modes.IsFullPane());
    }
}

TEST(WindowModes, FullPaneFromMaximizedClearsTheMaximizedFlag) {
    WindowModes modes;
    const LayoutRect monitor = Sized(0, 0, 1280, 720);
    modes.ToggleMaximize(Sized(10, 20, 800, 560), monitor);
    EXPECT_EQ(modes.EnterFullPane(monitor, monitor), Sized(0, 0, 1280, 719));
    EXPECT_FALSE(modes.IsMaximized());
    EXPECT_EQ(modes.LeaveFullPane(), monitor);
}

TEST(WindowModes, RestorePendingIsTakenOnce) {
    WindowModes modes;
    EXPECT_FALSE(modes.TakeRestorePending());
    modes.Minimize();
    EXPECT_TRUE(modes.TakeRestorePending());
    EXPECT_FALSE(modes.TakeRestorePending());
}

TEST(WindowModes, GripNeverMakesTheWindowSmallerThan800x560) {
    const LayoutRect window = Sized(50, 60, 1000, 700);
    EXPECT_EQ(GripResize(window, 1200, 900), Sized(50, 60, 1200, 900));
    EXPECT_EQ(GripResize(window, 300, 900), Sized(50, 60, 800, 900));
    EXPECT_EQ(GripResize(window, 1200, -40), Sized(50, 60, 1200, 560));
}

}  // namespace
