#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gmock/gmock.h>

#include "library/fileoperations.h"
#include "library/recordingcatalogue.h"
#include "recordingviews.h"
#include "testrecordings.h"

using ::testing::ElementsAre;

namespace fs = std::filesystem;

namespace {

bool Writable(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR);
}

// A small tmpfs for "disk full"; unmounted at the end. Empty path when mounting is not permitted here.
class SmallDisk {
  public:
    explicit SmallDisk(const std::string& dir, const char* size) : dir_(dir) {
        fs::create_directories(dir);
        const std::string opts = std::string("size=") + size;
        if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, opts.c_str()) == 0) mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    bool mounted() const { return mounted_; }
    // Fills the rest of the disk.
    void Fill() {
        FILE* f = std::fopen((dir_ + "/filler").c_str(), "wb");
        const std::string block(4096, 'f');
        while (f && std::fwrite(block.data(), 1, block.size(), f) == block.size()) {
        }
        if (f) std::fclose(f);
    }

  private:
    std::string dir_;
    bool mounted_ = false;
};

class FileOps : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        cat.Init(&views, &views.files, &views, &views, &views);
    }
    // A card: group 0 = three recordings in VIDEO/ (the second read-only), group 1 = one in VIDEO/.
    void MakeCard() {
        testrec::Track t;
        for (int i = 0; i < 3; ++i) {
            t.minute = i;
            paths.push_back(Write("VIDEO/MOVI000" + std::to_string(i + 1) + ".AVI", testrec::Avi(t)));
        }
        t.minute = 10;
        paths.push_back(Write("VIDEO/ABCG0004.AVI", testrec::Avi(t)));
        ::chmod(paths[1].c_str(), 0444);
        ASSERT_EQ(cat.OpenSource(dir_, ""), 1);
        ASSERT_EQ(cat.Groups().size(), 2u);
        ASSERT_EQ(cat.Groups()[0].count, 3);
    }
    RecordingViews views;
    RecordingCatalogue cat;
    std::vector<std::string> paths;
};

}  // namespace

TEST_F(FileOps, NothingTickedDoesNothing) {
    MakeCard();
    EXPECT_EQ(cat.DeleteChecked().result, 0);
    EXPECT_EQ(cat.UnlockChecked().result, 0);
    EXPECT_EQ(cat.CopyChecked(dir_ + "/out", nullptr).result, 0);
    for (const auto& p : paths) EXPECT_TRUE(fs::exists(p));
}

TEST_F(FileOps, DeleteRemovesTheTickedGroupsFilesReadOnlyIncluded) {
    MakeCard();
    views.checked = {0};
    views.log.clear();
    const FileOpResult r = cat.DeleteChecked();
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.done, 3);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(fs::exists(paths[i]));
    EXPECT_TRUE(fs::exists(paths[3]));
    ASSERT_EQ(cat.GetCount(), 1);
    ASSERT_EQ(cat.Groups().size(), 1u);
    EXPECT_EQ(cat.Groups()[0].number, 0);
    EXPECT_THAT(views.groupRows,
                ElementsAre("G0 FHD 59999 " + std::to_string(fs::file_size(paths[3])) + " f1"));
    EXPECT_EQ(views.Calls("groups.DeleteAllItems").size(), 1u);
}

TEST_F(FileOps, AFileThatCannotBeDeletedStaysListedAndKeepsItsProtection) {
    MakeCard();
    // A read-only bind mount of the card: unlink fails even for root.
    const std::string view = dir_ + "/../" + fs::path(dir_).filename().string() + "-ro";
    fs::create_directories(view);
    if (::mount(dir_.c_str(), view.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
        ::mount(nullptr, view.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        ::umount2(view.c_str(), MNT_DETACH);
        fs::remove(view);
        GTEST_SKIP() << "bind mounts are not permitted here";
    }
    cat.OpenSource(view, "");
    views.checked = {0};
    const FileOpResult r = cat.DeleteChecked();
    ::umount2(view.c_str(), MNT_DETACH);
    fs::remove(view);
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.done, 0);
    EXPECT_EQ(r.failed, 3);
    // The report names the first file tried (the last of the group: deletion runs backwards) and why.
    EXPECT_EQ(r.firstError, EROFS);
    EXPECT_TRUE(r.firstFailedPath.starts_with(view + "/")) << r.firstFailedPath;
    EXPECT_EQ(cat.GetCount(), 4);
    for (const auto& p : paths) EXPECT_TRUE(fs::exists(p));
    EXPECT_FALSE(Writable(paths[1]));
}

TEST_F(FileOps, DeletingKeepsEarlierGroupStartsAndTheCurrentIndex) {
    testrec::Track a, b, c;
    b.second = 30;
    b.frames = 300;  // 12:00:30 for 9 s: not a continuation of A, and C does not continue it
    c.minute = 1;    // 12:01:00, right after A's end (12:00:59)
    Write("MOVI0001.AVI", testrec::Avi(a));
    Write("MOVI0002.AVI", testrec::Avi(b));
    Write("MOVI0003.AVI", testrec::Avi(c));
    ASSERT_EQ(cat.OpenSource(dir_, ""), 1);
    ASSERT_EQ(cat.Groups().size(), 3u);
    ASSERT_EQ(cat.LoadTelemetry(2), 1);
    views.checked = {1};
    EXPECT_EQ(cat.DeleteChecked().done, 1);
    // C would now continue A, but keeps the group start it got in the first build.
    ASSERT_EQ(cat.Groups().size(), 2u);
    EXPECT_EQ(cat.GetRecording(1).name, "MOVI0003.AVI");
    // The current index keeps its number and is lowered when read.
    EXPECT_EQ(cat.GetCurrentIndex(), 1);
}

TEST_F(FileOps, UnlockClearsReadOnlyAndRenamesTheGMarkButNeverOntoAnotherFile) {
    testrec::Track t;
    const std::string locked = Write("VIDEO/ABCG0001.AVI", testrec::Avi(t));
    ::chmod(locked.c_str(), 0444);
    t.minute = 1;
    const std::string clash = Write("VIDEO/ABCG0002.AVI", testrec::Avi(t));
    const std::string other = Write("VIDEO/ABC_0002.AVI", "someone else's file");
    ASSERT_EQ(cat.OpenSource(dir_, ""), 1);
    ASSERT_EQ(cat.GetCount(), 3);  // the other file qualifies too; it fails to read and forms a group alone
    views.checked = {0, 1};
    views.log.clear();
    const FileOpResult r = cat.UnlockChecked();
    EXPECT_EQ(r.result, 1);
    EXPECT_FALSE(fs::exists(locked));
    const std::string renamed = dir_ + "/VIDEO/ABC_0001.AVI";
    ASSERT_TRUE(fs::exists(renamed));
    EXPECT_TRUE(Writable(renamed));
    EXPECT_EQ(fixtures::ReadFile(other), "someone else's file");
    EXPECT_TRUE(fs::exists(clash));
    EXPECT_EQ(r.failed, 1);
    EXPECT_EQ(fs::path(r.firstFailedPath).lexically_normal(), fs::path(clash));
    EXPECT_EQ(r.firstError, EEXIST);
    ASSERT_EQ(cat.GetRecording(1).startTime, testrec::Local(12, 0, 0));
    EXPECT_EQ(cat.GetRecording(1).name, "ABC_0001.AVI");
    EXPECT_EQ(cat.GetRecording(1).flags, 0);
    EXPECT_EQ(cat.GetRecording(2).name, "ABCG0002.AVI");
    EXPECT_EQ(cat.GetRecording(2).flags, recording_flags::kMarkedG);
    // The group shows no protection afterwards even though one rename failed; the lists are refilled.
    for (const auto& g : cat.Groups()) EXPECT_EQ(g.flags, 0);
    EXPECT_EQ(views.Calls("groups.DeleteAllItems").size(), 1u);
    EXPECT_EQ(views.files.rows.size(), 3u);
}

TEST_F(FileOps, CopyRebuildsSubFoldersAsksBeforeOverwritingAndShowsProgress) {
    testrec::Track t;
    Write("VIDEO/FRONT/MOVI0001.AVI", testrec::Avi(t));
    t.minute = 1;
    Write("VIDEO/FRONT/MOVI0002.AVI", testrec::Avi(t));
    ASSERT_EQ(cat.OpenSource(dir_, ""), 1);
    const std::string out = dir_ + "-out";
    fs::create_directories(out + "/VIDEO/FRONT");
    fixtures::WriteFile(out + "/VIDEO/FRONT/MOVI0001.AVI", "old 1");
    fixtures::WriteFile(out + "/VIDEO/FRONT/MOVI0002.AVI", "old 2");
    std::vector<std::string> asked;
    views.checked = {0};
    views.log.clear();
    const FileOpResult r = cat.CopyChecked(out, [&](const std::string& target) {
        asked.push_back(target);
        return asked.size() == 2;  // Cancel the first, OK the second
    });
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.done, 1);
    EXPECT_EQ(r.skipped, 1);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(fixtures::ReadFile(out + "/VIDEO/FRONT/MOVI0001.AVI"), "old 1");
    EXPECT_EQ(fixtures::ReadFile(out + "/VIDEO/FRONT/MOVI0002.AVI"), fixtures::ReadFile(cat.GetPath(1)));
    EXPECT_THAT(views.Calls("progress"),
                ElementsAre("progress(0,1)", "progress(50,1)", "progress(100,1)", "progress(0,0)"));

    // Into a fresh destination: the folders are made, nothing is asked.
    const FileOpResult fresh = cat.CopyChecked(out + "/new", [](const std::string&) { return false; });
    EXPECT_EQ(fresh.done, 2);
    EXPECT_EQ(fixtures::ReadFile(out + "/new/VIDEO/FRONT/MOVI0001.AVI"), fixtures::ReadFile(cat.GetPath(0)));
    fs::remove_all(out);
}

TEST_F(FileOps, CopyIntoTheSourceFolderItselfLeavesTheFilesAlone) {
    const std::string bytes = testrec::Avi(testrec::Track{});
    const std::string path = Write("MOVI0001.AVI", bytes);
    ASSERT_EQ(cat.OpenSource(dir_, "MOVI0001.AVI"), 1);
    views.checked = {0};
    bool asked = false;
    const FileOpResult r = cat.CopyChecked(dir_, [&](const std::string&) { return asked = true; });
    EXPECT_EQ(r.skipped, 1);
    EXPECT_FALSE(asked);
    EXPECT_EQ(fixtures::ReadFile(path), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(FileOps, ACopyOntoAFullDiskLeavesTheOldTargetAndNoPartialFile) {
    const std::string bytes = testrec::Avi(testrec::Track{}, 600 * 1024);
    Write("MOVI0001.AVI", bytes);
    ASSERT_EQ(cat.OpenSource(dir_, "MOVI0001.AVI"), 1);
    SmallDisk disk(dir_ + "-disk", "256k");
    if (!disk.mounted()) GTEST_SKIP() << "tmpfs cannot be mounted here";
    fixtures::WriteFile(dir_ + "-disk/MOVI0001.AVI", "the earlier copy");
    disk.Fill();
    views.checked = {0};
    const FileOpResult r = cat.CopyChecked(dir_ + "-disk", [](const std::string&) { return true; });
    EXPECT_EQ(r.failed, 1);
    EXPECT_EQ(r.firstError, ENOSPC);
    EXPECT_EQ(fs::path(r.firstFailedPath).lexically_normal(), fs::path(dir_ + "/MOVI0001.AVI"));
    EXPECT_EQ(fixtures::ReadFile(dir_ + "-disk/MOVI0001.AVI"), "the earlier copy");
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_ + "-disk"))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_THAT(names, ElementsAre("MOVI0001.AVI", "filler"));
}

TEST_F(FileOps, SafeStepsOnTheirOwn) {
    // MakeFolderPath: every level, 1 when the last one was made now.
    EXPECT_EQ(MakeFolderPath(dir_ + "/a/b/c"), 1);
    EXPECT_TRUE(fs::is_directory(dir_ + "/a/b/c"));
    EXPECT_EQ(MakeFolderPath(dir_ + "/a/b/c/"), 0);
    // RenameNoReplace refuses an existing target.
    const std::string a = Write("a.txt", "A"), b = Write("b.txt", "B");
    EXPECT_FALSE(RenameNoReplace(a, b));
    EXPECT_EQ(fixtures::ReadFile(b), "B");
    EXPECT_TRUE(RenameNoReplace(a, dir_ + "/c.txt"));
    EXPECT_FALSE(fs::exists(a));
    // CopyFileSafely without overwrite keeps an existing target, keeps mode and content otherwise.
    ::chmod(b.c_str(), 0440);
    EXPECT_EQ(CopyFileSafely(dir_ + "/c.txt", b, false), CopyOutcome::Failed);
    EXPECT_EQ(fixtures::ReadFile(b), "B");
    EXPECT_EQ(CopyFileSafely(b, dir_ + "/d.txt", false), CopyOutcome::Copied);
    EXPECT_EQ(fs::status(dir_ + "/d.txt").permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(CopyFileSafely(b, b, true), CopyOutcome::SameFile);
    EXPECT_EQ(CopyFileSafely(dir_ + "/missing", dir_ + "/e.txt", true), CopyOutcome::Failed);
    EXPECT_FALSE(fs::exists(dir_ + "/e.txt"));
}
