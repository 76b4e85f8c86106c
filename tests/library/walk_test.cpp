#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gmock/gmock.h>

#include "library/folderwalk.h"
#include "library/recordingcatalogue.h"
#include "recordingviews.h"
#include "testrecordings.h"

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

namespace fs = std::filesystem;

TEST(RecordingNames, PatternOfTheRecorder) {
    struct Case {
        const char* name;
        bool qualifies, markedG;
    } cases[] = {
        {"MOVI0001.AVI", true, false},
        {"FILE0123.mp4", true, false},
        {"ABCG0001.AVI", true, true},
        {"xyzG0001.mp4", true, true},
        {"a-_Z9999", true, false},
        {"IMG_01.AVI", false, false},
        // Characters 5 to 8 must be digits: "2024_0101.MOV" has "_010" there.
        {"2024_0101.MOV", false, false},
        {"20240101.MOV", true, false},
        {"ABC.0001.AVI", false, false},
        {"ABCD123", false, false},
        {"", false, false},
        {"ABCG", false, true},
        {"ÄBCD0001.MOV", false, false},
        {"AB D0001.MOV", false, false},
    };
    for (const Case& c : cases) {
        const RecordingName r = IsRecordingName(c.name);
        EXPECT_EQ(r.qualifies, c.qualifies) << c.name;
        EXPECT_EQ(r.markedG, c.markedG) << c.name;
    }
}

class Walk : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        cat.Init(&views, &views.files, &views, &views, &views);
        cat.SetCounterPane(&views);
    }
    std::vector<std::string> Walked(const std::string& root) {
        std::vector<std::string> out;
        EXPECT_EQ(WalkFolder(root,
                             [&](const WalkEntry& e) {
                                 out.push_back(e.relativeFolder + e.name + (e.isFolder ? "/" : ""));
                             }),
                  WalkResult::Done);
        return out;
    }
    RecordingViews views;
    RecordingCatalogue cat;
};

TEST_F(Walk, CardFoldersBecomeRootAndSubFolderAndEveryFileIsCounted) {
    testrec::Track t;
    Write("VIDEO/FRONT/MOVI0001.AVI", testrec::Avi(t));
    t.minute = 1;
    Write("VIDEO/FRONT/MOVI0002.AVI", testrec::Avi(t));
    Write("VIDEO/NOTE.TXT", "not a recording");
    Write("ABCD1234.txt", "read by the box reader, which fails");
    Write(".hidden/MOVI0003.AVI", testrec::Avi(t));
    Write("VIDEO/.MOVI0004.AVI", testrec::Avi(t));
    ASSERT_EQ(cat.OpenSource(dir_, ""), 1);
    ASSERT_EQ(cat.GetCount(), 3);
    // The failed read has start time 0 and sorts first.
    EXPECT_EQ(cat.GetRecording(0).name, "ABCD1234.txt");
    EXPECT_EQ(cat.GetRecording(0).durationMs, 0u);
    const VideoFileInfo& r = cat.GetRecording(1);
    EXPECT_EQ(r.rootFolder, dir_ + "/");
    EXPECT_EQ(r.subFolder, "VIDEO/FRONT/");
    EXPECT_EQ(r.name, "MOVI0001.AVI");
    EXPECT_EQ(r.startTime, testrec::Local(12, 0, 0));
    EXPECT_EQ(cat.Groups().size(), 2u);  // the failed read alone, then the two that follow each other
    // Four visible files seen; the pane lags one behind.
    EXPECT_EQ(cat.FilesSeen(), 4);
    EXPECT_THAT(views.Calls("counter"), ElementsAre("counter(0)", "counter(1)", "counter(2)", "counter(3)"));
}

TEST_F(Walk, PreOrderSkippingHiddenEntriesAndLinksToFolders) {
    Write("A/B/FILE0001.MOV", "x");
    Write("A/FILE0002.MOV", "x");
    Write(".Trash-0/FILE0003.MOV", "x");
    Write("target.bin", "x");
    fs::create_directory_symlink(dir_, dir_ + "/A/loop");  // would walk forever if followed
    fs::create_symlink(dir_ + "/target.bin", dir_ + "/A/FILE0004.MOV");
    const auto walked = Walked(dir_);
    EXPECT_THAT(walked, UnorderedElementsAre("A/", "A/B/", "A/B/FILE0001.MOV", "A/FILE0002.MOV",
                                             "A/FILE0004.MOV", "target.bin"));
    // Depth first: a folder's contents come right after it, before its next sibling of the parent.
    const auto pos = [&](const std::string& s) {
        return std::find(walked.begin(), walked.end(), s) - walked.begin();
    };
    EXPECT_LT(pos("A/"), pos("A/B/"));
    EXPECT_EQ(pos("A/B/") + 1, pos("A/B/FILE0001.MOV"));
}

TEST_F(Walk, FoldersDeeperThanFortyLevelsAreSkipped) {
    std::string path;
    for (int level = 1; level <= 42; ++level) {
        path += "d/";
        if (level >= 39) Write(path + "FILE" + std::to_string(1000 + level) + ".MOV", "x");
    }
    std::vector<std::string> files;
    for (const auto& s : Walked(dir_ + "/")) {
        if (s.back() != '/') files.push_back(s.substr(s.rfind('/') + 1));
    }
    EXPECT_THAT(files, ElementsAre("FILE1039.MOV", "FILE1040.MOV"));
}

TEST_F(Walk, UnreachableSourcesReturnZeroAndLeaveTheCatalogueEmpty) {
    Write("MOVI0001.AVI", testrec::Avi(testrec::Track{}));
    ASSERT_EQ(cat.OpenSource(dir_, "MOVI0001.AVI"), 1);
    ASSERT_EQ(cat.GetCount(), 1);
    EXPECT_EQ(cat.OpenSource(dir_ + "/missing", ""), 0);
    EXPECT_EQ(cat.GetCount(), 0);
    EXPECT_EQ(cat.OpenSource("", ""), 0);
    EXPECT_EQ(cat.OpenSource(dir_, "MOVI0002.AVI"), 0);
    EXPECT_EQ(cat.OpenSource("", ""), 0);  // an empty File source
    EXPECT_EQ(WalkFolder(dir_ + "/missing", [](const WalkEntry&) {}), WalkResult::RootUnreachable);
    // A file given as the root of a walk is reachable but cannot be listed: nothing, no failure.
    EXPECT_EQ(cat.OpenSource(dir_ + "/MOVI0001.AVI", ""), 1);
    EXPECT_EQ(cat.GetCount(), 0);
}

TEST_F(Walk, GMarkAndReadOnlyFlagsForWalkedAndSingleFiles) {
    const std::string bytes = testrec::Avi(testrec::Track{});
    Write("xyzG0001.mp4", "not really an MP4");
    const std::string ro = Write("MOVI0002.AVI", bytes);
    ::chmod(ro.c_str(), 0444);
    ASSERT_EQ(cat.OpenSource(dir_, "xyzG0001.mp4"), 1);
    EXPECT_EQ(cat.GetRecording(0).flags, recording_flags::kMarkedG);
    EXPECT_EQ(cat.GetRecording(0).subFolder, "");
    EXPECT_EQ(cat.GetRecording(0).rootFolder, dir_);
    ASSERT_EQ(cat.OpenSource(dir_, "MOVI0002.AVI"), 1);
    EXPECT_EQ(cat.GetRecording(0).flags, recording_flags::kReadOnly);
    ASSERT_EQ(cat.OpenSource(dir_, ""), 1);
    ASSERT_EQ(cat.GetCount(), 2);
    std::uint8_t all = 0;
    for (const auto& r : cat.Recordings()) all |= r.flags;
    EXPECT_EQ(all, recording_flags::kMarkedG | recording_flags::kReadOnly);
}

TEST_F(Walk, SpecialFilesAreNeverOpened) {
    // Opening a FIFO for reading would wait for a writer forever.
    ASSERT_EQ(::mkfifo((dir_ + "/MOVI0001.AVI").c_str(), 0644), 0);
    fs::create_symlink(dir_ + "/MOVI0001.AVI", dir_ + "/MOVI0002.AVI");
    ASSERT_EQ(cat.OpenSource(dir_, ""), 1);
    EXPECT_EQ(cat.GetCount(), 0);
    ASSERT_EQ(cat.OpenSource(dir_, "MOVI0001.AVI"), 1);  // picked alone: listed, unread
    ASSERT_EQ(cat.GetCount(), 1);
    EXPECT_EQ(cat.GetRecording(0).durationMs, 0u);
    EXPECT_EQ(cat.LoadTelemetry(0), 0);
}
