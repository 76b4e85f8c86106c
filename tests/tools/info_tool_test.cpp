// `orvan-telemetry info` end to end: the built tool run on real recordings, its JSON lines parsed back.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <nlohmann/json.hpp>

#include "mp4writer.h"
#include "telemetry/timerules.h"
#include "testrecordings.h"
#include "video.h"

using namespace fixtures;

namespace {

struct ToolRun {
    int status = -1;
    std::vector<nlohmann::json> lines;
};

ToolRun Info(const std::vector<std::string>& files) {
    std::string command = "'" + std::string(std::getenv("ORVAN_TELEMETRY")) + "' info";
    for (const std::string& f : files) command += " '" + f + "'";
    command += " 2>/dev/null";
    ToolRun r;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return r;
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof(buf), p)) > 0;) out.append(buf, n);
    const int rc = pclose(p);
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) r.lines.push_back(nlohmann::json::parse(line));
    return r;
}

}  // namespace

class InfoTool : public TempDirTest {
  protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("ORVAN_TELEMETRY"), nullptr) << "ORVAN_TELEMETRY names the tool";
        TempDirTest::SetUp();
    }
};

TEST_F(InfoTool, PrintsOneObjectPerFile) {
    GpsSample g = MakeGps(
        Fix{.lat = 5230.5, .lon = 1322.25, .speed = 30, .year = 2024, .month = 5, .day = 1, .hour = 12},
        1900);
    Mp4Options o;
    o.packets = TelemetryPackets({g, g}, 1, std::vector<GSensorSample>(12), 10);
    const std::string mp4 = dir_ + "/FILG0001F.mp4";
    ASSERT_TRUE(WriteMp4(SharedTestVideo(), mp4, o));
    ::chmod(mp4.c_str(), 0444);
    const std::string broken = Write("MOVI0002F.AVI", "RIFF");

    const ToolRun r = Info({mp4, broken});
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.lines.size(), 2u);
    const nlohmann::json& a = r.lines[0];
    for (const char* key : {"path", "name", "reader", "parseResult", "width", "height", "startTime",
                            "durationMs", "durationSpan", "fileSize", "gpsOffset", "gpsSize", "gsenOffset",
                            "gsenSize", "gpsAttr", "gsenAttr", "gpsTrack", "gsenTrack", "flags"}) {
        EXPECT_TRUE(a.contains(key)) << key;
    }
    EXPECT_EQ(a["path"], mp4);
    EXPECT_EQ(a["name"], "FILG0001F.mp4");
    EXPECT_EQ(a["reader"], "mp4");
    EXPECT_EQ(a["parseResult"], 0);
    EXPECT_EQ(a["width"], 320);
    EXPECT_EQ(a["height"], 240);
    EXPECT_EQ(a["durationMs"], 2000);
    EXPECT_EQ(a["durationSpan"], 2);
    EXPECT_EQ(a["startTime"], *LocalTimeValue(2024, 5, 1, 12, 0, 0));
    EXPECT_EQ(a["fileSize"], ReadFile(mp4).size());
    EXPECT_EQ(a["gpsTrack"], 2);
    EXPECT_EQ(a["gsenTrack"], 12);
    EXPECT_EQ(a["flags"], 3);  // the 'G' mark and read-only

    const nlohmann::json& b = r.lines[1];
    EXPECT_EQ(b["reader"], "avi");
    EXPECT_EQ(b["parseResult"], -1);
    EXPECT_EQ(b["width"], 0);
    EXPECT_EQ(b["flags"], 0);
}

TEST_F(InfoTool, MissingFileIsAnError) {
    const ToolRun r = Info({dir_ + "/FILE0003.mp4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.lines.empty());
}
