#include "mainwindow/mainlayout.h"

#include "mainwindow/controltable.h"

namespace {

constexpr int kTopBar = 48;
constexpr int kBottomBar = 64;
constexpr int kMargin = 5;
constexpr int kMinimumRequest = 20;

// Lowered to high when larger, else raised to low when smaller: the high bound wins when they cross.
int Clamp(int value, int low, int high) {
    if (value > high) return high;
    if (value < low) return low;
    return value;
}

class Placer {
  public:
    explicit Placer(LayoutResult& result) : result_(result) {}
    void Move(int id, int left, int top, int right, int bottom) {
        result_.placements[static_cast<std::size_t>(result_.count++)] = {id, {left, top, right, bottom}};
    }
    void MoveSized(int id, int left, int top, int width, int height) {
        Move(id, left, top, left + width, top + height);
    }

  private:
    LayoutResult& result_;
};

}  // namespace

const LayoutRect* LayoutResult::Find(int id) const {
    for (int i = 0; i < count; ++i) {
        if (placements[static_cast<std::size_t>(i)].id == id)
            return &placements[static_cast<std::size_t>(i)].rect;
    }
    return nullptr;
}

LayoutResult RelayoutControls(const LayoutInput& in) {
    using namespace ControlId;
    LayoutResult result;
    Placer place(result);
    const int cx = in.clientWidth;
    const int cy = in.clientHeight;

    if (in.fullPane) {
        const LayoutRect& m = in.monitor;
        place.Move(kFrontBackground, m.left, m.top, m.right, m.bottom);
        place.Move(kRearBackground, m.left, m.top, m.right, m.bottom);
        return result;
    }

    // Window buttons, then the size buttons, along the top bar.
    place.MoveSized(kClose, cx - 32, 2, 25, 25);
    place.MoveSized(kMaximize, cx - 59, 2, 25, 25);
    place.MoveSized(kMinimize, cx - 86, 2, 25, 25);
    place.MoveSized(kAbout, cx - 113, 2, 25, 25);
    place.MoveSized(kSizeL, cx - 159, 11, 16, 16);
    place.MoveSized(kSizeM, cx - 179, 11, 16, 16);
    place.MoveSized(kSizeS, cx - 199, 11, 16, 16);

    const int bandBottom = cy - kBottomBar;
    const int band = bandBottom - kTopBar;

    // The right column: map above the file list.
    const int column = Clamp(in.sizes.rightColumnWidth, kMinimumRequest, cx - 20);
    const int columnRight = cx - kMargin;
    const int columnLeft = columnRight - column;
    if (in.mapShown) {
        const int map = Clamp(in.sizes.mapHeight, kMinimumRequest, band - 15);
        place.Move(kMapPlace, columnLeft, kTopBar, columnRight, kTopBar + map);
        place.Move(kFileList, columnLeft, kTopBar + map + kMargin, columnRight, bandBottom);
        result.rightSplitter = {columnLeft, kTopBar, columnRight, bandBottom};
        result.rightSplitterSet = true;
    } else {
        place.Move(kFileList, columnLeft, kTopBar, columnRight, bandBottom);
        place.Move(kMapPlace, columnLeft, 0, columnRight, 0);
    }
    result.columnSplitter = {columnLeft - kMargin, kTopBar, columnLeft, bandBottom};

    // The left area: the videos over the position slider, the graph and the group list.
    const int graph = in.graphShown ? in.graphHeight : 0;
    const int panel = Clamp(in.sizes.bottomPanelHeight, kMinimumRequest, band - graph - 40);
    const int half = columnLeft / 2 - kMargin;
    const int videoBottom = kTopBar + band - panel - graph - 35;
    const int leftRight = 2 * half + kMargin;
    place.Move(kPositionSlider, kMargin, videoBottom, leftRight, videoBottom + 20);
    place.Move(kGraph, kMargin, videoBottom + 25, leftRight, videoBottom + 25 + graph);
    const int listTop = in.graphShown ? videoBottom + 25 + graph + kMargin : videoBottom + 25;
    place.Move(kGroupList, kMargin, listTop, leftRight, bandBottom);
    result.bottomSplitter = {kMargin, listTop - kMargin, leftRight, listTop};
    result.splittersSet = true;

    place.Move(kStatusBoard, kMargin, videoBottom - 30, half, videoBottom);

    // The bottom bar: file buttons on the left, playback in the middle, toggles on the right.
    int x = 8;
    for (int id : {kOpen, kSnap, kSave, kDelete, kConfig}) {
        place.MoveSized(id, x, cy - 44, 48, 36);
        x += 48;
    }
    x = 268;
    for (int id : {kSlow, kStop, kPlay, kFast}) {
        // PLAY is a fifth larger than its neighbours and sits lower on the bar.
        const int size = id == kPlay ? 48 : 40;
        place.MoveSized(id, x, id == kPlay ? cy - 56 : cy - 48, size, size);
        x += size + 1;
    }
    place.MoveSized(kVolume, x + 10, cy - 40, 12, 24);
    x += 22;
    place.MoveSized(kVolumeSlider, x + 2, cy - 36, 80, 20);
    int k = 5;
    for (int id : {kLoop, kKml, kMap, kGsr, kLock}) {
        place.MoveSized(id, cx - 25 - 34 * k, cy - 40, 32, 32);
        --k;
    }

    place.Move(kFrontBackground, kMargin, kTopBar, half, videoBottom);
    place.Move(kRearBackground, half, kTopBar, leftRight, videoBottom);
    return result;
}

VideoPaneRects FitVideoPanes(LayoutRect front, LayoutRect rear, bool fullPane, int edgeX, int edgeY,
                             int videoWidth, int videoHeight) {
    if (!fullPane) {
        for (LayoutRect* r : {&front, &rear}) {
            r->left -= edgeX;
            r->top -= edgeY;
            r->right += edgeX;
            r->bottom += edgeY;
        }
    }
    if (videoWidth > 0 && videoHeight > 0) {
        // 64-bit products: a 4K picture in a 4K box overflows 32 bits.
        const long long w = videoWidth;
        const long long h = videoHeight;
        const long long boxWidth = front.Width();
        const long long boxHeight = front.Height();
        if (boxWidth * h < boxHeight * w) {
            const int height = static_cast<int>(boxWidth * h / w);
            const int offset = static_cast<int>((boxHeight - height) / 2);
            for (LayoutRect* r : {&front, &rear}) {
                r->top += offset;
                r->bottom = r->top + height;
            }
        } else if (boxHeight * w < boxWidth * h) {
            const int width = static_cast<int>(boxHeight * w / h);
            const int offset = static_cast<int>((boxWidth - width) / 2);
            for (LayoutRect* r : {&front, &rear}) {
                r->left += offset;
                r->right = r->left + width;
            }
        }
    }
    return {front, rear};
}
