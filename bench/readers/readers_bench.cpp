// Cost of reading one recording the way `orvan-telemetry info` and a card scan do, per container: time and
// bytes read per file, over one-minute 1080p recordings (made once into a cache folder and kept).
//
//   readers_bench [--benchmark_...]      ORVAN_BENCH_CACHE=DIR picks the cache folder
//
// Bytes are the process's read()/pread() bytes (/proc/self/io rchar), so they include what FFmpeg's demuxer
// pulls through its I/O buffer, not only what the reader asks for.
#include <benchmark/benchmark.h>
#include "procio.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "recording.h"
#include "telemetry/readrecording.h"
#include "video.h"

namespace fs = std::filesystem;
using namespace fixtures;

namespace {

constexpr int kSeconds = 60;

struct Sample {
    const char* name;    // benchmark name
    const char* file;    // recording name on the card
    const char* format;  // ffmpeg muxer of its clip
};
constexpr Sample kSamples[] = {
    {"mp4", "FILE0001F.mp4", "mp4"},
    {"avi", "MOVI0001F.AVI", "avi"},
    {"mov", "CLIP0001F.MOV", "mov"},
};

std::string CacheDir() {
    if (const char* d = std::getenv("ORVAN_BENCH_CACHE")) return d;
    return (fs::temp_directory_path() / "orvan-bench-readers").string();
}

Telemetry Drive() {
    Telemetry t;
    for (int i = 0; i < kSeconds; ++i) {
        Fix f;
        f.lat = 5231.0 + i * 0.004;
        f.lon = 1324.0 + i * 0.006;
        f.speed = 40 + i % 20;
        f.heading = 44;
        f.year = 2024, f.month = 6, f.day = 14, f.hour = 9, f.minute = i / 60, f.second = i % 60;
        t.gps.push_back(f);
    }
    for (int j = 0; j < kSeconds * 10; ++j)
        t.gsen.push_back(Accel{static_cast<std::int8_t>(j % 7 - 3), 1, 64});
    return t;
}

// Makes the three recordings unless a previous run left them complete (the stamp is written last).
bool PrepareRecordings(const std::string& dir) {
    const fs::path stamp = fs::path(dir) / "complete";
    if (fs::exists(stamp)) return true;
    fs::create_directories(dir);
    std::cerr << "making one-minute 1080p recordings in " << dir << " (once)...\n";
    VideoOptions v;
    v.width = 1920, v.height = 1080, v.fps = 30, v.seconds = kSeconds, v.audio = true, v.kbps = 12000;
    const std::string clip = dir + "/clip.mp4";
    if (!MakeVideo(clip, v)) return false;
    const Telemetry t = Drive();
    for (const Sample& s : kSamples) {
        const std::string sameContainer = dir + "/clip-" + s.name + "." + s.format;
        if (!CopyVideo(clip, sameContainer, s.format)) return false;
        std::string error;
        if (!WriteRecording(sameContainer, dir + "/" + s.file, t, &error)) {
            std::cerr << s.file << ": " << error << '\n';
            return false;
        }
        fs::remove(sameContainer);
    }
    fs::remove(clip);
    std::ofstream(stamp) << "ok\n";
    return true;
}

void BM_Info(benchmark::State& state, const std::string& dir, const Sample& sample) {
    const std::uint64_t fileSize = fs::file_size(fs::path(dir) / sample.file);
    int parseResult = 0;
    const std::uint64_t before = BytesReadSoFar();
    for (auto _ : state) {
        SingleRead r = ReadSingleRecording(dir, sample.file);
        parseResult |= r.parseResult;
        benchmark::DoNotOptimize(r);
    }
    const std::uint64_t after = BytesReadSoFar();
    if (parseResult != 0) state.SkipWithError("the recording did not read");
    // The /proc read itself is a few hundred bytes: left in, it is noise against the figures.
    const double perFile = static_cast<double>(after - before) / static_cast<double>(state.iterations());
    state.counters["bytes_read"] = perFile;
    state.counters["pct_of_file"] = 100.0 * perFile / static_cast<double>(fileSize);
    state.counters["file_MB"] = static_cast<double>(fileSize) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::string dir = CacheDir();
    if (!PrepareRecordings(dir)) {
        std::cerr << "readers_bench: cannot make the recordings in " << dir << '\n';
        return 1;
    }
    for (const Sample& s : kSamples) {
        benchmark::RegisterBenchmark((std::string("info/") + s.name).c_str(), BM_Info, dir, s)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
