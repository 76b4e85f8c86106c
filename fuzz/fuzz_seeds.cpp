// Writes a small seed corpus for the fuzzers: fuzz_seeds OUTDIR (makes OUTDIR/avi, box, mp4 and catalogue,
// whose files are the others with the first byte choosing the container: 0 AVI, 1 MOV, 2 mp4).
#include <filesystem>
#include <iostream>
#include <vector>

#include "bytes.h"
#include "mp4writer.h"
#include "synthetic.h"
#include "video.h"

using namespace fixtures;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds OUTDIR\n";
        return 1;
    }
    const std::filesystem::path out = argv[1];
    for (const char* d : {"avi", "box", "mp4", "catalogue"}) std::filesystem::create_directories(out / d);

    std::vector<GpsSample> recs;
    for (int i = 0; i < 5; ++i) {
        Fix f;
        f.lat = 5230.1 + i * 0.01, f.lon = 1323.4, f.speed = 30 + i, f.second = i;
        recs.push_back(MakeGps(f, 2000));
    }
    const std::string gps = GpsBytes(recs);
    const std::string gsen = GsenBytes(std::vector<Accel>(10, Accel{1, 2, 64}));
    const std::string tail = Chunk("gpsa", RateWord(1)) + Chunk("gps0", gps) + Chunk("gsen", gsen) +
                             Chunk("gsea", RateWord(10, 4)) + Chunk("IDIT", "2024-05-01 12:00:00");
    WriteFile(out / "avi/standard.AVI",
              AviFile(AviHdrl(33333, 1800, 1920, 1080) + AviMovi("0000") + Chunk("idx1", "") + tail));
    WriteFile(out / "avi/in-hdrl.AVI", AviFile(AviHdrl(40000, 100, 640, 480, tail) + AviMovi("")));
    const std::string boxes = Box("gpsa", RateWord(1)) + Box("gps0", gps) + Box("gsen", gsen) +
                              Box("gsea", RateWord(10)) + Box("IDIT", "2024-05-01 12:00:00");
    WriteFile(out / "box/top.MOV",
              FtypBox() + boxes + MoovBox(90000, 5400000, 1920, 1080) + Box("mdat", "vvvv"));
    WriteFile(out / "box/in-moov.MOV", FtypBox() + MoovBox(1000, 60000, 1280, 720, false, boxes));

    VideoOptions v;
    v.width = 64, v.height = 48, v.fps = 5, v.seconds = 1;
    const std::string tiny = (out / "mp4/tiny.mp4").string();
    if (!MakeVideo(tiny, v)) {
        std::cerr << "fuzz_seeds: ffmpeg failed, no mp4 seed\n";
    } else {
        // The recorder's form: a data stream of 32-byte GPS records and 12-byte G-sensor samples.
        std::vector<GpsSample> mp4Gps;
        for (int i = 0; i < 2; ++i) {
            Fix f;
            f.lat = 5230.1 + i * 0.01, f.lon = 1323.4, f.second = i;
            mp4Gps.push_back(MakeGps(f, 1900));
        }
        Mp4Options o;
        o.packets = TelemetryPackets(mp4Gps, 1, std::vector<GSensorSample>(5, GSensorSample{1, 2, 64}), 5);
        if (!WriteMp4(tiny, (out / "mp4/telemetry.mp4").string(), o))
            std::cerr << "fuzz_seeds: no mp4 seed with a data stream\n";
    }
    int prefix = 0;
    for (const char* d : {"avi", "box", "mp4"}) {
        for (const auto& e : std::filesystem::directory_iterator(out / d))
            WriteFile(out / "catalogue" / (std::string(d) + "-" + e.path().filename().string()),
                      std::string(1, static_cast<char>(prefix)) + ReadFile(e.path()));
        ++prefix;
    }
    return 0;
}
