// The sample card as the tool makes it: every recording reads, the trips follow each other without gaps,
// the rear files are where the rear-file rule looks, and the marks are where they should be.
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "telemetry/readrecording.h"
#include "testfiles.h"

namespace fs = std::filesystem;

namespace {

struct Expected {
    const char* folder;
    const char* name;
    int trip;
    std::uint8_t flags;
};

// Front files; each has a rear file found by the rule.
const Expected kFronts[] = {
    {"DCIM/Movie", "FILE0001F.mp4", 1, 0},  {"DCIM/Movie", "FILE0002F.mp4", 1, 0},
    {"DCIM/Movie", "FILG0003F.mp4", 1, 1},  {"DCIM/Movie", "FILE0004F.mp4", 1, 0},
    {"DCIM/MovieF", "MOVI0005F.AVI", 1, 0}, {"DCIM/MovieF", "MOVI0006F.AVI", 1, 0},
    {"DCIM/Clip", "CLIP0007F.MOV", 2, 0},   {"DCIM/Clip", "CLIP0008F.MOV", 2, 0},
    {"DCIM/Clip", "CLIP0009F.MOV", 2, 2},   {"DCIM/Clip", "CLIP0010F.MOV", 2, 0},
};

// The player's rule: the last letter of the name made 'R', then also that of the folder.
std::string RearOf(const std::string& front) {
    std::string p = front;
    const auto dot = p.rfind('.');
    p[dot - 1] = 'R';
    if (fs::exists(p)) return p;
    const auto slash = p.rfind('/');
    p[slash - 1] = 'R';
    return fs::exists(p) ? p : "";
}

}  // namespace

class SampleCard : public TempDirTest {};

TEST_F(SampleCard, EveryRecordingReadsAndTheTripsHangTogether) {
    const std::string card = dir_ + "/card";
    const std::string make = std::string(ORVAN_SAMPLE_CARD_TOOL) + " " + card;
    ASSERT_EQ(std::system(make.c_str()), 0);

    std::size_t files = 0;
    for (const auto& e : fs::recursive_directory_iterator(card)) files += e.is_regular_file();
    EXPECT_EQ(files, 20u);

    struct Start {
        TimeValue t;
        int trip;
    };
    std::vector<Start> starts;
    for (const Expected& x : kFronts) {
        const std::string front = card + "/" + x.folder + "/" + x.name;
        const std::string rear = RearOf(front);
        ASSERT_FALSE(rear.empty()) << x.name;
        for (const std::string& path : {front, rear}) {
            const fs::path p(path);
            const SingleRead r = ReadSingleRecording(p.parent_path().string(), p.filename().string());
            ASSERT_EQ(r.parseResult, 0) << path;
            EXPECT_EQ(r.info.width, 640) << path;
            EXPECT_EQ(r.info.height, 360) << path;
            EXPECT_NEAR(r.info.durationMs, 60000, 100) << path;
            // The rear copy of a read-only front file is writable; the 'G' mark is on both.
            EXPECT_EQ(r.info.flags, path == front ? x.flags : (x.flags & 1)) << path;
            if (r.reader == ReaderKind::Mp4) {
                EXPECT_EQ(r.info.gpsTrack.size(), 60u) << path;
                EXPECT_EQ(r.info.gsenTrack.size(), 600u) << path;
            } else {
                EXPECT_EQ(r.info.gpsSize, 60u * 32) << path;
                EXPECT_EQ(r.info.gsenSize, 600u * 3) << path;
                EXPECT_EQ(r.info.gpsAttr & 0xff, 1u) << path;
                EXPECT_EQ(r.info.gsenAttr & 0xffff, 0x040au) << path;
            }
            if (path == front) starts.push_back({r.info.startTime, x.trip});
        }
    }
    // A recording starts where the one before it ended; between the trips there is a long gap.
    for (std::size_t i = 1; i < starts.size(); ++i) {
        const TimeValue step = starts[i].t - starts[i - 1].t;
        if (starts[i].trip == starts[i - 1].trip) {
            EXPECT_EQ(step, 60) << kFronts[i].name;
        } else {
            EXPECT_GE(step, 20 * 60) << kFronts[i].name;
        }
    }

    // A complete card is left as it is.
    const auto before = fs::last_write_time(card + "/DCIM/Movie/FILE0001F.mp4");
    ASSERT_EQ(std::system(make.c_str()), 0);
    EXPECT_EQ(fs::last_write_time(card + "/DCIM/Movie/FILE0001F.mp4"), before);
}
