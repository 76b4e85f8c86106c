// The command-line tool end to end, its KML and GPX files read back by xmllint and gpsbabel.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include "testrecordings.h"

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

struct RunOutput {
    int status = -1;
    std::string out, err;
};

RunOutput Shell(const std::string& command, const std::string& errFile) {
    RunOutput r;
    FILE* p = ::popen((command + " 2>" + errFile).c_str(), "r");
    if (!p) return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof(buf), p)) > 0) r.out.append(buf, n);
    const int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    r.err = fixtures::ReadFile(errFile);
    return r;
}

bool HaveTool(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null").c_str()) == 0;
}

std::vector<std::string> Lines(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) out.push_back(line);
    }
    return out;
}

class Cli : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        const char* tool = std::getenv("ORVAN_TELEMETRY");
        ASSERT_NE(tool, nullptr) << "ORVAN_TELEMETRY names the tool";
        tool_ = tool;
        // A card: two recordings that follow each other (one with 30 of 180 samples without a fix, 5 per
        // second), and one later recording in another folder.
        testrec::Track a;
        a.samples = 300;
        a.gpsPerSecond = 5;
        a.noFixEvery = 10;
        Write("card/VIDEO/MOVI0001.AVI", testrec::Avi(a));
        testrec::Track b;
        b.minute = 1;
        Write("card/VIDEO/MOVI0002.AVI", testrec::Avi(b));
        testrec::Track c;
        c.minute = 30;
        Write("card/EVENT/FILE0003.MOV", testrec::Mov(c));
        Write("card/NOTE.TXT", "x");
    }
    RunOutput Tool(const std::string& args) { return Shell("'" + tool_ + "' " + args, dir_ + "/stderr"); }
    std::string tool_;
};

}  // namespace

TEST_F(Cli, ScanPrintsRecordingsGroupsAndRows) {
    const RunOutput r = Tool("scan '" + dir_ + "/card'");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    ASSERT_EQ(j["recordings"].size(), 3u);
    EXPECT_EQ(j["recordings"][0]["name"], "MOVI0001.AVI");
    EXPECT_EQ(j["recordings"][0]["subFolder"], "VIDEO/");
    EXPECT_EQ(j["recordings"][0]["rootFolder"], dir_ + "/card/");
    EXPECT_EQ(j["recordings"][0]["parseResult"], 0);
    EXPECT_EQ(j["recordings"][0]["groupStart"], 1);
    EXPECT_EQ(j["recordings"][0]["rearName"], "");
    EXPECT_EQ(j["recordings"][0]["rearSubFolder"], "");
    EXPECT_EQ(j["recordings"][1]["groupStart"], 0);
    EXPECT_EQ(j["recordings"][2]["subFolder"], "EVENT/");
    ASSERT_EQ(j["groups"].size(), 2u);
    EXPECT_EQ(j["groups"][0]["count"], 2);
    EXPECT_EQ(j["groups"][0]["resolution"], "FHD");
    EXPECT_EQ(j["groups"][0]["totalDurationMs"], 2 * 59999);
    EXPECT_EQ(j["groups"][1]["first"], 2);
    EXPECT_EQ(j["rows"][1], (nlohmann::json{{"groupNumber", 0}, {"indexInGroup", 1}, {"recordingIndex", 1}}));

    const RunOutput one =
        Tool("scan '" + dir_ + "/card/NOTE.TXT'");  // a file alone: no name test, reader fails
    ASSERT_EQ(one.status, 0);
    EXPECT_EQ(nlohmann::json::parse(one.out)["recordings"][0]["parseResult"], -1);
}

TEST_F(Cli, TrackGivesEverySampleWithItsTime) {
    const RunOutput r = Tool("track '" + dir_ + "/card/VIDEO/MOVI0001.AVI'");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 300u);
    const auto s0 = nlohmann::json::parse(lines[0]);
    EXPECT_DOUBLE_EQ(s0["lat"].get<double>(), 22.535390);
    EXPECT_EQ(s0["heading"], 90);
    EXPECT_EQ(s0["fix"], true);
    const auto s9 = nlohmann::json::parse(lines[9]);
    EXPECT_TRUE(s9["lat"].is_null());
    EXPECT_EQ(s9["fix"], false);
    EXPECT_DOUBLE_EQ(nlohmann::json::parse(lines[25])["t"].get<double>(), 5.0);
}

TEST_F(Cli, KmlIsWellFormedAndReadsBackWithGpsbabel) {
    const RunOutput r = Tool("kml '" + dir_ + "/card/VIDEO/MOVI0001.AVI' --out '" + dir_ + "/kml'");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string path = Lines(r.out).at(0);
    EXPECT_EQ(path, dir_ + "/kml/MOVI0001_2024_05_01_12-00-00.KML");
    if (!HaveTool("xmllint") || !HaveTool("gpsbabel")) GTEST_SKIP() << "xmllint or gpsbabel missing";
    EXPECT_EQ(Shell("xmllint --noout '" + path + "'", dir_ + "/lint").status, 0)
        << fixtures::ReadFile(dir_ + "/lint");
    const RunOutput csv = Shell("gpsbabel -t -i kml -f '" + path + "' -o unicsv -F -", dir_ + "/babel");
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(Lines(csv.out).size(), 1u + 270u);  // header line + the 270 samples with a fix
    EXPECT_THAT(csv.out, HasSubstr("22.535390,114.053780"));
}

TEST_F(Cli, GpxPerGroupIsWellFormedAndReadsBackWithGpsbabel) {
    const RunOutput r = Tool("gpx '" + dir_ + "/card' --out '" + dir_ + "/gpx'");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto paths = Lines(r.out);
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0], dir_ + "/gpx/G0_MOVI0001.gpx");
    const std::string text = fixtures::ReadFile(paths[0]);
    // 5 samples per second from 12:00:00 local (10:00:00 UTC in May in Berlin): sample 1 is 0.2 s later.
    EXPECT_THAT(text, HasSubstr("<ele>30</ele><time>2024-05-01T10:00:00Z</time>"));
    EXPECT_THAT(text, HasSubstr("<ele>31</ele><time>2024-05-01T10:00:00.200Z</time>"));
    if (!HaveTool("xmllint") || !HaveTool("gpsbabel")) GTEST_SKIP() << "xmllint or gpsbabel missing";
    for (const auto& p : paths)
        EXPECT_EQ(Shell("xmllint --noout '" + p + "'", dir_ + "/lint").status, 0)
            << fixtures::ReadFile(dir_ + "/lint");
    const RunOutput csv = Shell("gpsbabel -t -i gpx -f '" + paths[0] + "' -o unicsv -F -", dir_ + "/babel");
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(Lines(csv.out).size(), 1u + 270u + 60u);  // both recordings of the group
    // gpsbabel prints local time: the UTC times came back as the recorder's clock.
    EXPECT_THAT(csv.out, HasSubstr("22.535557,114.053780,31.0,2024/05/01,12:00:00.200"));

    const RunOutput single = Tool("gpx '" + dir_ + "/card/EVENT/FILE0003.MOV' --out '" + dir_ + "/gpx'");
    ASSERT_EQ(single.status, 0) << single.err;
    EXPECT_EQ(Lines(single.out).at(0), dir_ + "/gpx/FILE0003.gpx");
}

TEST_F(Cli, ErrorsGoToStderrWithStatusOne) {
    const std::string missing = "'" + dir_ + "/missing.AVI'";
    const std::string file = "'" + dir_ + "/card/VIDEO/MOVI0001.AVI'";
    for (const std::string& args : std::vector<std::string>{
             "scan " + missing, "track " + missing, "kml " + missing + " --out /tmp",
             "gpx " + missing + " --out /tmp", "kml " + file, "track '" + dir_ + "/card'",
             std::string("scan"), std::string("frobnicate"), "kml " + file + " --out /dev/null/x"}) {
        const RunOutput r = Tool(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(Lines(r.err).size() >= 1, true) << args;
    }
}

TEST_F(Cli, TheFourSubcommandsOnTheSampleCard) {
    const char* maker = std::getenv("ORVAN_SAMPLE_CARD");
    ASSERT_NE(maker, nullptr);
    const std::string card = dir_ + "/sample";
    ASSERT_EQ(std::system(("'" + std::string(maker) + "' '" + card + "' 2>/dev/null").c_str()), 0);

    const RunOutput scan = Tool("scan '" + card + "'");
    ASSERT_EQ(scan.status, 0) << scan.err;
    const auto j = nlohmann::json::parse(scan.out);
    // Ten recordings of a front and a rear camera: one entry each, in the two trips' groups.
    ASSERT_EQ(j["recordings"].size(), 10u);
    for (const auto& r : j["recordings"]) {
        EXPECT_EQ(r["parseResult"], 0) << r["name"];
        std::string rear = r["name"];
        rear[rear.find('.') - 1] = 'R';
        EXPECT_EQ(r["rearName"], rear);
        EXPECT_EQ(r["rootFolder"], r["rearRootFolder"]);
    }
    EXPECT_EQ(j["recordings"][4]["subFolder"], "DCIM/MovieF/");
    EXPECT_EQ(j["recordings"][4]["rearSubFolder"], "DCIM/MovieR/");
    ASSERT_EQ(j["groups"].size(), 2u);
    EXPECT_EQ(j["groups"][0]["count"], 6);
    EXPECT_EQ(j["groups"][1]["count"], 4);
    EXPECT_EQ(j["rows"].size(), 10u);

    for (const char* file :
         {"DCIM/Movie/FILE0001F.mp4", "DCIM/MovieF/MOVI0005F.AVI", "DCIM/Clip/CLIP0007F.MOV"}) {
        const RunOutput track = Tool("track '" + card + "/" + file + "'");
        ASSERT_EQ(track.status, 0) << file << track.err;
        EXPECT_GE(Lines(track.out).size(), 50u) << file;
        const RunOutput kml = Tool("kml '" + card + "/" + file + "' --out '" + dir_ + "/kml'");
        ASSERT_EQ(kml.status, 0) << file << kml.err;
        EXPECT_EQ(Shell("xmllint --noout '" + Lines(kml.out).at(0) + "'", dir_ + "/lint").status, 0) << file;
    }
    const RunOutput gpx = Tool("gpx '" + card + "' --out '" + dir_ + "/gpx'");
    ASSERT_EQ(gpx.status, 0) << gpx.err;
    const auto files = Lines(gpx.out);
    EXPECT_EQ(files.size(), j["groups"].size());
    for (const auto& f : files)
        EXPECT_EQ(Shell("xmllint --noout '" + f + "'", dir_ + "/lint").status, 0) << f;
}
