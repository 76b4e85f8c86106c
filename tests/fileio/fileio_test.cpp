#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "bytes.h"
#include "fileio/fileio.h"
#include "tempdir.h"

namespace fs = std::filesystem;
using fixtures::ReadFile;
using fixtures::WriteFile;

TEST(FileIo, OnlyRegularFilesOpenForReading) {
    TempDir dir;
    WriteFile(dir / "file", "0123456789");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    fs::create_symlink("file", dir / "link");
    struct stat st {};
    const fileio::UniqueFd fd = fileio::OpenForReading(dir / "link", &st);
    ASSERT_TRUE(fd);
    EXPECT_EQ(st.st_size, 10);
    char buf[8] = {};
    EXPECT_EQ(fileio::ReadAt(fd.Get(), 6, buf, sizeof buf), 4u);
    EXPECT_FALSE(fileio::ReadExactlyAt(fd.Get(), 6, buf, sizeof buf));
    EXPECT_TRUE(fileio::ReadExactlyAt(fd.Get(), 2, buf, 8));
    EXPECT_EQ(std::string(buf, 8), "23456789");
    EXPECT_EQ(fileio::ReadAt(fd.Get(), UINT64_MAX - 2, buf, sizeof buf), 0u);
    // A FIFO would block the open for good; a folder or a missing file is no file to read.
    for (const char* name : {"fifo", "folder", "missing"})
        EXPECT_FALSE(fileio::OpenForReading(dir / name)) << name;
}

TEST(FileIo, PathsJoinWithOneSeparator) {
    EXPECT_EQ(fileio::JoinPath("/card", "A.AVI"), "/card/A.AVI");
    EXPECT_EQ(fileio::JoinPath("/card/", "A.AVI"), "/card/A.AVI");
    EXPECT_EQ(fileio::JoinPath("", "A.AVI"), "A.AVI");
    EXPECT_EQ(fileio::JoinPath("/", "A.AVI"), "/A.AVI");
    EXPECT_EQ(fileio::FolderOf("/A.AVI"), "/");
    EXPECT_EQ(fileio::FolderOf("A.AVI"), ".");
    EXPECT_EQ(fileio::NameOf("/card/A.AVI"), "A.AVI");
}

TEST(FileIo, AtomicFileAppearsWholeOrNotAtAll) {
    TempDir dir;
    const std::string target = dir / std::string(255, 'n');  // the longest legal name
    {
        fileio::AtomicFile f(target);
        ASSERT_TRUE(f.IsOpen());
        EXPECT_LT(fileio::NameOf(f.TempPath()).size(), 32u);
        f.Write("never committed");
    }
    EXPECT_TRUE(fs::is_empty(dir.Path())) << "a dropped file leaves nothing";

    WriteFile(target, "old");
    {
        fileio::AtomicFile f(target);
        f.Write("new");
        f.MarkFailed();
        EXPECT_FALSE(f.Commit());
    }
    EXPECT_EQ(ReadFile(target), "old");
    fileio::AtomicFile keep(target);
    keep.Write("new");
    EXPECT_FALSE(keep.Commit(fileio::AtomicFile::Replace::No));
    EXPECT_EQ(ReadFile(target), "old");
    fileio::AtomicFile replace(target);
    replace.Write("new");
    EXPECT_TRUE(replace.Commit());
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(FileIo, AtomicFileRemovesTheTemporaryOfAKilledWriterButNotOfALiveOne) {
    TempDir dir;
    const std::string target = dir / "ROUTE.KML";
    const std::string abandoned = dir / fileio::TempNameFor(target);
    WriteFile(abandoned, "left by a killed export");
    fileio::AtomicFile live(target);
    ASSERT_TRUE(live.IsOpen());
    EXPECT_EQ(live.TempPath(), abandoned);
    // A second writer of the same target while the first is alive takes another name.
    fileio::AtomicFile second(target);
    ASSERT_TRUE(second.IsOpen());
    EXPECT_NE(second.TempPath(), live.TempPath());
    second.Write("second");
    EXPECT_TRUE(second.Commit());
    live.Write("first");
    EXPECT_TRUE(live.Commit());
    EXPECT_EQ(ReadFile(target), "first");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(FileIo, AtomicFileNeverReplacesAFifoOrAFolder) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    for (const char* name : {"fifo", "folder"}) {
        fileio::AtomicFile f(dir / name);
        f.Write("x");
        EXPECT_FALSE(f.Commit()) << name;
    }
    EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
}
