#pragma once

// Small real recordings for the catalogue tests: synthetic AVI and MOV files the readers accept, in a fresh
// folder per test.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bytes.h"
#include "synthetic.h"
#include "telemetry/records.h"
#include "telemetry/timerules.h"

namespace testrec {

struct Track {
    int hour = 12, minute = 0, second = 0;  // 2024-05-01, local time
    int samples = 60;
    int gpsPerSecond = 1;
    int gsenCount = 0;
    int gsenPerSecond = 10;
    int gsenRangeG = 4;
    int noFixEvery = 0;  // every n-th sample has no fix (0: none)
    int frames = 1800;   // at 30 fps
    std::uint16_t width = 1920, height = 1080;
};

inline GpsSample Sample(const Track& t, int i) {
    fixtures::Fix f;
    f.lat = 2232.1234 + i * 0.01;
    f.lon = 11403.2268;
    f.altitude = 30 + i;
    f.speed = 40 + i;
    f.heading = 90;
    f.valid = !(t.noFixEvery > 0 && i % t.noFixEvery == t.noFixEvery - 1);
    const int s = t.second + i / t.gpsPerSecond;
    f.year = 2024, f.month = 5, f.day = 1, f.hour = t.hour, f.minute = t.minute + s / 60, f.second = s % 60;
    return fixtures::MakeGps(f, 2000);
}

inline std::string GpsPayload(const Track& t) {
    std::vector<GpsSample> recs;
    for (int i = 0; i < t.samples; ++i) recs.push_back(Sample(t, i));
    return fixtures::GpsBytes(recs);
}

inline std::string GsenPayload(const Track& t) {
    std::vector<fixtures::Accel> a;
    for (int i = 0; i < t.gsenCount; ++i) a.push_back({static_cast<std::int8_t>(i % 100), -2, 64});
    return fixtures::GsenBytes(a);
}

// The recorder's AVI layout: header list, movi, idx1, then the private chunks.
inline std::string Avi(const Track& t, std::size_t movieBytes = 64) {
    using namespace fixtures;
    std::string tail =
        Chunk("gpsa", RateWord(static_cast<std::uint8_t>(t.gpsPerSecond))) + Chunk("gps0", GpsPayload(t));
    if (t.gsenCount > 0)
        tail +=
            Chunk("gsen", GsenPayload(t)) + Chunk("gsea", RateWord(static_cast<std::uint8_t>(t.gsenPerSecond),
                                                                   static_cast<std::uint8_t>(t.gsenRangeG)));
    return AviFile(AviHdrl(33333, static_cast<std::uint32_t>(t.frames), t.width, t.height) +
                   AviMovi(std::string(movieBytes, '\x01')) + Chunk("idx1", "") + tail);
}

// A MOV with the telemetry boxes at the top level, 60 s long.
inline std::string Mov(const Track& t, std::size_t movieBytes = 64) {
    using namespace fixtures;
    std::string telemetry =
        Box("gpsa", RateWord(static_cast<std::uint8_t>(t.gpsPerSecond))) + Box("gps0", GpsPayload(t));
    if (t.gsenCount > 0) telemetry += Box("gsen", GsenPayload(t));
    return FtypBox() + telemetry + MoovBox(1000, 60000, t.width, t.height) +
           Box("mdat", std::string(movieBytes, 'v'));
}

inline TimeValue Local(int hour, int minute, int second) {
    return *LocalTimeValue(2024, 5, 1, hour, minute, second);
}

}  // namespace testrec

// A fresh folder per test, removed afterwards.
class TempDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/orvan-lib-XXXXXX";
        dir_ = mkdtemp(tmpl);
    }
    void TearDown() override {
        std::error_code ec;
        // Undo read-only bits so removal cannot fail on file systems that honour them.
        for (auto it = std::filesystem::recursive_directory_iterator(dir_, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            std::filesystem::permissions(
                it->path(), std::filesystem::perms::owner_all,
                std::filesystem::perm_options::add | std::filesystem::perm_options::nofollow, ec);
        }
        std::filesystem::remove_all(dir_, ec);
    }
    std::string Write(const std::string& relative, const std::string& bytes) {
        const std::filesystem::path p = std::filesystem::path(dir_) / relative;
        std::filesystem::create_directories(p.parent_path());
        fixtures::WriteFile(p.string(), bytes);
        return p.string();
    }
    std::string dir_;
};
