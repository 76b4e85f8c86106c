#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "controls/accessiblevalue.h"
#include "library/views.h"

// The three-axis acceleration of the current recording (X, Y, Z in G) as a scrolling strip chart, with a
// cursor at the playback position and a legend across the top that shows the values at the cursor and
// switches each curve on and off when clicked. It knows nothing of files or playback: the catalogue loads the
// track, the clock moves the cursor, Play and Stop undim and dim it. Clicks on the plot move nothing.
//
// Drawing is layered so that a cursor move costs one sample lookup per pixel column and axis at most: the
// frame (axes, ticks, labels) is cached until the size or the span changes, the curves on top of it until the
// data, the visible window, the dimming or the axis switches change; cursor and legend are drawn on each
// paint.
class CGSensorCtrl : public QWidget, public GSensorGraphView, public AccessibleValueSource {
    Q_OBJECT

  public:
    enum Axis { X = 0, Y = 1, Z = 2 };

    explicit CGSensorCtrl(QWidget* parent = nullptr);

    // GSensorGraphView
    void ClearData() override;
    void SetRange(double sensorRange, double displayRange) override;
    bool SetData(const std::uint8_t* raw, int count, std::span<const GSensorSample> samples) override;
    void UpdateTimeSpan() override;
    void SetSampleRate(double samplesPerMs) override;
    void SetPixelsPerMs(double pixelsPerMs) override;
    void SetViewMode(int mode) override;
    void SetPosition(int ms) override;
    void SetDimmed(bool dimmed) override;
    void Redraw() override;

    // The state the main window and the tests read.
    int SampleCount() const { return static_cast<int>(samples_.size()); }
    double Scale() const { return scale_; }
    double SensorRange() const { return sensorRange_; }
    double DisplayRange() const { return displayRange_; }
    double SampleRate() const { return sampleRate_; }
    double PixelsPerMs() const { return pixelsPerMs_; }
    int ViewMode() const { return viewMode_; }
    double Span() const { return span_; }
    double TotalDuration() const { return totalDuration_; }
    double WindowStart() const { return windowStart_; }
    double Position() const { return position_; }
    bool IsDimmed() const { return dimmed_; }
    bool IsAxisVisible(int axis) const { return axisVisible_.at(static_cast<std::size_t>(axis)); }
    // The G values of the three axes at the cursor; 0 past the end of the track.
    std::array<double, 3> ValuesAtCursor() const;
    // Where the plot lies in the control (right and bottom as QRect has them: inclusive).
    QRect PlotRect() const { return plotRect_; }
    // The click area of an axis's legend entry, as last painted; empty before the first paint.
    QRect LegendRect(int axis) const { return legendRect_.at(static_cast<std::size_t>(axis)); }
    // The span the picture is drawn with: UpdateTimeSpan's, with the painting's own rules for whole
    // milliseconds and for a span that cannot be drawn.
    double PaintSpan() const;
    // How often the cached frame and curve layers were drawn (tests and benchmarks check that a cursor move
    // reuses them).
    int FrameBuilds() const { return frameBuilds_; }
    int CurveBuilds() const { return curveBuilds_; }
    // The legend's reading for screen readers: "X 1.0000 G, Y -2.0000 G, Z 0.0000 G".
    QString AccessibleValue() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    struct Sample {
        std::int8_t axis[3];
    };
    // The key of a cached layer: it is redrawn only when one of these changed.
    struct FrameKey {
        QSize size;
        qreal dpr = 0;
        double span = -1;
        double displayRange = 0;
        bool operator==(const FrameKey&) const = default;
    };
    struct CurveKey {
        FrameKey frame;
        std::uint64_t dataGeneration = 0;
        double windowStart = -1;
        double sampleRate = 0;
        double factor = 0;
        bool dimmed = false;
        std::array<bool, 3> axisVisible{};
        bool operator==(const CurveKey&) const = default;
    };

    void Layout();
    double ToG(int count) const { return count * sensorRange_ / 128.0 * scale_; }
    int ToY(int count) const;
    void DataChanged();
    void PaintFrame(QPainter& p, double span) const;
    void PaintCurves(QPainter& p, double span) const;
    void PaintCursor(QPainter& p, double span) const;
    void PaintLegend(QPainter& p);
    QPixmap NewLayer() const;

    std::vector<Sample> samples_;
    double scale_ = 1.0;
    double sensorRange_ = 2.0;
    double displayRange_ = 2.0;
    double sampleRate_ = 0.016;
    double fixedSpan_ = 60000.0;
    double pixelsPerMs_ = 0.025;
    int viewMode_ = 0;
    double span_ = 0;
    double totalDuration_ = 0;
    double windowStart_ = 0;
    double position_ = 0;
    bool dimmed_ = false;
    std::array<bool, 3> axisVisible_{true, true, true};
    std::array<QRect, 3> legendRect_{};
    QRect plotRect_;
    int plotWidth_ = 0;
    int plotHeight_ = 0;
    QPoint centreLeft_;

    std::uint64_t dataGeneration_ = 0;
    QPixmap frameLayer_;
    FrameKey frameKey_;
    QPixmap curveLayer_;
    CurveKey curveKey_;
    int frameBuilds_ = 0;
    int curveBuilds_ = 0;
};
