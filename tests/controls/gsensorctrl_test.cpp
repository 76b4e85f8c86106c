#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "controls/gsensorctrl.h"

namespace {

const QColor kX(255, 255, 0), kY(60, 255, 60), kZ(255, 60, 60), kCursor(0, 0, 255);

// A 326 x 128 control: its plot is 300 x 100 px at (24, 20), the centre line at y 70.
constexpr int kLeft = 24, kTop = 20, kPlotW = 300, kPlotH = 100, kCentreY = 70;

std::vector<std::uint8_t> Track(int count, std::int8_t x, std::int8_t y, std::int8_t z) {
    std::vector<std::uint8_t> raw;
    for (int i = 0; i < count; ++i) {
        raw.push_back(static_cast<std::uint8_t>(x));
        raw.push_back(static_cast<std::uint8_t>(y));
        raw.push_back(static_cast<std::uint8_t>(z));
    }
    return raw;
}

// The catalogue's loading sequence for a raw track at samplesPerSecond.
void Load(CGSensorCtrl& g, const std::vector<std::uint8_t>& raw, double samplesPerSecond,
          double range = 2.0) {
    g.ClearData();
    g.SetRange(range, 2.0);
    g.ClearData();
    ASSERT_TRUE(g.SetData(raw.data(), static_cast<int>(raw.size() / 3), {}));
    g.UpdateTimeSpan();
    g.SetSampleRate(samplesPerSecond / 1000.0);
    g.SetPixelsPerMs(0.01);
    g.SetViewMode(2);
}

QImage Render(CGSensorCtrl& g) {
    return g.grab().toImage();
}

// Columns of the plot (0-based) in which a pixel of colour c lies on row y.
std::vector<int> ColumnsWith(const QImage& img, int y, const QColor& c) {
    std::vector<int> cols;
    for (int px = 0; px < kPlotW; ++px) {
        if (img.pixelColor(kLeft + px, y) == c) cols.push_back(px);
    }
    return cols;
}

// Some pixel of r shows colour c, at full strength or (text is smoothed) darkened over black.
bool AnyPixel(const QImage& img, const QRect& r, const QColor& c) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = img.pixelColor(x, y);
            const double k = std::max({p.red(), p.green(), p.blue()}) / 255.0;
            if (k < 0.5) continue;
            if (std::abs(p.red() - k * c.red()) < 16 && std::abs(p.green() - k * c.green()) < 16 &&
                std::abs(p.blue() - k * c.blue()) < 16)
                return true;
        }
    }
    return false;
}

void Click(CGSensorCtrl& g, QPoint at) {
    QTest::mousePress(&g, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&g, Qt::LeftButton, {}, at);
}

class GSensorCtrlTest : public ::testing::Test {
  protected:
    void SetUp() override { g.resize(326, 128); }
    CGSensorCtrl g;
};

TEST_F(GSensorCtrlTest, StartsEmptyWithTheInitialFields) {
    EXPECT_EQ(g.SampleCount(), 0);
    EXPECT_DOUBLE_EQ(g.Scale(), 1.0);
    EXPECT_DOUBLE_EQ(g.SensorRange(), 2.0);
    EXPECT_DOUBLE_EQ(g.DisplayRange(), 2.0);
    EXPECT_DOUBLE_EQ(g.SampleRate(), 0.016);
    EXPECT_DOUBLE_EQ(g.PixelsPerMs(), 0.025);
    EXPECT_EQ(g.ViewMode(), 0);
    EXPECT_FALSE(g.IsDimmed());
    for (int a = 0; a < 3; ++a) EXPECT_TRUE(g.IsAxisVisible(a));
    EXPECT_EQ(g.accessibleName(), "G-sensor graph");
    // Axes, centre line, cursor and an unlit legend, but no curve.
    const QImage img = Render(g);
    EXPECT_EQ(img.pixelColor(kLeft + 100, kCentreY), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(kLeft, kTop + 50), kCursor);
    // An empty track paints 20 s: a tick every 3 px, every fifth 4 px and every tenth 6 px long.
    const QColor grey(102, 102, 102);
    for (const auto& [x, length] : {std::pair{27, 2}, {39, 4}, {54, 6}, {57, 2}}) {
        EXPECT_EQ(img.pixelColor(kLeft + x - 24, kCentreY - length), grey) << x;
        EXPECT_EQ(img.pixelColor(kLeft + x - 24, kCentreY - length - 1), QColor(Qt::black)) << x;
        EXPECT_EQ(img.pixelColor(kLeft + x - 24, kTop + kPlotH - 1), grey) << x;
    }
    EXPECT_FALSE(AnyPixel(img, g.LegendRect(CGSensorCtrl::X), kX));
    EXPECT_EQ(g.ValuesAtCursor(), (std::array<double, 3>{0.0, 0.0, 0.0}));
}

TEST_F(GSensorCtrlTest, CountsBecomeGAndRowsOfThePlot) {
    // 64 is 1 G a quarter of the plot above the centre; -128 is -2 G on the bottom edge; 0 on the centre
    // line.
    Load(g, Track(100, 64, -128, 0), 10);
    g.SetPosition(0);
    const auto v = g.ValuesAtCursor();
    EXPECT_DOUBLE_EQ(v[0], 1.0);
    EXPECT_DOUBLE_EQ(v[1], -2.0);
    EXPECT_DOUBLE_EQ(v[2], 0.0);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&g)->text(QAccessible::Value).toStdString(),
              "X 1.0000 G, Y -2.0000 G, Z 0.0000 G");
    const QImage img = Render(g);
    EXPECT_EQ(ColumnsWith(img, kCentreY - kPlotH / 4, kX).size(), 99u);
    EXPECT_EQ(ColumnsWith(img, kTop + kPlotH, kY).size(), 99u);
    EXPECT_EQ(ColumnsWith(img, kCentreY, kZ).size(), 99u);
    EXPECT_TRUE(AnyPixel(img, g.LegendRect(CGSensorCtrl::X), kX));

    // Values beyond the display range lie on the plot's edge while the legend keeps the true value.
    Load(g, Track(100, 127, 0, 0), 10, 8.0);
    g.SetPosition(0);
    EXPECT_NEAR(g.ValuesAtCursor()[0], 127 * 8.0 / 128, 1e-12);
    EXPECT_EQ(ColumnsWith(Render(g), kTop, kX).size(), 99u);
}

TEST_F(GSensorCtrlTest, DecodedSamplesUseTheirLowBytesAndAScale) {
    const std::vector<GSensorSample> decoded(50, GSensorSample{0x12340040u, 0xffffffc0u, 0x100u});
    g.SetRange(2.0, 2.0);
    ASSERT_TRUE(g.SetData(nullptr, 50, decoded));
    EXPECT_EQ(g.SampleCount(), 50);
    EXPECT_DOUBLE_EQ(g.Scale(), 1.0 / 64);
    g.SetSampleRate(0.01);
    const auto v = g.ValuesAtCursor();
    EXPECT_DOUBLE_EQ(v[0], 64 * 2.0 / 128 / 64);
    EXPECT_DOUBLE_EQ(v[1], -64 * 2.0 / 128 / 64);
    EXPECT_DOUBLE_EQ(v[2], 0.0);
}

TEST_F(GSensorCtrlTest, RejectedDataAndRangesOfZero) {
    Load(g, Track(10, 1, 2, 3), 10);
    const std::uint8_t raw[3] = {1, 2, 3};
    EXPECT_FALSE(g.SetData(raw, 0, {}));
    EXPECT_FALSE(g.SetData(nullptr, 5, {}));
    EXPECT_FALSE(g.SetData(raw, -1, {}));
    EXPECT_EQ(g.SampleCount(), 10);
    for (const double bad : {0.0, -2.0, std::numeric_limits<double>::infinity()}) {
        g.SetRange(bad, bad);
        EXPECT_DOUBLE_EQ(g.SensorRange(), 8.0);
        EXPECT_DOUBLE_EQ(g.DisplayRange(), 8.0);
    }
    g.SetRange(4.0, 2.0);
    EXPECT_DOUBLE_EQ(g.SensorRange(), 4.0);
    // ClearData keeps the time base; the next UpdateTimeSpan sees the empty track.
    g.ClearData();
    EXPECT_EQ(g.SampleCount(), 0);
    EXPECT_DOUBLE_EQ(g.TotalDuration(), 1000.0);
    g.UpdateTimeSpan();
    EXPECT_DOUBLE_EQ(g.TotalDuration(), 0.0);
}

TEST_F(GSensorCtrlTest, SpansPerViewMode) {
    struct Case {
        int mode;
        int samples;
        double perMs;
        double span, paintSpan;  // UpdateTimeSpan's and the painted one
    };
    const Case cases[] = {
        {0, 100, 0.01, 10000, 10000},        // whole track
        {0, 5, 0.01, 1000, 500},             // clamped to 1 s, painted unclamped
        {0, 36001, 0.01, 3600000, 3600100},  // clamped to 1 h, painted unclamped
        {0, 10, 0.003, 10 / 0.003, 3333},    // painted in whole ms
        {0, 10, 0.0, 1000, 20000},           // no sample rate: 20 s painted
        {1, 100, 0.01, 60000, 60000},        // fixed span
        {2, 100, 0.01, 30000, 30000},        // 300 px at 0.01 px/ms
        {2, 100, 0.007, 30000, 30000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << c.mode << " samples " << c.samples << " rate " << c.perMs);
        const auto raw = Track(c.samples, 0, 0, 0);
        g.SetData(raw.data(), c.samples, {});
        g.SetViewMode(c.mode);
        g.SetPixelsPerMs(0.01);
        g.SetSampleRate(c.perMs);
        EXPECT_DOUBLE_EQ(g.Span(), c.span);
        EXPECT_DOUBLE_EQ(g.PaintSpan(), c.paintSpan);
        g.ClearData();
    }
    // An unknown mode keeps the span and paints as the pixel scale; a pixel scale of 0 paints 20 s.
    g.SetViewMode(1);
    g.UpdateTimeSpan();
    g.SetViewMode(7);
    g.SetPixelsPerMs(0.02);
    EXPECT_DOUBLE_EQ(g.Span(), 60000);
    EXPECT_DOUBLE_EQ(g.PaintSpan(), 15000);
    g.SetViewMode(2);
    g.SetPixelsPerMs(0);
    EXPECT_DOUBLE_EQ(g.PaintSpan(), 20000);
}

TEST_F(GSensorCtrlTest, ShortTrackNeverScrollsAndEndsAtColumn100) {
    Load(g, Track(100, 64, 0, 0), 10);  // 10 s, span 30 s
    for (int ms : {5000, 10000, 25000, 999999, -300}) {
        g.SetPosition(ms);
        EXPECT_EQ(g.WindowStart(), 0) << ms;
        EXPECT_EQ(g.Position(), std::clamp(ms, 0, 10000)) << ms;
    }
    const std::vector<int> cols = ColumnsWith(Render(g), kCentreY - kPlotH / 4, kX);
    ASSERT_FALSE(cols.empty());
    EXPECT_EQ(cols.front(), 1);
    EXPECT_EQ(cols.back(), 99);
}

TEST_F(GSensorCtrlTest, LongTrackScrollsWithTheCursorInTheMiddleThenPinsTheEnd) {
    Load(g, Track(6000, 64, 0, 0), 10);  // 10 min
    struct Case {
        int position;
        double windowStart;
    };
    const Case cases[] = {{0, 0},           {14999, 0},       {15000, 0},      {300000, 285000},
                          {584999, 569999}, {599000, 570000}, {600000, 570000}};
    for (const Case& c : cases) {
        g.SetPosition(c.position);
        EXPECT_DOUBLE_EQ(g.WindowStart(), c.windowStart) << c.position;
    }
    g.SetPosition(300000);
    const QImage middle = Render(g);
    EXPECT_EQ(middle.pixelColor(kLeft + kPlotW / 2, kTop + 30), kCursor);
    EXPECT_EQ(middle.pixelColor(kLeft + kPlotW / 2 - 1, kTop + 30), kCursor);
    EXPECT_NE(middle.pixelColor(kLeft + kPlotW / 2 + 1, kTop + 30), kCursor);
    // Pinned: the last sample in the last column, the cursor near the right edge.
    g.SetPosition(599000);
    const QImage end = Render(g);
    EXPECT_EQ(ColumnsWith(end, kCentreY - kPlotH / 4, kX).back(), kPlotW - 1);
    EXPECT_EQ(end.pixelColor(kLeft + 290, kTop + 30), kCursor);
}

TEST_F(GSensorCtrlTest, LegendClicksToggleACurve) {
    Load(g, Track(100, 64, 32, -32), 10);
    g.SetPosition(0);
    Render(g);  // the legend's click areas come from painting
    const QRect y = g.LegendRect(CGSensorCtrl::Y);
    ASSERT_FALSE(y.isEmpty());
    const int rowY = static_cast<int>(kCentreY - kPlotH / 8.0);

    Click(g, y.center());
    EXPECT_FALSE(g.IsAxisVisible(CGSensorCtrl::Y));
    QImage img = Render(g);
    EXPECT_TRUE(ColumnsWith(img, rowY, kY).empty());
    EXPECT_FALSE(ColumnsWith(img, kCentreY - kPlotH / 4, kX).empty());
    EXPECT_FALSE(AnyPixel(img, g.LegendRect(CGSensorCtrl::Y), kY));  // grey entry
    EXPECT_EQ(g.LegendRect(CGSensorCtrl::Y), y.translated(-1, -1));  // no longer pressed in

    Click(g, g.LegendRect(CGSensorCtrl::Y).center());
    EXPECT_TRUE(g.IsAxisVisible(CGSensorCtrl::Y));
    img = Render(g);
    EXPECT_FALSE(ColumnsWith(img, rowY, kY).empty());
    EXPECT_TRUE(AnyPixel(img, g.LegendRect(CGSensorCtrl::Y), kY));

    // Between entries, on the plot, a double click: nothing changes.
    Click(g, QPoint(g.LegendRect(CGSensorCtrl::X).right() + 4, y.center().y()));
    Click(g, QPoint(kLeft + 100, kCentreY));
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(y.center()), QPointF(g.mapToGlobal(y.center())),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&g, &dbl);
    for (int a = 0; a < 3; ++a) EXPECT_TRUE(g.IsAxisVisible(a));
    EXPECT_EQ(g.Position(), 0);
}

TEST_F(GSensorCtrlTest, StopDimsAndPlayBringsItBack) {
    Load(g, Track(6000, 64, 0, 0), 10);
    g.SetPosition(300000);
    g.SetPosition(0);
    g.SetDimmed(true);
    QImage img = Render(g);
    EXPECT_EQ(g.SampleCount(), 6000);
    EXPECT_TRUE(ColumnsWith(img, kCentreY - kPlotH / 4, kX).empty());
    const QColor colours[3] = {kX, kY, kZ};
    for (int a = 0; a < 3; ++a) EXPECT_FALSE(AnyPixel(img, g.LegendRect(a), colours[a]));
    EXPECT_EQ(img.pixelColor(kLeft, kTop + 30), kCursor);

    g.SetDimmed(false);
    g.SetPosition(200);
    img = Render(g);
    EXPECT_FALSE(ColumnsWith(img, kCentreY - kPlotH / 4, kX).empty());
    EXPECT_TRUE(AnyPixel(img, g.LegendRect(CGSensorCtrl::X), kX));
}

TEST_F(GSensorCtrlTest, CursorMovesReuseTheCachedLayers) {
    Load(g, Track(6000, 64, 0, 0), 10);
    g.SetPosition(0);
    Render(g);
    const int frames = g.FrameBuilds(), curves = g.CurveBuilds();
    // While the window stands still (the first half span), a tick moves only the cursor.
    for (int ms = 200; ms < 15000; ms += 200) {
        g.SetPosition(ms);
        Render(g);
    }
    EXPECT_EQ(g.FrameBuilds(), frames);
    EXPECT_EQ(g.CurveBuilds(), curves);
    // Scrolling draws the curves again, one sample per column, over the same frame.
    for (int ms = 100000; ms < 102000; ms += 200) {
        g.SetPosition(ms);
        Render(g);
    }
    EXPECT_EQ(g.FrameBuilds(), frames);
    EXPECT_EQ(g.CurveBuilds(), curves + 10);
    // Dimming and new data draw the curves again; a new size the frame too.
    g.SetDimmed(true);
    Render(g);
    EXPECT_EQ(g.CurveBuilds(), curves + 11);
    Load(g, Track(600, 1, 2, 3), 10);
    Render(g);
    EXPECT_EQ(g.CurveBuilds(), curves + 12);
    g.resize(400, 128);
    Render(g);
    EXPECT_EQ(g.FrameBuilds(), frames + 1);
}

TEST_F(GSensorCtrlTest, NoSampleRateMeansNoTimeBase) {
    // A recording without a rate byte or duration: nothing to place on a time axis, and no endless track.
    Load(g, Track(100, 64, 0, 0), 0);
    g.SetPosition(5000);
    EXPECT_EQ(g.TotalDuration(), 0);
    EXPECT_EQ(g.Position(), 0);
    EXPECT_TRUE(ColumnsWith(Render(g), kCentreY - kPlotH / 4, kX).empty());
}

TEST_F(GSensorCtrlTest, UnusableScalesPaintWithoutCrashing) {
    Load(g, Track(100, 64, 0, 0), 10);
    for (const double ppm : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
        g.SetPixelsPerMs(ppm);
        g.SetPosition(5000);
        EXPECT_EQ(Render(g).size(), QSize(326, 128)) << ppm;
    }
    g.SetSampleRate(1e-12);  // a track of 10^14 ms
    g.SetPixelsPerMs(0.01);
    g.SetViewMode(0);
    g.SetPosition(2000000000);
    EXPECT_EQ(Render(g).size(), QSize(326, 128));
}

TEST_F(GSensorCtrlTest, TinyControlsPaintWithoutAPlot) {
    Load(g, Track(100, 64, 0, 0), 10);
    for (const QSize s : {QSize(1, 1), QSize(26, 28), QSize(20, 200), QSize(400, 10)}) {
        g.resize(s);
        g.SetPosition(5000);
        EXPECT_EQ(Render(g).size(), s);
    }
}

}  // namespace
