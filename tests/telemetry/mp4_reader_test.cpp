// The MP4 reader against real H.264 recordings remuxed with a telemetry data stream.
#include <cstring>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

#include "mp4writer.h"
#include "telemetry/filestatus.h"
#include "telemetry/timerules.h"
#include "telemetry/zovmp4parser.h"
#include "testfiles.h"
#include "video.h"

using namespace fixtures;

namespace {

GpsSample Gps(int month, int second, int yearByte = 124, double lat = 5230.5) {
    GpsSample g;
    g.latitude = lat;
    g.longitude = 1322.25;
    g.speed = 42;
    g.year = static_cast<std::uint8_t>(yearByte);
    g.month = static_cast<std::uint8_t>(month);
    g.day = 1;
    g.hour = 12;
    g.second = static_cast<std::uint8_t>(second);
    g.flags = 1;
    return g;
}

GpsSample Feb30() {
    GpsSample g = Gps(2, 0);
    g.day = 30;
    g.hour = 8;
    return g;
}

GSensorSample Sensor(std::uint32_t x) {
    return GSensorSample{x, 0xfffffffeu, 64};
}

DataPacket At(std::int64_t ms, const GpsSample& g, int stream = 0) {
    return {ms, RecordBytes(g), stream};
}
DataPacket At(std::int64_t ms, const GSensorSample& s, int stream = 0) {
    return {ms, RecordBytes(s), stream};
}

struct ReadPacket {
    AVMediaType type;
    std::string bytes;
};

// Every packet of the file as a plain demuxer sees it, picture and sound included.
std::vector<ReadPacket> DemuxAll(const std::string& path) {
    std::vector<ReadPacket> out;
    AVFormatContext* f = nullptr;
    if (avformat_open_input(&f, path.c_str(), nullptr, nullptr) != 0) return out;
    if (avformat_find_stream_info(f, nullptr) >= 0) {
        AVPacket* p = av_packet_alloc();
        while (av_read_frame(f, p) >= 0) {
            out.push_back(
                {f->streams[p->stream_index]->codecpar->codec_type,
                 std::string(reinterpret_cast<const char*>(p->data), static_cast<std::size_t>(p->size))});
            av_packet_unref(p);
        }
        av_packet_free(&p);
    }
    avformat_close_input(&f);
    return out;
}

bool SameBytes(const GpsSample& a, const GpsSample& b) {
    return std::memcmp(&a, &b, sizeof(a)) == 0;
}

// The movie header rewritten as version 1 with a negative 64-bit duration. FFmpeg's muxer puts "moov"
// after "mdat", so growing it moves no sample offsets.
std::string WithNegativeMovieDuration(std::string file) {
    std::size_t moov = 0;
    while (moov + 8 <= file.size() && file.compare(moov + 4, 4, "moov") != 0) {
        moov += (std::uint8_t(file[moov]) << 24 | std::uint8_t(file[moov + 1]) << 16 |
                 std::uint8_t(file[moov + 2]) << 8 | std::uint8_t(file[moov + 3]));
    }
    const std::size_t mvhd = moov + 8;
    if (moov + 16 > file.size() || file.compare(mvhd + 4, 4, "mvhd") != 0 || file[mvhd + 8] != 0) return {};
    const std::uint32_t oldSize = std::uint8_t(file[mvhd + 3]) | std::uint8_t(file[mvhd + 2]) << 8;
    const std::string timescale = file.substr(mvhd + 8 + 12, 4);
    const std::string rest = file.substr(mvhd + 8 + 20, oldSize - 28);
    const std::string body =
        Bytes().u8(1).zeros(3).zeros(16).raw(timescale).be32(0xffffffffu).be32(0xfff00000u).raw(rest);
    const std::string box = Box("mvhd", body);
    std::string out = file.substr(0, mvhd) + box + file.substr(mvhd + oldSize);
    const std::uint32_t moovSize = static_cast<std::uint32_t>(out.size() - moov);
    const std::string be = Bytes().be32(moovSize);
    out.replace(moov, 4, be);
    return out;
}

}  // namespace

class Mp4Reader : public TempDirTest {
  protected:
    // A fresh H.264 source; 10 fps keeps it to a few dozen packets.
    std::string Source(int width = 320, int height = 240, bool sound = false, double seconds = 1.5) {
        const std::string path = dir_ + "/src" + std::to_string(width) + (sound ? "a" : "") + ".mp4";
        VideoOptions v;
        v.width = width, v.height = height, v.fps = 10, v.seconds = seconds, v.audio = sound;
        EXPECT_TRUE(MakeVideo(path, v));
        return path;
    }
    std::string Recording(const std::string& source, const Mp4Options& o,
                          const std::string& name = "FILE0001.mp4") {
        const std::string path = dir_ + "/" + name;
        std::string error;
        EXPECT_TRUE(WriteMp4(source, path, o, &error)) << error;
        return path;
    }
    Result Read(const std::string& path, FileStatus* status = nullptr) {
        Result r;
        CZovMP4Parser reader;
        reader.SetTarget(&r.info);
        reader.SetFileStatus(status);
        r.rc = reader.Parse(path);
        return r;
    }
};

TEST_F(Mp4Reader, WrittenPacketsReadBackWithTheirSizes) {
    Mp4Options o;
    o.dataStreams = 2;
    o.packets = {At(0, Gps(5, 0)),
                 At(0, Sensor(1)),
                 At(100, Sensor(2)),
                 At(500, Gps(5, 1), 1),
                 {700, std::string(20, 'x'), 0}};
    o.soundPayloads = {{300, std::string(32, 's'), 0}};
    const std::string path = Recording(Source(320, 240, true), o);
    std::vector<std::size_t> dataSizes;
    int sound32 = 0, pictures = 0;
    for (const ReadPacket& p : DemuxAll(path)) {
        if (p.type == AVMEDIA_TYPE_DATA) dataSizes.push_back(p.bytes.size());
        if (p.type == AVMEDIA_TYPE_AUDIO && p.bytes == std::string(32, 's')) ++sound32;
        if (p.type == AVMEDIA_TYPE_VIDEO) ++pictures;
    }
    EXPECT_EQ(dataSizes, (std::vector<std::size_t>{32, 12, 12, 32, 20}));
    EXPECT_EQ(sound32, 1);
    EXPECT_EQ(pictures, 15);
}

TEST_F(Mp4Reader, TracksInPacketOrderFromEveryDataStream) {
    const std::vector<GpsSample> gps = {Gps(5, 0, 124, 5230.1), Gps(5, 1, 124, 5230.2),
                                        Gps(5, 2, 124, 5230.3)};
    Mp4Options o;
    o.dataStreams = 2;
    o.packets = {At(0, gps[0]),      At(50, Sensor(1)), At(300, Sensor(2), 1), At(600, gps[1], 1),
                 At(900, Sensor(3)), At(1200, gps[2]),  At(1300, Sensor(4))};
    // Packets of other sizes are neither record nor sample.
    o.packets.push_back({400, std::string(33, 'x'), 0});
    o.packets.push_back({450, std::string(11, 'x'), 1});
    const std::string path = Recording(Source(), o);
    const Result r = Read(path);
    ASSERT_EQ(r.rc, 0);
    ASSERT_EQ(r.info.gpsTrack.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(SameBytes(r.info.gpsTrack[i], gps[i])) << i;
    ASSERT_EQ(r.info.gsenTrack.size(), 4u);
    for (std::uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(r.info.gsenTrack[i].x, i + 1);
        EXPECT_EQ(r.info.gsenTrack[i].y, 0xfffffffeu);
    }
    EXPECT_EQ(r.info.width, 320);
    EXPECT_EQ(r.info.height, 240);
    EXPECT_EQ(r.info.durationMs, 1500u);
    EXPECT_EQ(r.info.durationSpan, 1);
    EXPECT_EQ(r.info.startTime, *LocalTimeValue(2024, 5, 1, 12, 0, 0));
    EXPECT_EQ(r.info.fileSize, ReadFile(path).size());
    // MP4 telemetry lives in the tracks, never at file positions, and has no rate words.
    EXPECT_EQ(r.info.gpsOffset + r.info.gpsSize + r.info.gsenOffset + r.info.gsenSize, 0u);
    EXPECT_EQ(r.info.gpsAttr + r.info.gsenAttr, 0u);
}

TEST_F(Mp4Reader, StartTimeRules) {
    const std::string source = Source();
    struct Case {
        const char* what;
        std::vector<GpsSample> records;
        bool withStatus;
        std::optional<TimeValue> expected;  // nullopt: the file's creation time
    } cases[] = {
        {"first dated record", {Gps(5, 7), Gps(5, 8)}, false, LocalTimeValue(2024, 5, 1, 12, 0, 7)},
        {"month 0 skipped", {Gps(0, 3), Gps(5, 9)}, false, LocalTimeValue(2024, 5, 1, 12, 0, 9)},
        {"invalid month skipped, year byte + 1900",
         {Gps(13, 0), Gps(6, 30, 123)},
         false,
         LocalTimeValue(2023, 6, 1, 12, 0, 30)},
        {"2024-02-30 is 2024-03-01", {Feb30()}, false, LocalTimeValue(2024, 3, 1, 8, 0, 0)},
        {"no date, no status", {Gps(0, 1), Gps(0, 2)}, false, TimeValue{0}},
        {"no telemetry, no status", {}, false, TimeValue{0}},
        {"no date, status given", {Gps(0, 1)}, true, std::nullopt},
        {"a dated record wins over the status", {Gps(5, 5)}, true, LocalTimeValue(2024, 5, 1, 12, 0, 5)},
    };
    int n = 0;
    for (const Case& c : cases) {
        Mp4Options o;
        for (std::size_t i = 0; i < c.records.size(); ++i)
            o.packets.push_back(At(static_cast<std::int64_t>(i) * 500, c.records[i]));
        const std::string path = Recording(source, o, "FILE" + std::to_string(1000 + n++) + ".mp4");
        FileStatus status;
        const Result r = Read(path, c.withStatus ? &status : nullptr);
        ASSERT_EQ(r.rc, 0) << c.what;
        EXPECT_EQ(r.info.gpsTrack.size(), c.records.size()) << c.what;
        const TimeValue expected = c.expected ? *c.expected : ReadFileStatus(path)->creationTime;
        EXPECT_EQ(r.info.startTime, expected) << c.what;
    }
}

TEST_F(Mp4Reader, YearBeforeNineteenSeventyFailsKeepingTheTracksSoFar) {
    for (int yearByte : {69, 0}) {
        Mp4Options o;
        o.packets = {At(0, Gps(0, 0)),   At(100, Sensor(1)), At(200, Sensor(2)), At(400, Gps(5, 1, yearByte)),
                     At(500, Sensor(3)), At(900, Gps(5, 2))};
        const Result r = Read(Recording(Source(), o));
        EXPECT_EQ(r.rc, -1) << yearByte;
        EXPECT_EQ(r.info.gpsTrack.size(), 1u) << yearByte;
        EXPECT_EQ(r.info.gsenTrack.size(), 2u) << yearByte;
        EXPECT_EQ(r.info.width, 0) << yearByte;
        EXPECT_EQ(r.info.durationMs, 0u) << yearByte;
        EXPECT_EQ(r.info.fileSize, 0u) << yearByte;
    }
}

TEST_F(Mp4Reader, SoundPacketsAreNeverTelemetry) {
    // A sound packet with the size of a GPS record, and one with the size of a G-sensor sample, dated earlier
    // than the data stream's first record.
    GpsSample early = Gps(5, 0);
    early.hour = 6;
    Mp4Options o;
    o.packets = {At(200, Gps(5, 30)), At(200, Sensor(7))};
    o.soundPayloads = {{0, RecordBytes(early), 0}, {100, RecordBytes(Sensor(9)), 0}};
    const std::string path = Recording(Source(320, 240, true), o);
    const Result r = Read(path);
    ASSERT_EQ(r.rc, 0);
    ASSERT_EQ(r.info.gpsTrack.size(), 1u);
    EXPECT_EQ(r.info.gpsTrack[0].second, 30);
    ASSERT_EQ(r.info.gsenTrack.size(), 1u);
    EXPECT_EQ(r.info.gsenTrack[0].x, 7u);
    EXPECT_EQ(r.info.startTime, *LocalTimeValue(2024, 5, 1, 12, 0, 30));
}

TEST_F(Mp4Reader, PictureSizeFromTheLowerNumberedVideoStream) {
    Mp4Options o;
    o.secondVideo = Source(320, 240);
    o.packets = {At(0, Gps(5, 0))};
    const Result r = Read(Recording(Source(160, 96), o));
    ASSERT_EQ(r.rc, 0);
    EXPECT_EQ(r.info.width, 160);
    EXPECT_EQ(r.info.height, 96);
}

TEST_F(Mp4Reader, Duration) {
    Mp4Options o;
    o.packets = {At(0, Gps(5, 0))};
    const std::string plain = Recording(Source(320, 240, false, 2.7), o);
    const std::string negative = Write("FILE0002.mp4", WithNegativeMovieDuration(ReadFile(plain)));
    struct Case {
        std::string path;
        std::uint32_t ms;
        TimeSpan span;
    } cases[] = {{plain, 2700, 2}, {negative, 0, 0}};
    for (const Case& c : cases) {
        const Result r = Read(c.path);
        ASSERT_EQ(r.rc, 0) << c.path;
        EXPECT_EQ(r.info.durationMs, c.ms) << c.path;
        EXPECT_EQ(r.info.durationSpan, c.span) << c.path;
        EXPECT_EQ(r.info.width, 320) << c.path;
    }
}

TEST_F(Mp4Reader, Refusals) {
    Mp4Options o;
    o.packets = {At(0, Gps(5, 0)), At(0, Sensor(1))};
    const std::string good = ReadFile(Recording(Source(), o));
    std::string garbage(good.size(), '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>((i * 2654435761u) >> 13);
    const std::string avi =
        Bytes().tag("RIFF").le32(100).tag("AVI ").tag("LIST").le32(4).tag("hdrl").zeros(88);
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"an AVI", avi},
        {"garbage", garbage},
        // The muxer writes "moov" last: a recording cut short by a power loss has none.
        {"cut in the media data", good.substr(0, good.size() / 2)},
        {"cut inside moov", good.substr(0, (good.rfind("moov") + good.size()) / 2)},
        {"ftyp only", good.substr(0, 32)},
    };
    for (const Case& c : cases) {
        const Result r = Parse("FILE0009.mp4", c.bytes);
        EXPECT_EQ(r.rc, -1) << c.what;
        EXPECT_EQ(r.info.width, 0) << c.what;
        EXPECT_EQ(r.info.fileSize, 0u) << c.what;
        EXPECT_EQ(r.info.startTime, 0) << c.what;
    }
    EXPECT_EQ(Read(dir_ + "/missing.mp4").rc, -1);
    EXPECT_EQ(Read(dir_).rc, -1);
}
