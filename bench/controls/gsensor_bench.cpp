// Repainting the G-sensor graph for a 1-hour track (36,000 samples) in a 1,000-px-wide control after the
// playback clock moved the cursor by one 200 ms tick (target: 2 ms). "Scrolling" is the program's view (a
// fixed pixel scale, so the window follows the cursor and the curves are drawn again from one sample per
// column); "WholeTrack" keeps the window still, so only cursor and legend are painted over the cached
// layers.

#include <benchmark/benchmark.h>

#include <QImage>
#include <cmath>
#include <memory>
#include <vector>

#include "controls/gsensorctrl.h"

namespace {

constexpr int kSamples = 36000;  // one hour at 10 samples a second

std::vector<std::uint8_t> HourTrack() {
    std::vector<std::uint8_t> raw;
    raw.reserve(kSamples * 3);
    for (int i = 0; i < kSamples; ++i) {
        raw.push_back(static_cast<std::uint8_t>(static_cast<int>(40 * std::sin(i / 30.0))));
        raw.push_back(static_cast<std::uint8_t>(static_cast<int>(20 * std::cos(i / 7.0))));
        raw.push_back(static_cast<std::uint8_t>(64 + i % 13));
    }
    return raw;
}

std::unique_ptr<CGSensorCtrl> Graph(int viewMode) {
    static const std::vector<std::uint8_t> raw = HourTrack();
    auto g = std::make_unique<CGSensorCtrl>();
    g->resize(1000, 120);
    g->SetRange(2, 2);
    g->SetData(raw.data(), kSamples, {});
    g->SetSampleRate(0.01);
    g->SetPixelsPerMs(0.01);
    g->SetViewMode(viewMode);
    return g;
}

void CursorMove(benchmark::State& state, int viewMode) {
    auto g = Graph(viewMode);
    QImage target(g->size(), QImage::Format_ARGB32_Premultiplied);
    int position = 600000;
    g->SetPosition(position);
    g->render(&target);
    for (auto _ : state) {
        position = position >= 3000000 ? 600000 : position + 200;
        g->SetPosition(position);
        g->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_CursorMoveScrolling(benchmark::State& state) {
    CursorMove(state, 2);
}
void BM_CursorMoveWholeTrack(benchmark::State& state) {
    CursorMove(state, 0);
}

BENCHMARK(BM_CursorMoveScrolling)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CursorMoveWholeTrack)->Unit(benchmark::kMicrosecond);

}  // namespace
