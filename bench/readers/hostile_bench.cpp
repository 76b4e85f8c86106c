// What a hostile or damaged recording can cost: the peak memory of `orvan-telemetry info` on each file
// (target: at most 64 MB + 2 x the file's size), and the time to refuse an MP4 whose sample tables cannot
// fit its file (target: at most 10 ms), with a 16 MiB "Zov.ini" of line breaks read for comparison
// (target: at most 30 ms per read).
//
//   hostile_bench [--benchmark_...]      ORVAN_BENCH_CACHE=DIR picks the folder for the files
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/inifile.h"
#include "bytes.h"
#include "mp4writer.h"
#include "synthetic.h"
#include "telemetry/readrecording.h"
#include "video.h"

namespace fs = std::filesystem;
using namespace fixtures;

namespace {

std::string Folder() {
    const char* d = std::getenv("ORVAN_BENCH_CACHE");
    const std::string dir = (d ? fs::path(d) : fs::temp_directory_path()) / "orvan-bench-hostile";
    fs::create_directories(dir);
    return dir;
}

// Peak resident memory of one `orvan-telemetry info FILE` run, in bytes; -1 when it did not run.
long long InfoPeakBytes(const std::string& path) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (!std::freopen("/dev/null", "w", stdout)) ::_exit(127);
        ::execl(ORVAN_TELEMETRY_TOOL, "orvan-telemetry", "info", path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<long long>(usage.ru_maxrss) * 1024;
}

struct File {
    std::string name;  // benchmark name
    std::string path;
};

std::vector<File> MakeFiles(const std::string& dir) {
    std::vector<File> files;
    auto add = [&](const std::string& name, const std::string& bytes) {
        const std::string path = dir + "/" + name + ".mp4";
        WriteFile(path, bytes);
        files.push_back({name, path});
    };
    DeclaredSamples d;
    add("declares_80M_samples", DeclaredSamplesMp4(d));
    d.tracks = 2, d.edits = 200;
    add("two_tracks_with_edits", DeclaredSamplesMp4(d));
    d = DeclaredSamples{};
    d.sound = true, d.sampleDelta = 1, d.samples = 0xfffff000u;
    add("sound_in_pieces", DeclaredSamplesMp4(d));
    d = DeclaredSamples{};
    d.samples = 60000, d.mdatBytes = 60000 * 32;
    add("tables_that_fit_60k", DeclaredSamplesMp4(d));

    // A real recording dense with telemetry: 20 minutes of GPS at 10 Hz and G-sensor at 50 Hz.
    const std::string clip = dir + "/clip.mp4";
    VideoOptions v;
    v.width = 64, v.height = 48, v.fps = 5, v.seconds = 2;
    if (MakeVideo(clip, v)) {
        std::vector<GpsSample> gps(12000);
        for (std::size_t i = 0; i < gps.size(); ++i) {
            Fix f;
            f.lat = 5230.1, f.lon = 1323.4, f.second = static_cast<int>(i % 60);
            gps[i] = MakeGps(f, 1900);
        }
        Mp4Options o;
        o.packets = TelemetryPackets(gps, 10, std::vector<GSensorSample>(60000, GSensorSample{1, 2, 64}), 50);
        const std::string dense = dir + "/dense_telemetry.mp4";
        if (WriteMp4(clip, dense, o)) files.push_back({"dense_telemetry", dense});
    }
    return files;
}

void BM_InfoPeakMemory(benchmark::State& state, const File& file) {
    const auto size = static_cast<double>(fs::file_size(file.path));
    long long peak = 0;
    for (auto _ : state) peak = InfoPeakBytes(file.path);
    if (peak < 0) state.SkipWithError("orvan-telemetry info failed");
    state.counters["file_MB"] = size / 1e6;
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
    state.counters["bound_MB"] = (64.0 * 1024 * 1024 + 2 * size) / 1e6;
}

void BM_ReadRefused(benchmark::State& state, const File& file) {
    const std::string folder = fs::path(file.path).parent_path();
    const std::string name = fs::path(file.path).filename();
    for (auto _ : state) {
        const SingleRead r = ReadSingleRecording(folder, name);
        if (r.parseResult != -1) state.SkipWithError("the file was not refused");
        benchmark::DoNotOptimize(r);
    }
}

void BM_IniReadOfManyLines(benchmark::State& state, const std::string& path) {
    const IniFile ini(path);
    for (auto _ : state) benchmark::DoNotOptimize(ini.ReadInt("UI", "MAP", 0));
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::string dir = Folder();
    static const std::vector<File> files = MakeFiles(dir);
    for (const File& f : files) {
        benchmark::RegisterBenchmark(("info_peak/" + f.name).c_str(), BM_InfoPeakMemory, f)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    for (const File& f : files) {
        if (f.name.starts_with("tables_") || f.name.starts_with("dense_")) continue;
        benchmark::RegisterBenchmark(("refused/" + f.name).c_str(), BM_ReadRefused, f)
            ->Unit(benchmark::kMillisecond);
    }
    const std::string ini = dir + "/Zov.ini";
    WriteFile(ini, std::string((16u << 20) - 64, '\n') + "[UI]\nMAP=2\n");
    benchmark::RegisterBenchmark("ini_read/16MiB_of_line_breaks", BM_IniReadOfManyLines, ini)
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
