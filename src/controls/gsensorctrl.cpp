#include "controls/gsensorctrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "controls/outlinedtext.h"

namespace {

constexpr double kTickMs = 200.0;
constexpr double kFallbackSpanMs = 20000.0;
const QColor kAxisGrey(102, 102, 102);
const QColor kCursorBlue(0, 0, 255);
const QColor kAxisColours[3] = {QColor(255, 255, 0), QColor(60, 255, 60), QColor(255, 60, 60)};
constexpr const char* kAxisLetters[3] = {"X", "Y", "Z"};

// A font whose character cell (ascent + descent) is at most cellHeight pixels, as the classic font
// mapper sizes fonts by cell height rather than by em.
QFont CellFont(int cellHeight) {
    InstallFontSubstitutes();
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    for (int px = cellHeight; px > 1; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).height() <= cellHeight) break;
    }
    return font;
}

const QFont& LabelFont() {
    static const QFont font = CellFont(10);
    return font;
}

const QFont& LegendFont() {
    static const QFont font = CellFont(13);
    return font;
}

// One-pixel lines along the pixel grid, with the end point excluded as the classic line calls have it.
void VLine(QPainter& p, int x, int y0, int y1Excl, const QColor& c) {
    if (y1Excl > y0) p.fillRect(QRect(x, y0, 1, y1Excl - y0), c);
}
void HLine(QPainter& p, int x0, int x1Excl, int y, const QColor& c) {
    if (x1Excl > x0) p.fillRect(QRect(x0, y, x1Excl - x0, 1), c);
}

// Opaque text: a black box under the text, as text drawn with an opaque background has.
void OpaqueText(QPainter& p, int x, int y, const QString& text, const QColor& colour) {
    const QFontMetrics fm(p.font());
    const QRect box(x, y, fm.horizontalAdvance(text), fm.height());
    p.fillRect(box, Qt::black);
    p.setPen(colour);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

QString Printf(const char* format, double value) {
    char buf[64];
    std::snprintf(buf, sizeof(buf), format, value);
    return QString::fromLatin1(buf);
}

}  // namespace

CGSensorCtrl::CGSensorCtrl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallAccessibleValueFactory();
    setAccessibleName(QStringLiteral("G-sensor graph"));
    Layout();
}

// ---- data

void CGSensorCtrl::ClearData() {
    samples_.clear();
    position_ = 0;
    DataChanged();
    update();
}

void CGSensorCtrl::SetRange(double sensorRange, double displayRange) {
    // 0 is what a recording without a range byte gives; negative or endless ranges cannot be drawn either.
    const auto usable = [](double range) { return range > 0 && std::isfinite(range) ? range : 8.0; };
    sensorRange_ = usable(sensorRange);
    displayRange_ = usable(displayRange);
}

bool CGSensorCtrl::SetData(const std::uint8_t* raw, int count, std::span<const GSensorSample> samples) {
    if (count == 0) return false;
    if (!samples.empty()) {
        scale_ = 1.0 / 64.0;
        samples_.reserve(samples_.size() + samples.size());
        for (const GSensorSample& s : samples) {
            samples_.push_back({{static_cast<std::int8_t>(s.x & 0xff), static_cast<std::int8_t>(s.y & 0xff),
                                 static_cast<std::int8_t>(s.z & 0xff)}});
        }
    } else {
        // A negative count or no block is a caller's slip; nothing sensible can be read from it.
        if (count < 0 || raw == nullptr) return false;
        scale_ = 1.0;
        samples_.reserve(samples_.size() + static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const std::uint8_t* s = raw + static_cast<std::size_t>(i) * 3;
            samples_.push_back({{static_cast<std::int8_t>(s[0]), static_cast<std::int8_t>(s[1]),
                                 static_cast<std::int8_t>(s[2])}});
        }
    }
    DataChanged();
    return true;
}

void CGSensorCtrl::DataChanged() {
    ++dataGeneration_;
}

// ---- time span and scrolling

void CGSensorCtrl::UpdateTimeSpan() {
    // The size may have changed while the control was hidden, where no resize event arrives.
    Layout();
    // Without a sample rate the track has no time base: it then lasts 0 ms instead of forever.
    const bool timed = sampleRate_ > 0 && std::isfinite(sampleRate_);
    totalDuration_ = timed ? static_cast<double>(samples_.size()) / sampleRate_ : 0.0;
    switch (viewMode_) {
        case 0:
            span_ = std::clamp(totalDuration_, 1000.0, 3600000.0);
            break;
        case 1:
            span_ = fixedSpan_;
            break;
        case 2:
            span_ = plotWidth_ / pixelsPerMs_;
            break;
        default:
            break;
    }
}

double CGSensorCtrl::PaintSpan() const {
    double span;
    switch (viewMode_) {
        case 0:
            span = sampleRate_ == 0 ? kFallbackSpanMs : std::trunc(totalDuration_);
            break;
        case 1:
            span = fixedSpan_;
            break;
        default:
            span = std::trunc(plotWidth_ / pixelsPerMs_);
            break;
    }
    // 0 falls back as the painting always did; so do spans that cannot be drawn at all (a pixel scale of 0).
    if (!(span > 0) || !std::isfinite(span)) span = kFallbackSpanMs;
    return span;
}

void CGSensorCtrl::SetSampleRate(double samplesPerMs) {
    sampleRate_ = samplesPerMs;
    UpdateTimeSpan();
}

void CGSensorCtrl::SetPixelsPerMs(double pixelsPerMs) {
    pixelsPerMs_ = pixelsPerMs;
    UpdateTimeSpan();
}

void CGSensorCtrl::SetViewMode(int mode) {
    viewMode_ = mode;
}

void CGSensorCtrl::SetPosition(int ms) {
    position_ = ms;
    UpdateTimeSpan();
    position_ = std::clamp(position_, 0.0, totalDuration_);
    const double half = span_ / 2;
    if (half > position_ || span_ > totalDuration_)
        windowStart_ = 0;
    else if (totalDuration_ > position_ + half)
        windowStart_ = position_ - half;
    else
        windowStart_ = totalDuration_ - span_;
    update();
    ValueChanged(this, AccessibleValue());
}

void CGSensorCtrl::SetDimmed(bool dimmed) {
    dimmed_ = dimmed;
    update();
}

void CGSensorCtrl::Redraw() {
    update();
}

std::array<double, 3> CGSensorCtrl::ValuesAtCursor() const {
    const double index = std::trunc(std::trunc(position_) * sampleRate_);
    if (!(sampleRate_ > 0) || !(index < static_cast<double>(samples_.size()))) return {0.0, 0.0, 0.0};
    const Sample& s = samples_[static_cast<std::size_t>(index)];
    return {ToG(s.axis[0]), ToG(s.axis[1]), ToG(s.axis[2])};
}

QString CGSensorCtrl::AccessibleValue() const {
    const std::array<double, 3> v = ValuesAtCursor();
    char buf[96];
    std::snprintf(buf, sizeof(buf), "X %0.4f G, Y %0.4f G, Z %0.4f G", v[0], v[1], v[2]);
    return QString::fromLatin1(buf);
}

// ---- layout and painting

void CGSensorCtrl::Layout() {
    // The plot leaves room for the axis labels on the left and for the legend on top.
    plotRect_ = rect().adjusted(24, 20, -2, -8);
    plotWidth_ = plotRect_.width();
    plotHeight_ = plotRect_.height();
    centreLeft_ = QPoint(plotRect_.left(), plotRect_.top() + plotHeight_ / 2);
}

int CGSensorCtrl::ToY(int count) const {
    const double g = std::clamp(ToG(count), -displayRange_, displayRange_);
    return static_cast<int>(centreLeft_.y() - (plotHeight_ / (2 * displayRange_)) * g);
}

QPixmap CGSensorCtrl::NewLayer() const {
    const qreal dpr = devicePixelRatioF();
    QPixmap layer(size() * dpr);
    layer.setDevicePixelRatio(dpr);
    return layer;
}

void CGSensorCtrl::PaintFrame(QPainter& p, double span) const {
    p.fillRect(rect(), Qt::black);
    if (plotWidth_ <= 0 || plotHeight_ <= 0) return;
    const int left = plotRect_.left();
    const int top = plotRect_.top();
    const int bottom = top + plotHeight_;  // exclusive
    const int centreY = centreLeft_.y();
    HLine(p, left, left + plotWidth_, centreY, Qt::white);
    VLine(p, left, top, bottom, kAxisGrey);

    // Ticks mark the plot every 200 ms of span; they do not scroll. When they are packed closer than one
    // pixel, several fall on a column and the longest wins, so each column is drawn once.
    const double ticks = span / kTickMs;
    std::vector<int> length(static_cast<std::size_t>(plotWidth_), 0);
    if (ticks >= 10.0 * plotWidth_) {
        // Every column then holds ten ticks in a row, one of them a long one.
        std::fill(length.begin(), length.end(), 6);
    } else {
        for (long long i = 0; i < ticks; ++i) {
            const int x = static_cast<int>(left + static_cast<double>(i * plotWidth_) / ticks);
            const int len = i % 10 == 0 ? 6 : i % 10 == 5 ? 4 : 2;
            const auto column = static_cast<std::size_t>(std::clamp(x - left, 0, plotWidth_ - 1));
            length[column] = std::max(length[column], len);
        }
    }
    for (int c = 0; c < plotWidth_; ++c) {
        const int len = length[static_cast<std::size_t>(c)];
        if (len == 0) continue;
        for (const int y : {top, centreY, bottom}) VLine(p, left + c, y - len, y, kAxisGrey);
    }

    // Axis labels left of the plot; they never reach its first column.
    p.setFont(LabelFont());
    const int rowHeight = (height() - 20) / 6;
    OpaqueText(p, 4, 20 + rowHeight - 10, Printf(" %1.0fG", displayRange_), Qt::white);
    OpaqueText(p, 4, 20 + 3 * rowHeight - 10, Printf(" %0.0fG", 0.0), Qt::white);
    OpaqueText(p, 4, 20 + 5 * rowHeight - 10, Printf("-%1.0fG", displayRange_), Qt::white);
}

void CGSensorCtrl::PaintCurves(QPainter& p, double span) const {
    if (dimmed_ || plotWidth_ <= 0 || plotHeight_ <= 0 || !(sampleRate_ > 0)) return;
    // One sample per pixel column and axis, whatever the length of the track.
    std::array<QPolygon, 3> curves;
    for (int a = 0; a < 3; ++a) {
        if (!axisVisible_[static_cast<std::size_t>(a)]) continue;
        curves[static_cast<std::size_t>(a)].reserve(plotWidth_ + 1);
        curves[static_cast<std::size_t>(a)].append(centreLeft_);
    }
    const double count = static_cast<double>(samples_.size());
    for (int px = 0; px < plotWidth_; ++px) {
        const double t = windowStart_ + px * span / plotWidth_;
        const double index = std::trunc(std::trunc(t) * sampleRate_);
        if (!(index < count) || index < 0) break;
        const Sample& s = samples_[static_cast<std::size_t>(index)];
        for (int a = 0; a < 3; ++a) {
            if (axisVisible_[static_cast<std::size_t>(a)])
                curves[static_cast<std::size_t>(a)].append(QPoint(plotRect_.left() + px, ToY(s.axis[a])));
        }
    }
    for (int a = 0; a < 3; ++a) {
        const QPolygon& curve = curves[static_cast<std::size_t>(a)];
        if (curve.size() < 2) continue;
        p.setPen(QPen(kAxisColours[a], 1));
        p.drawPolyline(curve);
    }
}

void CGSensorCtrl::PaintCursor(QPainter& p, double span) const {
    if (plotWidth_ <= 0 || plotHeight_ <= 0) return;
    const double offset = plotWidth_ * (position_ - windowStart_) / span;
    if (!std::isfinite(offset)) return;  // a window without a usable span has no place for the cursor
    const int x = plotRect_.left() + static_cast<int>(std::clamp(offset, -1e6, 1e6));
    const int y0 = plotRect_.top() - 4;
    const int y1 = plotRect_.top() + plotHeight_ + 4;
    // A 2-px line centred on x covers the column before x and x itself.
    p.fillRect(QRect(x - 1, y0, 2, y1 - y0), kCursorBlue);
}

void CGSensorCtrl::PaintLegend(QPainter& p) {
    p.setFont(LegendFont());
    const QFontMetrics fm(p.font());
    const std::array<double, 3> values = ValuesAtCursor();
    int x = 40;
    for (int a = 0; a < 3; ++a) {
        const auto i = static_cast<std::size_t>(a);
        char buf[96];
        std::snprintf(buf, sizeof(buf), "%s: %0.4f G    ", kAxisLetters[a], values[i]);
        const QString text = QString::fromLatin1(buf);
        const int cx = fm.horizontalAdvance(text);
        const int cy = fm.height();
        const bool lit = !dimmed_ && axisVisible_[i] && totalDuration_ != 0;
        const int shift = lit ? 1 : 0;
        const QColor topLeft = lit ? QColor(130, 130, 130) : QColor(100, 100, 100);
        const QColor bottomRight = lit ? QColor(80, 80, 80) : QColor(50, 50, 50);
        // A 3-D frame one pixel outside the text box; a lit entry is pressed in by one pixel.
        const QRect frame = QRect(x + shift, 2 + shift, cx, cy).adjusted(-1, -1, 1, 1);
        HLine(p, frame.left(), frame.right(), frame.top(), topLeft);
        VLine(p, frame.left(), frame.top(), frame.bottom(), topLeft);
        HLine(p, frame.left(), frame.right() + 1, frame.bottom(), bottomRight);
        VLine(p, frame.right(), frame.top(), frame.bottom(), bottomRight);
        legendRect_[i] = QRect(x + shift, 2 + shift, cx, cy);
        OpaqueText(p, x + shift, 2 + shift, text, lit ? kAxisColours[a] : QColor(160, 160, 160));
        x += cx + 8;
    }
}

void CGSensorCtrl::paintEvent(QPaintEvent*) {
    Layout();
    const double span = PaintSpan();
    const FrameKey frameKey{size(), devicePixelRatioF(), span, displayRange_};
    if (frameLayer_.isNull() || !(frameKey_ == frameKey)) {
        frameLayer_ = NewLayer();
        QPainter p(&frameLayer_);
        PaintFrame(p, span);
        frameKey_ = frameKey;
        curveKey_ = {};
        ++frameBuilds_;
    }
    const CurveKey curveKey{frameKey, dataGeneration_, windowStart_, sampleRate_, sensorRange_ * scale_,
                            dimmed_,  axisVisible_};
    if (curveLayer_.isNull() || !(curveKey_ == curveKey)) {
        curveLayer_ = frameLayer_.copy();
        curveLayer_.setDevicePixelRatio(frameLayer_.devicePixelRatio());
        QPainter p(&curveLayer_);
        PaintCurves(p, span);
        curveKey_ = curveKey;
        ++curveBuilds_;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, curveLayer_);
    PaintCursor(p, span);
    PaintLegend(p);
}

void CGSensorCtrl::resizeEvent(QResizeEvent* event) {
    Layout();
    UpdateTimeSpan();
    QWidget::resizeEvent(event);
}

// ---- mouse: the legend switches curves; the plot is not a seek control

void CGSensorCtrl::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CGSensorCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint pos = event->position().toPoint();
        for (std::size_t a = 0; a < 3; ++a) {
            if (legendRect_[a].contains(pos)) {
                axisVisible_[a] = !axisVisible_[a];
                break;
            }
        }
        update();
    }
    QWidget::mouseReleaseEvent(event);
}

void CGSensorCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CGSensorCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) update();
    QWidget::mouseMoveEvent(event);
}
