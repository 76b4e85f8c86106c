// RelayoutControls for a full-HD client, as a splitter drag runs it on every mouse move.

#include <benchmark/benchmark.h>

#include "mainwindow/mainlayout.h"

namespace {

void BM_RelayoutControls(benchmark::State& state) {
    LayoutInput input;
    input.clientWidth = 1920;
    input.clientHeight = 1080;
    int drag = 0;
    for (auto _ : state) {
        input.sizes.mapHeight = 200 + (drag++ & 255);
        LayoutResult layout = RelayoutControls(input);
        benchmark::DoNotOptimize(layout);
    }
}
BENCHMARK(BM_RelayoutControls);

void BM_FitVideoPanes(benchmark::State& state) {
    for (auto _ : state) {
        VideoPaneRects panes =
            FitVideoPanes({5, 48, 827, 851}, {827, 48, 1649, 851}, false, 0, 0, 1920, 1080);
        benchmark::DoNotOptimize(panes);
    }
}
BENCHMARK(BM_FitVideoPanes);

}  // namespace
