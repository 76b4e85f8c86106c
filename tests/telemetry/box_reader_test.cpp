#include <vector>

#include "synthetic.h"
#include "telemetry/timerules.h"
#include "testfiles.h"

using namespace fixtures;

namespace {

std::string Track(int count, int undated = 0) {
    std::vector<GpsSample> recs;
    for (int i = 0; i < count; ++i) {
        Fix f;
        f.year = 2024, f.month = 5, f.day = 1, f.hour = 12, f.minute = i / 60, f.second = i % 60;
        GpsSample g = MakeGps(f, 2000);
        if (i < undated) g.year = 0;
        recs.push_back(g);
    }
    return GpsBytes(recs);
}

const TimeValue kNoon = *LocalTimeValue(2024, 5, 1, 12, 0, 0);

}  // namespace

class BoxReader : public TempDirTest {};

TEST_F(BoxReader, MovWithTelemetryAtTopLevelOrInsideMoov) {
    const std::string telemetry =
        Box("gpsa", RateWord(1)) + Box("gps0", Track(60)) + Box("gsen", std::string(1800, '\x02'));
    const std::string atTop =
        FtypBox() + telemetry + MoovBox(90000, 5400000, 1920, 1080) + Box("mdat", std::string(500, 'v'));
    const std::string inMoov =
        FtypBox() + MoovBox(90000, 5400000, 1920, 1080, false, telemetry) + Box("mdat", "v");
    for (const std::string& file : {atTop, inMoov}) {
        const Result r = Parse("FILE0001.MOV", file);
        ASSERT_EQ(r.rc, 0);
        EXPECT_EQ(r.info.durationMs, 60000u);
        EXPECT_EQ(r.info.durationSpan, 60);
        EXPECT_EQ(r.info.width, 1920);
        EXPECT_EQ(r.info.height, 1080);
        EXPECT_EQ(r.info.startTime, kNoon);
        EXPECT_EQ(r.info.gpsSize, 1920u);
        EXPECT_EQ(r.info.gsenSize, 1800u);
        EXPECT_EQ(file.substr(r.info.gpsOffset - 4, 4), "gps0");
        EXPECT_EQ(file.substr(r.info.gsenOffset - 4, 4), "gsen");
        EXPECT_EQ(r.info.fileSize, file.size());
    }
}

TEST_F(BoxReader, UpperCaseMp4IsReadAsBoxesNotStreams) {
    const std::string file = FtypBox() + MoovBox(1000, 61500, 1280, 720) + Box("gsea", RateWord(10, 2)) +
                             Box("IDIT", "2023-07-15 08:30:05");
    const Result r = Parse("FILE0002.MP4", file);
    ASSERT_EQ(r.rc, 0);
    EXPECT_EQ(r.info.durationMs, 61500u);
    EXPECT_EQ(r.info.durationSpan, 61);
    EXPECT_EQ(r.info.gsenAttr, 0x020au);
    EXPECT_EQ(r.info.startTime, *LocalTimeValue(2023, 7, 15, 8, 30, 5));
    EXPECT_TRUE(r.info.gpsTrack.empty());
}

TEST_F(BoxReader, Refusals) {
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"no ftyp first", MoovBox(90000, 5400000, 1920, 1080)},
        {"an AVI", "RIFF\x10\0\0\0AVI LIST"},
        {"no moov", FtypBox() + Box("gps0", Track(3))},
        {"first trak is sound", FtypBox() + MoovBox(90000, 5400000, 1920, 1080, true)},
        {"timescale 0", FtypBox() + MoovBox(0, 5400000, 1920, 1080)},
        {"zero duration", FtypBox() + MoovBox(90000, 0, 1920, 1080)},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        const Result r = Parse("FILE0003.3GP", c.bytes);
        EXPECT_EQ(r.rc, -1) << c.what;
        EXPECT_EQ(r.info.width, 0) << c.what;
        EXPECT_EQ(r.info.durationMs, 0u) << c.what;
    }
}

TEST_F(BoxReader, BrokenSizesEndTheWalk) {
    // A size field of 0 or below 8 wraps the payload size: the walk ends at that box, keeping what it had.
    const std::string good = FtypBox() + MoovBox(90000, 5400000, 1920, 1080) + Box("gps0", Track(2, 1));
    for (std::uint32_t size : {0u, 1u, 7u, 0xffffffffu}) {
        const std::string file = good + Bytes().be32(size).tag("free").str() + Box("gps0", Track(60));
        const Result r = Parse("FILE0004.MOV", file);
        ASSERT_EQ(r.rc, 0) << size;
        EXPECT_EQ(r.info.gpsSize, 64u) << size;
        EXPECT_EQ(r.info.startTime, kNoon) << size;  // record 1 at 12:00:01, index 1
    }
    // Inside "moov": a broken box before "mdia" hides the track's facts, and the file is refused.
    std::string moov = MoovBox(90000, 5400000, 1920, 1080);
    moov.replace(8 + 108 + 8, 4, Bytes().be32(0).str());  // the size of "tkhd", the first box in "trak"
    EXPECT_EQ(Parse("FILE0005.MOV", FtypBox() + moov).rc, -1);
}

TEST_F(BoxReader, SixtyFourBitSizes) {
    // A size field of 1: the real size follows the type as 64 bits, as in every MOV over 4 GiB.
    auto large = [](const char(&type)[5], const std::string& payload) {
        return Bytes()
            .be32(1)
            .tag(type)
            .be32(0)
            .be32(static_cast<std::uint32_t>(payload.size() + 16))
            .raw(payload)
            .str();
    };
    const std::string moov = MoovBox(90000, 5400000, 1920, 1080);
    const std::string head = FtypBox() + large("free", "xxxx") + large("moov", moov.substr(8));
    const Result r = Parse("FILE0006.MOV", head + large("gps0", Track(2, 1)) + large("mdat", "vvvv"));
    ASSERT_EQ(r.rc, 0);
    EXPECT_EQ(r.info.width, 1920);
    EXPECT_EQ(r.info.durationMs, 60000u);
    EXPECT_EQ(r.info.gpsOffset, head.size() + 16);
    EXPECT_EQ(r.info.gpsSize, 64u);
    EXPECT_EQ(r.info.startTime, kNoon);

    // A 64-bit size below its own 16 header bytes, or past the end, ends the walk like a broken 32-bit one.
    for (std::uint64_t size : {0ull, 8ull, 0xffffffffffffff00ull}) {
        const std::string broken = Bytes()
                                       .be32(1)
                                       .tag("free")
                                       .be32(static_cast<std::uint32_t>(size >> 32))
                                       .be32(static_cast<std::uint32_t>(size));
        const Result b = Parse("FILE0007.MOV", FtypBox() + moov + broken + Box("gps0", Track(60)));
        ASSERT_EQ(b.rc, 0) << size;
        EXPECT_EQ(b.info.gpsSize, 0u) << size;
    }
}
