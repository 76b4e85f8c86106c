// Where RelayoutControls and FitVideoPanes put the main window's controls.

#include <gtest/gtest.h>

#include <ostream>

#include "mainwindow/controltable.h"
#include "mainwindow/mainlayout.h"

std::ostream& operator<<(std::ostream& os, const LayoutRect& r) {
    return os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

using namespace ControlId;

LayoutRect At(const LayoutResult& layout, int id) {
    const LayoutRect* rect = layout.Find(id);
    EXPECT_NE(rect, nullptr) << "control " << id << " not placed";
    return rect ? *rect : LayoutRect{};
}

LayoutInput Client(int width, int height) {
    LayoutInput input;
    input.clientWidth = width;
    input.clientHeight = height;
    return input;
}

TEST(RelayoutControls, DefaultsAt800x560) {
    const LayoutResult layout = RelayoutControls(Client(800, 560));
    const struct {
        int id;
        LayoutRect rect;
    } expected[] = {
        {kMapPlace, {555, 48, 795, 288}},
        {kFileList, {555, 293, 795, 496}},
        {kFrontBackground, {5, 48, 272, 269}},
        {kRearBackground, {272, 48, 549, 269}},
        {kPositionSlider, {5, 269, 549, 289}},
        {kGraph, {5, 294, 549, 366}},
        {kGroupList, {5, 371, 549, 496}},
        {kStatusBoard, {5, 239, 272, 269}},
        // Top bar.
        {kClose, {768, 2, 793, 27}},
        {kMaximize, {741, 2, 766, 27}},
        {kMinimize, {714, 2, 739, 27}},
        {kAbout, {687, 2, 712, 27}},
        {kSizeL, {641, 11, 657, 27}},
        {kSizeM, {621, 11, 637, 27}},
        {kSizeS, {601, 11, 617, 27}},
        // Bottom bar.
        {kOpen, {8, 516, 56, 552}},
        {kSnap, {56, 516, 104, 552}},
        {kSave, {104, 516, 152, 552}},
        {kDelete, {152, 516, 200, 552}},
        {kConfig, {200, 516, 248, 552}},
        {kSlow, {268, 512, 308, 552}},
        {kStop, {309, 512, 349, 552}},
        {kPlay, {350, 504, 398, 552}},
        {kFast, {399, 512, 439, 552}},
        {kVolume, {450, 520, 462, 544}},
        {kVolumeSlider, {464, 524, 544, 544}},
        {kLoop, {605, 520, 637, 552}},
        {kKml, {639, 520, 671, 552}},
        {kMap, {673, 520, 705, 552}},
        {kGsr, {707, 520, 739, 552}},
        {kLock, {741, 520, 773, 552}},
    };
    for (const auto& e : expected) EXPECT_EQ(At(layout, e.id), e.rect) << "control " << e.id;
    EXPECT_EQ(layout.Find(kFlip), nullptr);
    EXPECT_EQ(layout.Find(kSpeed), nullptr);
    EXPECT_TRUE(layout.rightSplitterSet);
    EXPECT_EQ(layout.rightSplitter, (LayoutRect{555, 48, 795, 496}));
    EXPECT_EQ(layout.columnSplitter, (LayoutRect{550, 48, 555, 496}));
    EXPECT_EQ(layout.bottomSplitter, (LayoutRect{5, 366, 549, 371}));
}

TEST(RelayoutControls, MapOffGivesTheFileListTheColumnAndOnAgainRestoresIt) {
    LayoutInput input = Client(800, 560);
    input.mapShown = false;
    const LayoutResult off = RelayoutControls(input);
    EXPECT_EQ(At(off, kFileList), (LayoutRect{555, 48, 795, 496}));
    EXPECT_EQ(At(off, kMapPlace), (LayoutRect{555, 0, 795, 0}));
    EXPECT_FALSE(off.rightSplitterSet);

    input.mapShown = true;
    const LayoutResult on = RelayoutControls(input);
    EXPECT_EQ(At(on, kMapPlace), (LayoutRect{555, 48, 795, 288}));
    EXPECT_EQ(At(on, kFileList), (LayoutRect{555, 293, 795, 496}));
}

TEST(RelayoutControls, GraphOffGivesItsHeightToTheVideos) {
    LayoutInput input = Client(800, 560);
    input.graphShown = false;
    const LayoutResult layout = RelayoutControls(input);
    // V = 48 + 448 - 120 - 0 - 35
    EXPECT_EQ(At(layout, kFrontBackground), (LayoutRect{5, 48, 272, 341}));
    EXPECT_EQ(At(layout, kPositionSlider), (LayoutRect{5, 341, 549, 361}));
    EXPECT_EQ(At(layout, kGroupList), (LayoutRect{5, 366, 549, 496}));
    EXPECT_EQ(layout.bottomSplitter, (LayoutRect{5, 361, 549, 366}));
}

// Requested sizes as the splitter drags set them, and what the layout makes of them.
TEST(RelayoutControls, RequestedSizesAreClamped) {
    const struct {
        const char* what;
        SplitterSizes sizes;
        int id;
        LayoutRect rect;
    } cases[] = {
        // Column dragged to x = 300: 800 - 300 - 10 = 490.
        {"column 490", {490, 240, 120}, kFileList, {305, 293, 795, 496}},
        // Column dragged to x = 790: 0, raised to 20.
        {"column 0", {0, 240, 120}, kFileList, {775, 293, 795, 496}},
        {"column too wide", {5000, 240, 120}, kFileList, {15, 293, 795, 496}},
        // Right splitter dragged to y = 60: 12, raised to 20.
        {"map 12", {240, 12, 120}, kMapPlace, {555, 48, 795, 68}},
        {"map too high", {240, 1000, 120}, kMapPlace, {555, 48, 795, 481}},
        // Bottom splitter dragged to y = 100: 560 - 64 - 100 - 10 = 386, lowered to 448 - 72 - 40 = 336.
        {"panel 386", {240, 240, 386}, kGroupList, {5, 155, 549, 496}},
        {"panel negative", {240, 240, -50}, kGroupList, {5, 471, 549, 496}},
    };
    for (const auto& c : cases) {
        LayoutInput input = Client(800, 560);
        input.sizes = c.sizes;
        EXPECT_EQ(At(RelayoutControls(input), c.id), c.rect) << c.what;
    }
}

TEST(RelayoutControls, FullPaneMovesOnlyTheBackgrounds) {
    LayoutInput input = Client(1920, 1079);
    input.fullPane = true;
    input.monitor = {0, 0, 1920, 1080};
    const LayoutResult layout = RelayoutControls(input);
    EXPECT_EQ(layout.count, 2);
    EXPECT_EQ(At(layout, kFrontBackground), input.monitor);
    EXPECT_EQ(At(layout, kRearBackground), input.monitor);
    EXPECT_FALSE(layout.splittersSet);
}

TEST(FitVideoPanes, TableOfBoxesAndPictures) {
    const LayoutRect front{5, 48, 272, 269};
    const LayoutRect rear{272, 48, 549, 269};
    const struct {
        const char* what;
        bool fullPane;
        int w, h;
        LayoutRect front, rear;
    } cases[] = {
        // The panes cover the backgrounds' 2-px edges: 271 x 225 boxes.
        {"no recording", false, 0, 0, {3, 46, 274, 271}, {270, 46, 551, 271}},
        // 271 * 9 / 16 = 152, offset (225 - 152) / 2 = 36.
        {"16:9 is wider", false, 1920, 1080, {3, 82, 274, 234}, {270, 82, 551, 234}},
        // 225 * 3 / 4 = 168, offset (271 - 168) / 2 = 51.
        {"3:4 is taller", false, 480, 640, {54, 46, 222, 271}, {321, 46, 489, 271}},
        {"full pane 16:9 exact", true, 1920, 1080, {0, 0, 1920, 1080}, {0, 0, 1920, 1080}},
        // 1080 * 4 / 3 = 1440 wide, offset (1920 - 1440) / 2 = 240.
        {"full pane 4:3", true, 640, 480, {240, 0, 1680, 1080}, {240, 0, 1680, 1080}},
    };
    for (const auto& c : cases) {
        const LayoutRect f = c.fullPane ? LayoutRect{0, 0, 1920, 1080} : front;
        const LayoutRect r = c.fullPane ? LayoutRect{0, 0, 1920, 1080} : rear;
        const VideoPaneRects panes = FitVideoPanes(f, r, c.fullPane, 2, 2, c.w, c.h);
        EXPECT_EQ(panes.front, c.front) << c.what;
        EXPECT_EQ(panes.rear, c.rear) << c.what;
    }
}

}  // namespace
