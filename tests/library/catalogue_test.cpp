#include <unistd.h>

#include <gmock/gmock.h>

#include "library/recordingcatalogue.h"
#include "mp4writer.h"
#include "recordingviews.h"
#include "testrecordings.h"
#include "video.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

VideoFileInfo Rec(TimeValue start, TimeSpan span, std::uint8_t flags = 0,
                  const std::string& name = "FILE0001.MOV") {
    VideoFileInfo r;
    r.name = name;
    r.rootFolder = "/card/";
    r.subFolder = "VIDEO/";
    r.startTime = start;
    r.durationSpan = span;
    r.durationMs = static_cast<std::uint32_t>(span * 1000);
    r.fileSize = 1000;
    r.flags = flags;
    r.width = 1280;
    r.height = 720;
    return r;
}

class Catalogue : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        cat.Init(&views, &views.files, &views, &views, &views);
        cat.SetCounterPane(&views);
    }
    std::vector<int> GroupSizes() const {
        std::vector<int> out;
        for (const FileGroup& g : cat.Groups()) out.push_back(g.count);
        return out;
    }
    RecordingViews views;
    RecordingCatalogue cat;
};

}  // namespace

TEST_F(Catalogue, GroupsRecordingsWithinTwoSecondsOfThePreviousEnd) {
    const TimeValue t0 = testrec::Local(10, 0, 0);
    struct Case {
        const char* what;
        std::vector<std::pair<TimeValue, TimeSpan>> recs;  // start offset from t0, span
        std::vector<int> sizes;
    } cases[] = {
        {"exactly at the end, then 3 s late", {{0, 60}, {60, 60}, {123, 60}}, {2, 1}},
        {"2 s before the end continues", {{0, 60}, {58, 60}}, {2}},
        {"3 s before the end starts a group", {{0, 60}, {57, 60}}, {1, 1}},
        {"2 s after the end continues", {{0, 60}, {62, 60}}, {2}},
        {"failed reads (start 0, span 0) group together and sort first",
         {{500, 60}, {-t0, 0}, {-t0 + 1, 0}},
         {2, 1}},
        {"one recording", {{0, 60}}, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cat.Clear();
        for (const auto& [offset, span] : c.recs) cat.Append(Rec(t0 + offset, span));
        cat.SortByStartTime();
        cat.BuildGroups();
        EXPECT_EQ(GroupSizes(), c.sizes);
        ASSERT_EQ(cat.Rows().size(), c.recs.size());
        for (std::size_t i = 1; i < cat.Recordings().size(); ++i)
            EXPECT_LE(cat.Recordings()[i - 1].startTime, cat.Recordings()[i].startTime);
    }
}

TEST_F(Catalogue, FillsGroupAndFileRowsWithNumbersTotalsAndFlags) {
    const TimeValue t0 = testrec::Local(10, 0, 0);
    cat.Append(Rec(t0 + 123, 60, recording_flags::kReadOnly, "C.MOV"));  // out of order on purpose
    cat.Append(Rec(t0, 60, recording_flags::kMarkedG, "A.MOV"));
    cat.Append(Rec(t0 + 60, 60, 0, "B.MOV"));
    cat.Append(Rec(t0 + 183, 60, 0, "D.MOV"));
    cat.SortByStartTime();
    cat.BuildGroups();
    EXPECT_THAT(views.groupRows, ElementsAre("G0 HD 120000 2000 f1", "G1 HD 120000 2000 f2"));
    EXPECT_THAT(
        views.files.rows,
        ElementsAre("G0-0 /card/VIDEO/ A.MOV 60000 1000 f1", "G0-1 /card/VIDEO/ B.MOV 60000 1000 f0",
                    "G1-0 /card/VIDEO/ C.MOV 60000 1000 f2", "G1-1 /card/VIDEO/ D.MOV 60000 1000 f0"));
    EXPECT_EQ(cat.GetPath(3), "/card//VIDEO//D.MOV");
}

TEST_F(Catalogue, AGroupStartMarkIsNeverCleared) {
    // A mark from an earlier build (kept through deletions) splits even a recording that follows without a
    // gap.
    const TimeValue t0 = testrec::Local(10, 0, 0);
    cat.Append(Rec(t0, 60));
    VideoFileInfo second = Rec(t0 + 60, 60);
    second.groupStart = 1;
    cat.Append(second);
    cat.BuildGroups();
    EXPECT_EQ(GroupSizes(), (std::vector<int>{1, 1}));
}

TEST(ResolutionNames, TableThenWidthByHeight) {
    struct Case {
        int w, h;
        const char* name;
    } cases[] = {{2048, 1600, "QXGA"},
                 {2048, 1536, "QXGA"},
                 {1920, 1080, "FHD"},
                 {1600, 1200, "UXGA"},
                 {1280, 1024, "SXGA"},
                 {1280, 720, "HD"},
                 {1152, 870, "MAC"},
                 {1024, 768, "XGA"},
                 {800, 600, "SVGA"},
                 {720, 480, "480P"},
                 {640, 480, "VGA"},
                 {320, 240, "CIF"},
                 {1280, 960, "1280x960"},
                 {1920, 1088, "1920x1088"},
                 {0, 0, ""},
                 {1920, 0, ""},
                 {0, 1080, ""}};
    for (const Case& c : cases) EXPECT_EQ(ResolutionName(c.w, c.h), c.name) << c.w << "x" << c.h;
}

TEST_F(Catalogue, SelectMovesBothMarksAndScrollsSelectGroupEntryDoesNot) {
    const TimeValue t0 = testrec::Local(10, 0, 0);
    for (TimeValue off : {0, 60, 200, 260, 320}) cat.Append(Rec(t0 + off, 60));
    cat.BuildGroups();  // G0 = {0, 1}, G1 = {2, 3, 4}
    EXPECT_EQ(cat.GetCurrentIndex(), -1);
    EXPECT_EQ(cat.GetNextIndex(), -1);

    views.log.clear();
    ASSERT_EQ(cat.Select(3), 1);
    // Nothing was current, but the current group starts as 0, so its row's mark is cleared first.
    EXPECT_THAT(views.log, ElementsAre("groups.SetDropHilited(0,0)", "groups.SetDropHilited(1,1)",
                                       "groups.EnsureVisible(1)", "files.SetDropHilited(3,1)",
                                       "files.EnsureVisible(3)"));
    EXPECT_EQ(cat.GetCurrentGroup(), 1);
    EXPECT_EQ(cat.GetNextIndex(), 4);

    views.log.clear();
    ASSERT_EQ(cat.Select(3), 1);  // the same again: cleared, set and scrolled once more
    EXPECT_THAT(views.log, ElementsAre("groups.SetDropHilited(1,0)", "files.SetDropHilited(3,0)",
                                       "groups.SetDropHilited(1,1)", "groups.EnsureVisible(1)",
                                       "files.SetDropHilited(3,1)", "files.EnsureVisible(3)"));

    views.log.clear();
    ASSERT_EQ(cat.SelectGroupEntry(0, 1), 1);
    EXPECT_THAT(views.log, ElementsAre("groups.SetDropHilited(1,0)", "files.SetDropHilited(3,0)",
                                       "groups.SetDropHilited(0,1)", "files.SetDropHilited(1,1)"));
    EXPECT_EQ(cat.GetCurrentIndex(), 1);

    views.log.clear();
    for (int bad : {-1, 5}) EXPECT_EQ(cat.Select(bad), 0);
    EXPECT_EQ(cat.SelectGroupEntry(2, 0), 0);
    EXPECT_EQ(cat.SelectGroupEntry(0, 2), 0);
    EXPECT_EQ(cat.SelectGroupEntry(-1, 0), 0);
    EXPECT_EQ(cat.SelectGroupEntry(1, -1), 0);
    EXPECT_TRUE(views.log.empty());
    EXPECT_EQ(cat.GetCurrentIndex(), 1);

    ASSERT_EQ(cat.Select(4), 1);
    EXPECT_EQ(cat.GetNextIndex(), -1);  // the last one
    EXPECT_EQ(cat.GetCurrentVideoSize().width, 1280);
    EXPECT_THROW(cat.GetRecording(5), std::out_of_range);
}

TEST_F(Catalogue, LoadTelemetryClearsTheRouteFeedsTheGraphThenPlotsUsableSamples) {
    testrec::Track t;
    t.samples = 180;
    t.noFixEvery = 6;  // 30 of 180 without a fix
    t.gsenCount = 600;
    t.gsenPerSecond = 10;
    t.gsenRangeG = 4;
    Write("MOVI0001.AVI", testrec::Avi(t));
    ASSERT_EQ(cat.OpenSource(dir_, ""), 1);
    ASSERT_EQ(cat.GetCount(), 1);
    views.log.clear();
    ASSERT_EQ(cat.LoadTelemetry(0), 1);
    const std::vector<std::string> head(views.log.begin(), views.log.begin() + 10);
    EXPECT_THAT(
        head, ElementsAre("pathdrived_delete", "path_delete", "graph.ClearData", "graph.SetRange(4,2)",
                          "graph.ClearData", "graph.SetData(raw,600,0)", "graph.UpdateTimeSpan",
                          "graph.SetSampleRate(0.01)", "graph.SetPixelsPerMs(0.01)", "graph.SetViewMode(2)"));
    const auto plots = views.Calls("path_plot");
    ASSERT_EQ(plots.size(), 150u);
    EXPECT_EQ(plots[0], "path_plot path_plot(22.535390,114.053780)");
    EXPECT_EQ(views.log.size(), 160u);
    EXPECT_EQ(cat.GpsSamples().size(), 180u);
    EXPECT_EQ(cat.GsenBlockSize(), 1800u);
    EXPECT_EQ(cat.GetCurrentIndex(), 0);
    EXPECT_EQ(cat.LoadTelemetry(1), 0);
    EXPECT_EQ(cat.LoadTelemetry(-1), 0);
}

TEST_F(Catalogue, PayloadsBeyondTheEndOfTheFileAreNotAllocatedNorLoaded) {
    const std::string path = Write("FILE0001.MOV", std::string(4096, 'x'));
    VideoFileInfo r;
    r.rootFolder = dir_;
    r.name = "FILE0001.MOV";
    r.gsenOffset = 100;
    r.gsenSize = 300;  // inside
    r.gpsOffset = 64;
    r.gpsSize = 0xFFFFFF00u;  // a corrupted header: almost 4 GiB claimed
    cat.Append(r);
    r.gsenSize = 4000;  // 100 + 4000 > 4096
    r.gpsSize = 4032;   // 64 + 4032 = 4096 fits exactly
    cat.Append(r);
    ASSERT_EQ(cat.LoadTelemetry(0), 1);
    EXPECT_EQ(cat.GpsBlockSize(), 0u);
    EXPECT_TRUE(cat.GpsSamples().empty());
    EXPECT_EQ(cat.GsenBlockSize(), 300u);
    views.log.clear();
    ASSERT_EQ(cat.LoadTelemetry(1), 1);
    EXPECT_EQ(cat.GsenBlockSize(), 0u);
    EXPECT_EQ(cat.GpsBlockSize(), 4032u);
    EXPECT_EQ(cat.GpsSamples().size(), 126u);
    EXPECT_TRUE(views.Calls("graph.SetData").empty());

    // A file that is gone: the route and the blocks are cleared, the graph keeps what it had.
    ::unlink(path.c_str());
    views.log.clear();
    EXPECT_EQ(cat.LoadTelemetry(0), 0);
    EXPECT_THAT(views.log, ElementsAre("pathdrived_delete", "path_delete"));
    EXPECT_TRUE(cat.GpsSamples().empty());
    EXPECT_EQ(cat.GsenBlockSize(), 0u);
}

TEST_F(Catalogue, GpsRateFromTheRecordingMapsTimeToSample) {
    testrec::Track t;
    t.samples = 600;
    t.gpsPerSecond = 10;  // "gpsa" byte 10
    Write("MOVI0001.AVI", testrec::Avi(t));
    ASSERT_EQ(cat.OpenSource(dir_, ""), 1);
    ASSERT_EQ(cat.LoadTelemetry(0), 1);
    EXPECT_EQ(cat.GpsRate(), 10.0);
    views.log.clear();
    EXPECT_EQ(cat.SyncToTime(2500, true, true), 1);
    EXPECT_THAT(views.Calls("speed"), ElementsAre("speed.SetSpeed(65,1)"));  // sample 25: speed 40 + 25
}

namespace {

// A catalogue of one MP4-like record whose GPS samples are given directly.
class Clock : public Catalogue {
  protected:
    void Load(const std::vector<GpsSample>& samples, std::uint8_t rate = 1) {
        Write("FILE0001.mp4", "");
        VideoFileInfo r;
        r.rootFolder = dir_;
        r.name = "FILE0001.mp4";
        r.gpsAttr = rate;
        r.gpsTrack = samples;
        cat.Append(r);
        ASSERT_EQ(cat.LoadTelemetry(0), 1);
        views.log.clear();
    }
    static GpsSample S(std::uint16_t speed, bool fix = true, double lat = 2232.5, double lon = 11403.1) {
        GpsSample s;
        s.latitude = lat;
        s.longitude = lon;
        s.speed = speed;
        s.heading = 45;
        s.flags = fix ? 1 : 0;
        return s;
    }
};

}  // namespace

TEST_F(Clock, SampleIndexIsTimeTimesRateTruncated) {
    std::vector<GpsSample> track;
    for (int i = 0; i < 60; ++i) track.push_back(S(static_cast<std::uint16_t>(i)));
    Load(track);
    struct Case {
        std::int64_t t;
        int result;
        const char* speed;
    } cases[] = {{999, 1, "speed.SetSpeed(0,1)"},    {1000, 1, "speed.SetSpeed(1,1)"},
                 {59999, 1, "speed.SetSpeed(59,1)"}, {60000, 0, "speed.SetSpeed(0,0)"},
                 {-5000, 0, "speed.SetSpeed(0,0)"},  {INT64_MAX, 0, "speed.SetSpeed(0,0)"}};
    for (const Case& c : cases) {
        views.log.clear();
        EXPECT_EQ(cat.SyncToTime(c.t, true, true), c.result) << c.t;
        EXPECT_THAT(views.Calls("speed"), ElementsAre(c.speed)) << c.t;
        EXPECT_EQ(views.log[0], "graph.SetDimmed(0)");
    }
}

TEST_F(Clock, InstrumentsAndMarkerOncePerSampleExceptSampleZero) {
    Load({S(88), S(89), S(90, false), S(91, true, 20000.0, 11403.1)});
    EXPECT_EQ(cat.SyncToTime(100, false, true), 1);
    EXPECT_THAT(views.log,
                ElementsAre("graph.SetDimmed(0)", "graph.SetPosition(100)", "compass.SetHeading(90)",
                            "speed.SetSpeed(88,1)", "movpos(22.325,114.031,90)"));
    views.log.clear();
    EXPECT_EQ(cat.SyncToTime(600, false, true), 1);  // index 0 again: never skipped
    EXPECT_EQ(views.Calls("movpos").size(), 1u);
    cat.SyncToTime(1000, false, true);
    views.log.clear();
    EXPECT_EQ(cat.SyncToTime(1500, false, true), 1);  // index 1 again: only the graph moves
    EXPECT_THAT(views.log, ElementsAre("graph.SetDimmed(0)", "graph.SetPosition(1500)"));

    views.log.clear();
    EXPECT_EQ(cat.SyncToTime(2000, false, true), 0);  // no fix, plausible coordinates
    EXPECT_THAT(views.log, ElementsAre("graph.SetDimmed(0)", "graph.SetPosition(2000)",
                                       "compass.SetImageIndex(0)", "speed.SetSpeed(0,0)"));

    views.log.clear();
    EXPECT_EQ(cat.SyncToTime(3000, false, true), 0);  // fix, implausible position: shown, lamp off, no marker
    EXPECT_THAT(views.log, ElementsAre("graph.SetDimmed(0)", "graph.SetPosition(3000)",
                                       "compass.SetHeading(90)", "speed.SetSpeed(91,1)"));
    EXPECT_EQ(cat.SyncToTime(3500, false, true), 0);  // and it stays off on the second report of that sample

    views.log.clear();
    EXPECT_EQ(cat.SyncToTime(1000, false, false), 1);  // map hidden: no marker
    EXPECT_TRUE(views.Calls("movpos").empty());
    EXPECT_EQ(views.Calls("compass").size(), 1u);
}

TEST_F(Clock, NoSamplesGreysTheInstruments) {
    Load({});
    EXPECT_EQ(cat.SyncToTime(5000, true, true), 0);
    EXPECT_THAT(views.log, ElementsAre("graph.SetDimmed(0)", "graph.SetPosition(5000)",
                                       "compass.SetImageIndex(0)", "speed.SetSpeed(0,0)"));
}

TEST_F(Catalogue, Mp4TracksFeedTheGraphAndTheRoute) {
    std::vector<GpsSample> gps;
    std::vector<GSensorSample> gsen;
    testrec::Track t;
    for (int i = 0; i < 2; ++i) {
        GpsSample g = testrec::Sample(t, i);
        g.year = 124;  // MP4 counts from 1900
        gps.push_back(g);
    }
    for (int i = 0; i < 20; ++i) gsen.push_back(GSensorSample{1, 2, 3});
    const std::string path = dir_ + "/FILE0001.mp4";
    std::string error;
    fixtures::Mp4Options options;
    options.packets = fixtures::TelemetryPackets(gps, 1, gsen, 10);
    ASSERT_TRUE(fixtures::WriteMp4(fixtures::SharedTestVideo(), path, options, &error)) << error;
    ASSERT_EQ(cat.OpenSource(dir_, "FILE0001.mp4"), 1);
    ASSERT_EQ(cat.GetRecording(0).gpsTrack.size(), 2u);
    views.log.clear();
    ASSERT_EQ(cat.LoadTelemetry(0), 1);
    EXPECT_THAT(views.Calls("graph.SetData"), ElementsAre("graph.SetData(null,20,20)"));
    EXPECT_EQ(views.Calls("path_plot").size(), 2u);
    EXPECT_EQ(cat.GpsSamples().size(), 2u);
}

TEST_F(Clock, DrivenPathAfterASeekStopsAtTheSeekTime) {
    std::vector<GpsSample> track;
    for (int i = 0; i < 180; ++i) track.push_back(S(1, i % 6 != 5));  // 150 usable
    Load(track);
    cat.DrawDrivenPath(60000);
    ASSERT_FALSE(views.log.empty());
    EXPECT_EQ(views.log[0], "pathdrived_delete");
    EXPECT_EQ(views.Calls("pathdrived_plot").size(), 50u);  // the usable ones among the first 60
    views.log.clear();
    cat.DrawDrivenPath(4000000000u);  // beyond the last sample: all of them
    EXPECT_EQ(views.Calls("pathdrived_plot").size(), 150u);
}

TEST_F(Catalogue, ClearEmptiesTheListsAndTheGraphButKeepsTheCurrentGroup) {
    cat.Append(Rec(testrec::Local(10, 0, 0), 60));
    cat.Append(Rec(testrec::Local(11, 0, 0), 60));
    cat.BuildGroups();
    ASSERT_EQ(cat.Select(1), 1);
    views.log.clear();
    cat.Clear();
    EXPECT_THAT(views.log, ElementsAre("groups.DeleteAllItems", "files.DeleteAllItems", "graph.ClearData"));
    EXPECT_EQ(cat.GetCount(), 0);
    EXPECT_EQ(cat.GetCurrentIndex(), -1);
    EXPECT_EQ(cat.GetCurrentGroup(), 1);
    EXPECT_EQ(cat.GetCurrentPath(), "");
    EXPECT_EQ(cat.GetCurrentVideoSize().ok, 0);
}
