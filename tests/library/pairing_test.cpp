// Front and rear recordings of two-camera recorders: one catalogue entry per pair, and file operations
// that act on both files, on real files laid out the way recorders lay them out.

#include <sys/mount.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include <gmock/gmock.h>

#include "library/recordingcatalogue.h"
#include "recordingviews.h"
#include "testrecordings.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace fs = std::filesystem;

namespace {

struct CardFile {
    std::string path;  // below the card
    int second = 0;    // start, seconds after 12:00:00
    bool readOnly = false;
};

// Every regular file below root, "relative/path" with " ro" when it is read-only, sorted.
std::vector<std::string> Snapshot(const std::string& root) {
    std::vector<std::string> out;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_regular_file()) continue;
        struct stat st {};
        ::stat(it->path().c_str(), &st);
        out.push_back(fs::relative(it->path(), root).string() + ((st.st_mode & S_IWUSR) ? "" : " ro"));
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::string Unmarked(std::string path) {
    const std::size_t name = path.find_last_of('/') + 1;
    if (path.size() > name + 3 && path[name + 3] == 'G') path[name + 3] = '_';
    return path;
}

class Pairing : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        card = dir_ + "/card";
        out = dir_ + "/out";
    }
    // Lays the files out afresh (each with bytes of its own) and opens the card as a folder.
    void Open(const std::vector<CardFile>& files) {
        fs::remove_all(card);
        fs::remove_all(out);
        bytes.clear();
        int n = 0;
        for (const CardFile& f : files) {
            testrec::Track t;
            t.minute = f.second / 60;
            t.second = f.second % 60;
            const std::size_t movie = 64 + static_cast<std::size_t>(n++);
            const bool box = f.path.find(".AVI") == std::string::npos;
            bytes[f.path] = box ? testrec::Mov(t, movie) : testrec::Avi(t, movie);
            Write("card/" + f.path, bytes[f.path]);
            if (f.readOnly) ::chmod((card + "/" + f.path).c_str(), 0444);
        }
        bytes["NOTE.TXT"] = "not a recording";
        Write("card/NOTE.TXT", bytes["NOTE.TXT"]);
        cat.Init(&views, &views.files, &views, &views, &views);
        ASSERT_EQ(cat.OpenSource(card, ""), 1);
    }
    // "G<group>-<index> sub/name [+ rearSub/rearName] f<row flags>", in row order.
    std::vector<std::string> Listing() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < cat.Rows().size(); ++i) {
            const FileRow& row = cat.Rows()[i];
            const VideoFileInfo& r = cat.GetRecording(row.recordingIndex);
            std::string s = "G" + std::to_string(row.groupNumber) + "-" + std::to_string(row.indexInGroup) +
                            " " + r.subFolder + r.name;
            if (r.rear.Present()) s += " + " + r.rear.subFolder + r.rear.name;
            const std::string& shown = views.files.rows.at(i);
            out.push_back(s + shown.substr(shown.rfind(' ')));
        }
        return out;
    }
    // Every file on the card still holds the bytes it was written with (under its unmarked name after an
    // unlock).
    void ExpectCardBytesKept() {
        for (const std::string& entry : Snapshot(card)) {
            const std::string path = entry.substr(0, entry.find(' '));
            const std::string now = fixtures::ReadFile(card + "/" + path);
            const auto it = std::find_if(bytes.begin(), bytes.end(), [&](const auto& b) {
                return b.second == now && (b.first == path || Unmarked(b.first) == path);
            });
            EXPECT_NE(it, bytes.end()) << path;
        }
    }
    std::string card, out;
    std::map<std::string, std::string> bytes;
    RecordingViews views;
    RecordingCatalogue cat;
};

}  // namespace

TEST_F(Pairing, CardLayouts) {
    struct Layout {
        const char* what;
        std::vector<CardFile> files;
        std::vector<std::string> listed;
        int tick;  // the group ticked for the three operations
        std::vector<std::string> afterDelete, afterUnlock, savedAs;
    } layouts[] = {
        {"same folder",
         {{"Movie/FILE0001F.AVI", 0},
          {"Movie/FILE0001R.AVI", 0},
          {"Movie/FILE0002F.AVI", 60},
          {"Movie/FILE0002R.AVI", 60}},
         {"G0-0 Movie/FILE0001F.AVI + Movie/FILE0001R.AVI f0",
          "G0-1 Movie/FILE0002F.AVI + Movie/FILE0002R.AVI f0"},
         0,
         {"NOTE.TXT"},
         {"Movie/FILE0001F.AVI", "Movie/FILE0001R.AVI", "Movie/FILE0002F.AVI", "Movie/FILE0002R.AVI",
          "NOTE.TXT"},
         {"Movie/FILE0001F.AVI", "Movie/FILE0001R.AVI", "Movie/FILE0002F.AVI", "Movie/FILE0002R.AVI"}},
        {"sibling folders",
         {{"MovieF/MOVI0005F.AVI", 0},
          {"MovieR/MOVI0005R.AVI", 0},
          {"MovieF/MOVI0006F.AVI", 300},
          {"MovieR/MOVI0006R.AVI", 300, true}},
         {"G0-0 MovieF/MOVI0005F.AVI + MovieR/MOVI0005R.AVI f0",
          "G1-0 MovieF/MOVI0006F.AVI + MovieR/MOVI0006R.AVI f2"},
         1,
         {"MovieF/MOVI0005F.AVI", "MovieR/MOVI0005R.AVI", "NOTE.TXT"},
         {"MovieF/MOVI0005F.AVI", "MovieF/MOVI0006F.AVI", "MovieR/MOVI0005R.AVI", "MovieR/MOVI0006R.AVI",
          "NOTE.TXT"},
         {"MovieF/MOVI0006F.AVI", "MovieR/MOVI0006R.AVI ro"}},
        {"fronts only",
         {{"Movie/FILE0001F.AVI", 0}, {"Movie/FILE0002F.AVI", 60}},
         {"G0-0 Movie/FILE0001F.AVI f0", "G0-1 Movie/FILE0002F.AVI f0"},
         0,
         {"NOTE.TXT"},
         {"Movie/FILE0001F.AVI", "Movie/FILE0002F.AVI", "NOTE.TXT"},
         {"Movie/FILE0001F.AVI", "Movie/FILE0002F.AVI"}},
        // Nothing on the card is hidden: a rear without its front is a recording of its own.
        {"rears only",
         {{"MovieR/MOVI0005R.AVI", 0}, {"Movie/FILE0006R.AVI", 60}},
         {"G0-0 MovieR/MOVI0005R.AVI f0", "G0-1 Movie/FILE0006R.AVI f0"},
         0,
         {"NOTE.TXT"},
         {"Movie/FILE0006R.AVI", "MovieR/MOVI0005R.AVI", "NOTE.TXT"},
         {"Movie/FILE0006R.AVI", "MovieR/MOVI0005R.AVI"}},
        // The row's icon shows the rear's read-only state too; unlock frees and renames both.
        {"locked pair",
         {{"Movie/FILG0003F.AVI", 0}, {"Movie/FILG0003R.AVI", 0, true}},
         {"G0-0 Movie/FILG0003F.AVI + Movie/FILG0003R.AVI f3"},
         0,
         {"NOTE.TXT"},
         {"Movie/FIL_0003F.AVI", "Movie/FIL_0003R.AVI", "NOTE.TXT"},
         {"Movie/FILG0003F.AVI", "Movie/FILG0003R.AVI ro"}},
        // Only the one letter differs between a front and its rear.
        {"rear with another extension case",
         {{"Clip/CLIP0007F.MOV", 0}, {"Clip/CLIP0007R.mov", 10}},
         {"G0-0 Clip/CLIP0007F.MOV f0", "G1-0 Clip/CLIP0007R.mov f0"},
         0,
         {"Clip/CLIP0007R.mov", "NOTE.TXT"},
         {"Clip/CLIP0007F.MOV", "Clip/CLIP0007R.mov", "NOTE.TXT"},
         {"Clip/CLIP0007F.MOV"}},
        // A third camera's file would find the same rear: the front camera's file keeps it.
        {"three cameras",
         {{"Movie/FILE0001I.AVI", 10}, {"Movie/FILE0001R.AVI", 0}, {"Movie/FILE0001F.AVI", 0}},
         {"G0-0 Movie/FILE0001F.AVI + Movie/FILE0001R.AVI f0", "G1-0 Movie/FILE0001I.AVI f0"},
         1,
         {"Movie/FILE0001F.AVI", "Movie/FILE0001R.AVI", "NOTE.TXT"},
         {"Movie/FILE0001F.AVI", "Movie/FILE0001I.AVI", "Movie/FILE0001R.AVI", "NOTE.TXT"},
         {"Movie/FILE0001I.AVI"}},
    };
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.what);
        Open(l.files);
        EXPECT_THAT(Listing(), ElementsAreArray(l.listed));
        views.checked = {l.tick};
        EXPECT_EQ(cat.DeleteChecked().result, 1);
        EXPECT_THAT(Snapshot(card), ElementsAreArray(l.afterDelete));
        ExpectCardBytesKept();

        Open(l.files);
        views.checked = {l.tick};
        EXPECT_EQ(cat.UnlockChecked().failed, 0);
        EXPECT_THAT(Snapshot(card), ElementsAreArray(l.afterUnlock));
        ExpectCardBytesKept();

        Open(l.files);
        const std::vector<std::string> before = Snapshot(card);
        views.checked = {l.tick};
        EXPECT_EQ(cat.CopyChecked(out, nullptr).failed, 0);
        EXPECT_THAT(Snapshot(out), ElementsAreArray(l.savedAs));
        for (const std::string& entry : Snapshot(out)) {
            const std::string path = entry.substr(0, entry.find(' '));
            EXPECT_EQ(fixtures::ReadFile(out + "/" + path), bytes[path]) << path;
        }
        EXPECT_EQ(Snapshot(card), before);
        ExpectCardBytesKept();
    }
}

TEST_F(Pairing, UnlockKeepsThePairTogetherWhenTheRearCannotTakeItsNewName) {
    Open({{"Movie/FILG0003F.AVI", 0}, {"Movie/FILG0003R.AVI", 0}, {"Movie/FIL_0003R.AVI", 300}});
    ASSERT_THAT(Listing(), ElementsAre("G0-0 Movie/FILG0003F.AVI + Movie/FILG0003R.AVI f1",
                                       "G1-0 Movie/FIL_0003R.AVI f0"));
    views.checked = {0};
    const FileOpResult r = cat.UnlockChecked();
    // The front's new name would have paired it with another rear: it gets its old name back.
    EXPECT_EQ(r.failed, 2);
    EXPECT_THAT(Snapshot(card),
                ElementsAre("Movie/FILG0003F.AVI", "Movie/FILG0003R.AVI", "Movie/FIL_0003R.AVI", "NOTE.TXT"));
    ExpectCardBytesKept();
    EXPECT_EQ(cat.GetRecording(0).name, "FILG0003F.AVI");
    EXPECT_EQ(cat.GetRecording(0).flags, recording_flags::kMarkedG);
}

TEST_F(Pairing, AFailureOnEitherFileOfAPairKeepsWhatIsLeft) {
    const std::vector<CardFile> files = {{"MovieF/MOVI0005F.AVI", 0}, {"MovieR/MOVI0005R.AVI", 0}};
    // One of the two folders mounted read-only over itself: unlink fails there even for root.
    for (const char* stuck : {"MovieR", "MovieF"}) {
        SCOPED_TRACE(stuck);
        Open(files);
        const std::string folder = card + "/" + stuck;
        if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0) {
            GTEST_SKIP() << "bind mounts are not permitted here";
        }
        const bool ro =
            ::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        views.checked = {0};
        const FileOpResult r = ro ? cat.DeleteChecked() : FileOpResult{};
        ::umount2(folder.c_str(), MNT_DETACH);
        ASSERT_TRUE(ro);
        EXPECT_EQ(r.done, 1);
        EXPECT_EQ(r.failed, 1);
        ASSERT_EQ(cat.GetCount(), 1);
        const VideoFileInfo& left = cat.GetRecording(0);
        EXPECT_FALSE(left.rear.Present());
        EXPECT_EQ(left.subFolder + left.name,
                  std::string(stuck) + (stuck[5] == 'R' ? "/MOVI0005R.AVI" : "/MOVI0005F.AVI"));
        // What is left is a recording with its own facts, read from its own file.
        EXPECT_EQ(left.startTime, testrec::Local(12, 0, 0));
        EXPECT_EQ(left.fileSize, bytes[left.subFolder + left.name].size());
        EXPECT_EQ(views.files.rows.size(), 1u);
    }
}

TEST_F(Pairing, SaveAsAsksForEachFileAndCountsFiles) {
    Open({{"Movie/FILE0001F.AVI", 0}, {"Movie/FILE0001R.AVI", 0}});
    views.checked = {0};
    ASSERT_EQ(cat.CopyChecked(out, nullptr).done, 2);
    fixtures::WriteFile(out + "/Movie/FILE0001F.AVI", "kept");
    std::vector<std::string> asked;
    views.log.clear();
    const FileOpResult r = cat.CopyChecked(out, [&](const std::string& target) {
        asked.push_back(fs::relative(target, out).string());
        return asked.size() == 2;  // Cancel for the front, OK for the rear
    });
    EXPECT_THAT(asked, ElementsAre("Movie/FILE0001F.AVI", "Movie/FILE0001R.AVI"));
    EXPECT_EQ(r.done, 1);
    EXPECT_EQ(r.skipped, 1);
    EXPECT_EQ(fixtures::ReadFile(out + "/Movie/FILE0001F.AVI"), "kept");
    EXPECT_THAT(views.Calls("progress"),
                ElementsAre("progress(0,1)", "progress(50,1)", "progress(100,1)", "progress(0,0)"));
}

TEST_F(Pairing, ASingleFileOpenedAloneFindsItsRearBesideTheOpenedFolder) {
    struct Case {
        std::string file;
        std::string rear;                // below the card; empty: none
        std::vector<std::string> saved;  // below the destination
    } cases[] = {
        {"MovieF/MOVI0005F.AVI", "MovieR/MOVI0005R.AVI", {"MOVI0005F.AVI", "MOVI0005R.AVI"}},
        {"Movie/FILE0001F.AVI", "Movie/FILE0001R.AVI", {"FILE0001F.AVI", "FILE0001R.AVI"}},
        {"MovieR/MOVI0005R.AVI", "", {"MOVI0005R.AVI"}},
        // A front whose name ends in 'R' itself: its rear must not land on its copy.
        {"MovieF/ABCD0001R.AVI", "MovieR/ABCD0001R.AVI", {"ABCD0001R.AVI", "MovieR/ABCD0001R.AVI"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Open({{"MovieF/MOVI0005F.AVI", 0},
              {"MovieR/MOVI0005R.AVI", 0},
              {"Movie/FILE0001F.AVI", 0},
              {"Movie/FILE0001R.AVI", 0},
              {"MovieF/ABCD0001R.AVI", 0},
              {"MovieR/ABCD0001R.AVI", 0}});
        const fs::path p(card + "/" + c.file);
        ASSERT_EQ(cat.OpenSource(p.parent_path().string(), p.filename().string()), 1);
        ASSERT_EQ(cat.GetCount(), 1);
        const VideoFileInfo& r = cat.GetRecording(0);
        EXPECT_EQ(r.rear.Present() ? fs::relative(r.rear.FullPath(), card).string() : "", c.rear);
        views.checked = {0};
        EXPECT_EQ(cat.CopyChecked(out, nullptr).done, static_cast<int>(c.saved.size()));
        EXPECT_THAT(Snapshot(out), ElementsAreArray(c.saved));
        EXPECT_EQ(fixtures::ReadFile(out + "/" + c.saved[0]), bytes[c.file]);
        if (!c.rear.empty()) {
            EXPECT_EQ(fixtures::ReadFile(out + "/" + c.saved[1]), bytes[c.rear]);
        }
    }
}
