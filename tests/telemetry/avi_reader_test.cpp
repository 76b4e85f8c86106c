#include <vector>

#include "procio.h"
#include "synthetic.h"
#include "telemetry/timerules.h"
#include "testfiles.h"

using namespace fixtures;

namespace {

// 60 records at one per second from 2024-05-01 12:00:00 (AVI year base 2000); the first `undated` have year
// 0.
std::string GpsTrack(int count, int undated = 0, int startSecond = 0) {
    std::vector<GpsSample> recs;
    for (int i = 0; i < count; ++i) {
        Fix f;
        f.lat = 5230.0 + i * 0.01;
        f.lon = 1323.0;
        f.year = 2024, f.month = 5, f.day = 1, f.hour = 12;
        f.minute = (startSecond + i) / 60;
        f.second = (startSecond + i) % 60;
        GpsSample g = MakeGps(f, 2000);
        if (i < undated) g.year = 0;
        recs.push_back(g);
    }
    return GpsBytes(recs);
}

std::string Gsen(int n) {
    return GsenBytes(std::vector<Accel>(n, Accel{1, -2, 64}));
}

TimeValue At(int minute, int second) {
    return *LocalTimeValue(2024, 5, 1, 12, minute, second);
}

// The standard recorder layout: header list, movi, idx1, then the private chunks at the top level.
std::string StandardAvi(const std::string& tail) {
    return AviFile(AviHdrl(33333, 1800, 1920, 1080) + AviMovi(std::string(64, '\x01')) + Chunk("idx1", "") +
                   tail);
}

}  // namespace

class AviReader : public TempDirTest {};

TEST_F(AviReader, StandardRecording) {
    const std::string tail = Chunk("gpsa", RateWord(1)) + Chunk("gps0", GpsTrack(60)) +
                             Chunk("gsen", Gsen(600)) + Chunk("gsea", RateWord(10, 4));
    const std::string file = StandardAvi(tail);
    const Result r = Parse("MOVI0001.AVI", file);
    ASSERT_EQ(r.rc, 0);
    EXPECT_EQ(r.info.width, 1920);
    EXPECT_EQ(r.info.height, 1080);
    EXPECT_EQ(r.info.durationMs, 59999u);
    EXPECT_EQ(r.info.durationSpan, 59);
    EXPECT_EQ(r.info.gpsSize, 1920u);
    EXPECT_EQ(r.info.gsenSize, 1800u);
    EXPECT_EQ(r.info.startTime, At(0, 0));
    EXPECT_EQ(r.info.fileSize, file.size());
    EXPECT_EQ(r.info.gpsAttr, 1u);
    EXPECT_EQ(r.info.gsenAttr, 0x040au);
    // The offsets point at the payloads themselves.
    EXPECT_EQ(file.substr(r.info.gpsOffset - 8, 4), "gps0");
    EXPECT_EQ(file.substr(r.info.gsenOffset - 8, 4), "gsen");
    EXPECT_TRUE(r.info.gpsTrack.empty());
}

TEST_F(AviReader, StartTimeRules) {
    struct Case {
        const char* what;
        std::string tail;
        TimeValue start;
        std::uint32_t gpsAttr;
    } cases[] = {
        // 12 undated records; the first dated one (index 12, 12:00:12) at 5 per second is 2 s after the
        // start.
        {"rate 5, first dated record at index 12",
         Chunk("gpsa", RateWord(5)) + Chunk("gps0", GpsTrack(60, 12)), At(0, 10), 5},
        {"gps0 before gpsa uses rate 1, then gpsa replaces the word",
         Chunk("gps0", GpsTrack(60, 12)) + Chunk("gpsa", RateWord(5)), At(0, 0), 5},
        {"no gpsa: rate 1 and the stored byte becomes 1", Chunk("gps0", GpsTrack(60, 3)), At(0, 0), 1},
        {"rate 25 is implausible: rate 1", Chunk("gpsa", RateWord(25, 7)) + Chunk("gps0", GpsTrack(60, 3)),
         At(0, 0), 0x0701},
        {"IDIT first wins over later records",
         Chunk("IDIT", "2023-07-15 08:30:05") + Chunk("gps0", GpsTrack(60)),
         *LocalTimeValue(2023, 7, 15, 8, 30, 5), 0},
        {"a valid IDIT after gps0 replaces the GPS date",
         Chunk("gps0", GpsTrack(60)) + Chunk("IDIT", "2023-07-15 08:30:05"),
         *LocalTimeValue(2023, 7, 15, 8, 30, 5), 1},
        {"an IDIT that is no date discards the GPS date",
         Chunk("gps0", GpsTrack(60)) + Chunk("IDIT", "not a date"), 0, 1},
        {"...and a later dated gps0 sets it again",
         Chunk("gps0", GpsTrack(60)) + Chunk("IDIT", "not a date") + Chunk("gps0", GpsTrack(10, 0, 30)),
         At(0, 30), 1},
        {"IDIT of 64 bytes or more is cut, not overflowed",
         Chunk("IDIT", "2023-07-15 08:30:05" + std::string(200, ' ')), *LocalTimeValue(2023, 7, 15, 8, 30, 5),
         0},
        {"records of year 0 are never used", Chunk("gps0", GpsTrack(5, 5)), 0, 0},
    };
    for (const Case& c : cases) {
        const Result r = Parse("MOVI0002.AVI", StandardAvi(c.tail));
        ASSERT_EQ(r.rc, 0) << c.what;
        EXPECT_EQ(r.info.startTime, c.start) << c.what;
        EXPECT_EQ(r.info.gpsAttr, c.gpsAttr) << c.what;
    }
}

TEST_F(AviReader, OddPayloadsAndPlacement) {
    // 100 bytes: three records, then the walk reads the 4 remaining bytes as an id. Here they spell "gsea".
    std::string gps = GpsTrack(3) + "gsea";
    std::string file = AviFile(AviHdrl(40000, 1500, 1280, 720) + Chunk("gps0", gps) +
                               Bytes().le32(4).raw(RateWord(30)).str() + AviMovi("xx"));
    Result r = Parse("MOVI0003.AVI", file);
    ASSERT_EQ(r.rc, 0);
    EXPECT_EQ(r.info.gpsSize, 100u);
    EXPECT_EQ(r.info.gsenAttr, 30u);
    EXPECT_EQ(r.info.durationMs, 60000u);

    // Private chunks inside "hdrl" and "strl" are found too; two gps0 chunks: the last gives offset and size.
    file = AviFile(AviHdrl(40000, 1500, 640, 480, Chunk("gps0", GpsTrack(2)) + Chunk("gsen", Gsen(7))) +
                   AviMovi("") + Chunk("gps0", GpsTrack(4)));
    r = Parse("MOVI0004.AVI", file);
    ASSERT_EQ(r.rc, 0);
    EXPECT_EQ(r.info.gpsSize, 128u);
    EXPECT_EQ(r.info.gsenSize, 21u);
    EXPECT_EQ(r.info.startTime, At(0, 0));
}

TEST_F(AviReader, PictureSizeAndDurationQuirks) {
    // A bottom-up bitmap stores a negative height: its low 16 bits are taken.
    Result r = Parse("MOVI0005.AVI", AviFile(AviHdrl(33333, 1800, 1920, -1080) + AviMovi("")));
    ASSERT_EQ(r.rc, 0);
    EXPECT_EQ(r.info.height, static_cast<std::uint16_t>(-1080));
    // 100000 us x 50000 frames = 5e9 us wraps in 32 bits before the division.
    r = Parse("MOVI0006.AVI", AviFile(AviHdrl(100000, 50000, 1920, 1080) + AviMovi("")));
    ASSERT_EQ(r.rc, 0);
    EXPECT_EQ(r.info.durationMs, static_cast<std::uint32_t>(100000u * 50000u) / 1000u);
}

TEST_F(AviReader, Refusals) {
    const std::string hdrl = AviHdrl(33333, 1800, 1920, 1080);
    struct Case {
        const char* what;
        std::string name;
        std::string bytes;
    } cases[] = {
        {"not RIFF", "MOVI0010.AVI", "RIFX" + hdrl},
        {"empty file", "MOVI0011.AVI", ""},
        {"no video format", "MOVI0012.AVI",
         AviFile(List("hdrl", Chunk("avih", Bytes().le32(33333).zeros(12).le32(1800).zeros(36))))},
        {"zero duration", "MOVI0013.AVI", AviFile(AviHdrl(0, 1800, 1920, 1080))},
        {"movi reaches past the end (power loss)", "MOVI0014.AVI", AviFile(hdrl + AviMovi("abc", 1000000))},
        {"lower-case .avi goes to the box reader, which finds no ftyp", "MOVI0015.avi", AviFile(hdrl)},
        {"an IDIT date before 1970 is refused and fails the read", "MOVI0016.AVI",
         AviFile(hdrl + Chunk("IDIT", "1969-12-31 10:00:00"))},
    };
    for (const Case& c : cases) {
        const Result r = Parse(c.name, c.bytes);
        EXPECT_EQ(r.rc, -1) << c.what;
        EXPECT_EQ(r.info.width, 0) << c.what;
        EXPECT_EQ(r.info.durationMs, 0u) << c.what;
        EXPECT_EQ(r.info.startTime, 0) << c.what;
    }
    auto reader = ChooseReader("MISSING0.AVI");
    EXPECT_EQ(reader->Parse(dir_ + "/MISSING0.AVI"), -1);
    EXPECT_EQ(reader->Parse(dir_), -1);  // a folder is not a recording
}

TEST_F(AviReader, HostileSizesEndTheWalk) {
    // Sizes near 4 GiB on every chunk kind: the walk must end at once, reading about the file and not the
    // gigabytes its sizes claim (reads come in windows of 4 KiB).
    const std::string huge = Bytes().le32(0xfffffff0u);
    for (const char* id : {"gps0", "gsen", "JUNK", "IDIT", "gpsa", "LIST", "avih", "strh"}) {
        const std::string body = AviHdrl(33333, 1800, 1920, 1080) + id + huge + std::string(40, '\0');
        const std::string path = Write("MOVI0020.AVI", AviFile(body));
        const std::uint64_t before = BytesReadSoFar();
        VideoFileInfo info;
        auto reader = ChooseReader("MOVI0020.AVI");
        reader->SetTarget(&info);
        const int rc = reader->Parse(path);
        const std::uint64_t read = BytesReadSoFar() - before;
        EXPECT_TRUE(rc == 0 || rc == -1) << id;
        EXPECT_LT(read, 64u * 1024) << id;
    }
}
