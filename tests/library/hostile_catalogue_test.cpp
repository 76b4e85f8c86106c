// The catalogue and its file operations against a damaged card and races: FIFOs swapped in, sizes near
// 4 GiB, symbolic links, deletions under the current recording.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "export/exportkml.h"
#include "library/fileoperations.h"
#include "library/recordingcatalogue.h"
#include "recordingviews.h"
#include "testrecordings.h"

namespace fs = std::filesystem;

namespace {

class HostileCatalogue : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        cat.Init(&views, &views.files, &views, &views, &views);
    }
    RecordingViews views;
    RecordingCatalogue cat;
};

}  // namespace

TEST_F(HostileCatalogue, ACopyNeverOpensAFifoForABlockingRead) {
    const std::string fifo = dir_ + "/MOVI0001.AVI";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(CopyFileSafely(fifo, dir_ + "/copy.AVI", true), CopyOutcome::Failed);
    EXPECT_FALSE(fs::exists(dir_ + "/copy.AVI"));
}

TEST_F(HostileCatalogue, AGpsSizeNear4GiBIsBoundedNotWrapped) {
    // A sparse file of 4 GiB + 64 whose "gps0" claims 0xFFFFFFFF bytes: (size + 31) / 32 wrapped to 0 in
    // 32 bits, and the whole 4 GiB would have been read into nothing. At most 64 MiB are read now.
    const std::string path = dir_ + "/MOVI0001.MOV";
    fixtures::WriteFile(path, "");
    ASSERT_EQ(::truncate(path.c_str(), (4ll << 30) + 64), 0);
    VideoFileInfo r;
    r.rootFolder = dir_;
    r.name = "MOVI0001.MOV";
    r.gpsOffset = 16;
    r.gpsSize = 0xFFFFFFFFu;
    cat.Append(r);
    cat.BuildGroups();
    ASSERT_EQ(cat.LoadTelemetry(0), 1);
    EXPECT_EQ(cat.GpsBlockSize(), kMaxTelemetryBlock);
    EXPECT_EQ(cat.GpsSamples().size(), kMaxTelemetryBlock / 32);
    EXPECT_EQ(cat.ReadGpsSamples(0).size(), kMaxTelemetryBlock / 32);
}

TEST_F(HostileCatalogue, DeletingOrUnlockingALinkLeavesItsTargetsModeAlone) {
    const std::string target = Write("elsewhere/KEEP0001.AVI", testrec::Avi(testrec::Track{}));
    ::chmod(target.c_str(), 0444);
    fs::create_directory(dir_ + "/card");
    fs::create_symlink(target, dir_ + "/card/ABCG0001.AVI");
    ASSERT_EQ(cat.OpenSource(dir_ + "/card", ""), 1);
    ASSERT_EQ(cat.GetCount(), 1);
    views.checked = {0};
    cat.UnlockChecked();
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_TRUE(fs::is_symlink(dir_ + "/card/ABC_0001.AVI")) << "the link itself is renamed";
    const FileOpResult del = cat.DeleteChecked();
    EXPECT_EQ(del.done, 1);
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir_ + "/card/ABC_0001.AVI")));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(HostileCatalogue, AfterADeleteTheCurrentIndexAndItsRouteAgree) {
    // Three recordings in groups of their own, the last one current with its route loaded; deleting it
    // leaves index 2 past the end. The lowering must stick: no reader of it may pair recording 1 with the
    // deleted route.
    testrec::Track t;
    for (int i = 0; i < 3; ++i) {
        t.minute = i * 10;
        Write("MOVI000" + std::to_string(i + 1) + ".AVI", testrec::Avi(t));
    }
    ASSERT_EQ(cat.OpenSource(dir_, ""), 1);
    ASSERT_EQ(cat.Groups().size(), 3u);
    ASSERT_EQ(cat.Select(2), 1);
    ASSERT_EQ(cat.LoadTelemetry(2), 1);
    ASSERT_FALSE(cat.GpsSamples().empty());
    views.checked = {2};
    EXPECT_EQ(cat.DeleteChecked().done, 1);
    EXPECT_EQ(cat.GetCurrentIndex(), 1);
    EXPECT_TRUE(cat.GpsSamples().empty()) << "the deleted recording's route went with it";
    EXPECT_EQ(ExportKml(cat, dir_ + "/").result, 1);
}
