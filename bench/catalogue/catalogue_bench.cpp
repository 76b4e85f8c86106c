// Building the catalogue of a large source: sort by start time, group, make the rows and fill both lists.
#include <random>

#include <benchmark/benchmark.h>

#include "library/recordingcatalogue.h"

namespace {

// Lists that keep what a list widget would: the texts of each row.
class Lists : public GroupListView, public FileListView {
  public:
    void DeleteAllItems() override { rows.clear(); }
    void SetDropHilited(int, bool) override {}
    void EnsureVisible(int) override {}
    bool AddGroupRow(int group, const std::string& resolution, TimeValue, std::uint64_t, std::uint64_t,
                     std::uint8_t) override {
        rows.push_back(resolution + std::to_string(group));
        return true;
    }
    bool IsChecked(int) const override { return false; }
    bool AddFileRow(int, int, const std::string& folder, const std::string& name, TimeValue, std::uint32_t,
                    std::uint64_t, std::uint8_t) override {
        rows.push_back(folder + name);
        return true;
    }
    std::vector<std::string> rows;
};

std::vector<VideoFileInfo> Recordings(int n) {
    std::vector<VideoFileInfo> out;
    std::mt19937 rng(42);
    TimeValue t = 1714557600;
    for (int i = 0; i < n; ++i) {
        VideoFileInfo r;
        char name[32];
        std::snprintf(name, sizeof(name), "FILE%04d.MOV", i % 10000);
        r.name = name;
        r.rootFolder = "/media/card/";
        r.subFolder = "DCIM/MOVIE/";
        r.startTime = t;
        r.durationSpan = 60;
        r.durationMs = 60000;
        r.fileSize = 90u << 20;
        r.width = 1920;
        r.height = 1080;
        // Every 20th recording follows a pause: a new group.
        t += (i % 20 == 19) ? 600 : 60;
        out.push_back(std::move(r));
    }
    std::shuffle(out.begin(), out.end(), rng);  // the walk's order is not time order
    return out;
}

void BM_BuildCatalogue(benchmark::State& state) {
    const std::vector<VideoFileInfo> source = Recordings(static_cast<int>(state.range(0)));
    Lists lists;
    for (auto _ : state) {
        state.PauseTiming();
        RecordingCatalogue cat;
        cat.Init(&lists, &lists, nullptr, nullptr, nullptr);
        cat.Clear();
        for (const auto& r : source) cat.Append(r);
        state.ResumeTiming();
        cat.SortByStartTime();
        cat.BuildGroups();
        benchmark::DoNotOptimize(cat.Groups().size());
    }
    state.counters["recordings"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_BuildCatalogue)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
