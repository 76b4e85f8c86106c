// orvan-telemetry scan of a generated card: 1-minute recordings in AVI, MOV and MP4, warm cache. Prints the
// recordings per second and the share of the card's bytes the readers read (from /proc/self/io).
//
//   scan_bench [TOOL] [CARD_DIR]
//
// The card is made once and kept in CARD_DIR (default /tmp/orvan-scan-bench-card). AVI and MOV files are
// full-size but sparse: their picture data is a hole, which the readers never read anyway. The MP4 files are
// hard links to one real 60-second H.264 file (12 Mb/s) remuxed with 60 GPS and 600 G-sensor packets.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include "procio.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bytes.h"
#include "library/recordingcatalogue.h"
#include "mp4writer.h"
#include "synthetic.h"
#include "video.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace fixtures;

namespace {

constexpr int kPerContainer = 110;
constexpr std::uint64_t kPictureBytes = 90ull << 20;  // 12 Mb/s for a minute

std::vector<GpsSample> Gps(int minute, int yearBase) {
    std::vector<GpsSample> out;
    for (int i = 0; i < 60; ++i) {
        Fix f;
        f.lat = 5230.0 + i * 0.01;
        f.lon = 1323.0;
        f.speed = 50;
        f.year = 2024, f.month = 5, f.day = 1, f.hour = 8 + minute / 60, f.minute = minute % 60, f.second = i;
        out.push_back(MakeGps(f, yearBase));
    }
    return out;
}

// Writes head, a hole of holeBytes, then tail.
void WriteSparse(const std::string& path, const std::string& head, std::uint64_t holeBytes,
                 const std::string& tail) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(head.data(), static_cast<std::streamsize>(head.size()));
    out.seekp(static_cast<std::streamoff>(head.size() + holeBytes));
    out.write(tail.data(), static_cast<std::streamsize>(tail.size()));
}

void MakeAvi(const std::string& path, int minute) {
    const std::string gsen(600 * 3, '\x01');
    const std::string tail = Chunk("idx1", std::string(1800 * 16, '\0')) + Chunk("gpsa", RateWord(1)) +
                             Chunk("gps0", GpsBytes(Gps(minute, 2000))) + Chunk("gsen", gsen) +
                             Chunk("gsea", RateWord(10, 4));
    const std::string hdrl = AviHdrl(33333, 1800, 1920, 1080);
    const std::uint64_t total = 12 + hdrl.size() + 12 + kPictureBytes + tail.size();
    const std::string head =
        Bytes().tag("RIFF").le32(static_cast<std::uint32_t>(total - 8)).tag("AVI ").str() + hdrl +
        Bytes().tag("LIST").le32(static_cast<std::uint32_t>(kPictureBytes + 4)).tag("movi").str();
    WriteSparse(path, head, kPictureBytes, tail);
}

void MakeMov(const std::string& path, int minute) {
    const std::string tail = MoovBox(90000, 5400000, 1920, 1080, true) + Box("gpsa", RateWord(1)) +
                             Box("gps0", GpsBytes(Gps(minute, 2000))) +
                             Box("gsen", std::string(1800, '\x02'));
    const std::string head =
        FtypBox() + Bytes().be32(static_cast<std::uint32_t>(kPictureBytes + 8)).tag("mdat").str();
    WriteSparse(path, head, kPictureBytes, tail);
}

bool MakeCard(const std::string& card) {
    if (fs::exists(card + "/.complete")) return true;
    std::printf("making the card in %s ...\n", card.c_str());
    fs::remove_all(card);
    for (const char* d : {"AVI", "MOV", "MP4"}) fs::create_directories(card + "/" + d);
    for (int i = 0; i < kPerContainer; ++i) {
        char name[64];
        std::snprintf(name, sizeof(name), "/AVI/MOVI%04d.AVI", i);
        MakeAvi(card + name, i);
        std::snprintf(name, sizeof(name), "/MOV/FILE%04d.MOV", i);
        MakeMov(card + name, 200 + i);
    }
    const std::string master = card + "/.master.mp4";
    VideoOptions v;
    v.width = 320;
    v.height = 240;
    v.seconds = 60;
    v.kbps = 12000;
    if (!MakeVideo(card + "/.source.mp4", v)) return false;
    std::vector<GSensorSample> gsen(600, GSensorSample{1, 2, 3});
    Mp4Options o;
    o.packets = TelemetryPackets(Gps(400, 1900), 1, gsen, 10);
    std::string error;
    if (!WriteMp4(card + "/.source.mp4", master, o, &error)) {
        std::fprintf(stderr, "mp4: %s\n", error.c_str());
        return false;
    }
    fs::remove(card + "/.source.mp4");
    for (int i = 0; i < kPerContainer; ++i) {
        char name[64];
        std::snprintf(name, sizeof(name), "/MP4/FILE%04d.mp4", i);
        fs::create_hard_link(master, card + name);
    }
    std::ofstream(card + "/.complete") << "ok\n";
    return true;
}

std::uint64_t CardBytes(const std::string& folder) {
    std::uint64_t total = 0;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        if (e.is_regular_file() && e.path().filename().string()[0] != '.') total += e.file_size();
    }
    return total;
}

struct Figure {
    int recordings = 0;
    double seconds = 0;
    std::uint64_t bytesRead = 0;
};

// The best of five walks of folder, after one that warms the cache.
Figure Scan(const std::string& folder) {
    Figure best;
    for (int run = 0; run < 6; ++run) {
        RecordingCatalogue cat;
        const std::uint64_t before = BytesReadSoFar();
        const auto t0 = std::chrono::steady_clock::now();
        cat.OpenSource(folder, "");
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const std::uint64_t read = BytesReadSoFar() - before;
        if (run == 0) continue;
        if (best.recordings == 0 || s < best.seconds) best = {cat.GetCount(), s, read};
    }
    return best;
}

struct ToolFigure {
    double wall = -1;
    double cpu = -1;  // user + system: what the process costs on a machine it does not share
};

ToolFigure RunTool(const std::string& tool, const std::string& card) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::string scan = "scan";
    std::vector<char*> argv = {const_cast<char*>(tool.c_str()), scan.data(), const_cast<char*>(card.c_str()),
                               nullptr};
    ToolFigure best{1e9, 1e9};
    for (int run = 0; run < 4; ++run) {
        const auto t0 = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv.data(), environ) != 0) return {};
        int status = 0;
        struct rusage ru {};
        wait4(pid, &status, 0, &ru);
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
        const double cpu =
            ru.ru_utime.tv_sec + ru.ru_utime.tv_usec / 1e6 + ru.ru_stime.tv_sec + ru.ru_stime.tv_usec / 1e6;
        if (run > 0) best = {std::min(best.wall, s), std::min(best.cpu, cpu)};
    }
    posix_spawn_file_actions_destroy(&actions);
    return best;
}

void Print(const char* what, const Figure& f, std::uint64_t cardBytes, double targetPerSecond) {
    const double rate = f.recordings / f.seconds;
    char target[64] = "no target of its own";
    if (targetPerSecond > 0)
        std::snprintf(target, sizeof(target), "target >= %.0f: %s", targetPerSecond,
                      rate >= targetPerSecond ? "met" : "MISSED");
    std::printf(
        "%-22s %4d recordings in %7.1f ms = %7.0f recordings/s (%s); read %.2f MB of %.0f MB "
        "= %.3f%% (target < 1%%: %s)\n",
        what, f.recordings, f.seconds * 1000, rate, target, f.bytesRead / 1e6, cardBytes / 1e6,
        100.0 * f.bytesRead / cardBytes, f.bytesRead * 100 < cardBytes ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string tool = argc > 1 ? argv[1] : "";
    const std::string card = argc > 2 ? argv[2] : "/tmp/orvan-scan-bench-card";
    if (!MakeCard(card)) {
        std::fprintf(stderr, "scan_bench: could not make the card\n");
        return 1;
    }
    const Figure all = Scan(card);
    Print("whole card (mixed)", all, CardBytes(card), 500);
    for (const char* d : {"AVI", "MOV", "MP4"}) {
        const std::string folder = card + "/" + d;
        Print(d, Scan(folder), CardBytes(folder), std::string(d) == "MP4" ? 0 : 2000);
    }
    if (!tool.empty()) {
        const ToolFigure f = RunTool(tool, card);
        if (f.wall < 0) {
            std::fprintf(stderr, "scan_bench: %s scan failed\n", tool.c_str());
            return 1;
        }
        // Process start (loading FFmpeg and its libraries) and the JSON output are included.
        std::printf(
            "%-22s %4d recordings in %7.1f ms = %7.0f recordings/s wall; %7.1f ms CPU = %7.0f recordings/s "
            "(target >= 500: %s)\n",
            "orvan-telemetry scan", all.recordings, f.wall * 1000, all.recordings / f.wall, f.cpu * 1000,
            all.recordings / f.cpu, all.recordings / f.wall >= 500 ? "met" : "MISSED on wall time");
    }
    return 0;
}
