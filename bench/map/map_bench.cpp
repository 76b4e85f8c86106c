// How long the map takes to show a recording's route: from the catalogue's LoadTelemetry of a recording on
// disk until the page holds every point of its route, for a 180-sample recording (target 200 ms) and a
// 3,600-sample track. The page's own load is timed as well. Prints milliseconds.
//
// Run with the Qt WebEngine environment of the map tests (offscreen, sandbox off as root), e.g.
//   QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
//   map_bench

#include <QApplication>
#include <QElapsedTimer>
#include <QWebEngineView>
#include <QtTest/QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bytes.h"
#include "library/recordingcatalogue.h"
#include "synthetic.h"

#include "map/cefbrowsereventhandler.h"
#include "map/htmlmapdlg.h"
#include "maptestsupport.h"

namespace {

// An AVI recording whose "gps0" chunk holds the samples, in folder; returns its name.
std::string WriteRecording(const std::string& folder, const std::vector<GpsSample>& samples) {
    using namespace fixtures;
    const std::string name = "MOVI" + std::to_string(samples.size() % 10000) + ".AVI";
    const std::uint32_t frames = static_cast<std::uint32_t>(samples.size() * 25);
    WriteFile(folder + "/" + name, AviFile(AviHdrl(40000, frames, 1920, 1080) + AviMovi("") +
                                           Chunk("gpsa", RateWord(1)) + Chunk("gps0", GpsBytes(samples))));
    return name;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    constexpr int kRuns = 7;
    char tmpl[] = "/tmp/orvan-map-bench-XXXXXX";
    const std::string folder = mkdtemp(tmpl);
    std::vector<std::string> names;
    for (int count : {180, 3600}) names.push_back(WriteRecording(folder, maptest::Track(count)));

    for (int provider : {0, 1, 2}) {
        QElapsedTimer load;
        load.start();
        auto map = maptest::OpenMap(provider);
        if (!map) {
            std::fprintf(stderr, "provider %d: the browser did not come up\n", provider);
            return 1;
        }
        const double loadMs = load.nsecsElapsed() / 1e6;
        std::printf("provider %d: page loaded and browser ready in %.1f ms\n", provider, loadMs);

        for (std::size_t k = 0; k < names.size(); ++k) {
            const int count = k == 0 ? 180 : 3600;
            RecordingCatalogue catalogue;
            catalogue.Init(nullptr, nullptr, nullptr, map.get(), nullptr);
            catalogue.OpenSource(folder, names[k]);
            std::vector<double> times;
            for (int run = 0; run < kRuns; ++run) {
                QElapsedTimer t;
                t.start();
                catalogue.LoadTelemetry(0);
                // Scripts run in order: once this answers, every path_plot before it has been drawn.
                const int drawn =
                    maptest::Eval(map->Handler(), QStringLiteral("orvan_state().routeLine.length")).toInt();
                times.push_back(t.nsecsElapsed() / 1e6);
                if (drawn != count) {
                    std::fprintf(stderr, "provider %d: %d of %d points drawn\n", provider, drawn, count);
                    return 1;
                }
            }
            std::printf("provider %d: route of %d samples drawn in %.1f ms (median of %d, best %.1f)\n",
                        provider, count, Median(times), kRuns, *std::min_element(times.begin(), times.end()));
        }
    }
    std::filesystem::remove_all(folder);
    return 0;
}
