// File operations against the kernel's answers on the file systems a memory card has, which this machine
// cannot mount: chmod and copy_file_range are taken over in this test program (a definition in the
// executable wins over the C library's for every call the program makes), and act as vfat and as a card
// pulled in the middle of a copy would.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "bytes.h"
#include "library/fileoperations.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

// vfat mounted with this fmask decides mode changes, when set.
int fatMask = -1;
// A file the next copy_file_range call cuts to half its size before it copies, when set.
std::string shrinkOnCopy;

}  // namespace

// vfat keeps one read-only flag: of the write bits the mask allows, all or none (fat_sanitize_mode_change).
extern "C" int chmod(const char* path, mode_t mode) {
    if (fatMask >= 0) {
        const mode_t allowed = S_IWUSR | S_IWGRP | S_IWOTH;
        const mode_t perm = mode & ~static_cast<mode_t>(fatMask) & 07777;
        if ((perm & allowed) != 0 && (perm & allowed) != (allowed & ~static_cast<mode_t>(fatMask))) {
            errno = EPERM;
            return -1;
        }
        mode = perm;
    }
    return static_cast<int>(::syscall(SYS_fchmodat, AT_FDCWD, path, mode));
}

extern "C" ssize_t copy_file_range(int in, loff_t* inOffset, int out, loff_t* outOffset, size_t length,
                                   unsigned flags) {
    if (!shrinkOnCopy.empty()) {
        struct stat st {};
        ::stat(shrinkOnCopy.c_str(), &st);
        ::truncate(shrinkOnCopy.c_str(), st.st_size / 2);
        shrinkOnCopy.clear();
    }
    return ::syscall(SYS_copy_file_range, in, inOffset, out, outOffset, length, flags);
}

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(FatCard, UnlockTakesEveryWriteBitTheMountAllowsWhenTheOwnersAloneIsRefused) {
    TempDir dir;
    const std::string file = dir / "MOVI0001.AVI";
    fixtures::WriteFile(file, "recording");
    struct Case {
        int mask;       // the mount's fmask
        mode_t locked;  // how a read-only file shows under it
        mode_t unlocked;
    } cases[] = {
        {0000, 0555, 0777},  // umask=000: the owner's bit alone is refused
        {0002, 0555, 0775},  // fmask=0002: owner and group
        {0022, 0555, 0755},  // the default mask: the owner's bit is all there is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        fatMask = -1;
        ASSERT_EQ(::chmod(file.c_str(), c.locked), 0);
        fatMask = c.mask;
        EXPECT_TRUE(ClearReadOnly(file));
        EXPECT_EQ(ModeOf(file), c.unlocked);
    }
    fatMask = -1;
}

TEST(PulledCard, ASourceCutShortDuringTheCopyLeavesTheTargetAsItWas) {
    TempDir dir;
    const std::string source = dir / "MOVI0001.AVI";
    const std::string target = dir / "out/MOVI0001.AVI";
    fixtures::WriteFile(source, std::string(3 << 20, 'v'));
    fs::create_directories(dir / "out");
    fixtures::WriteFile(target, "the earlier copy");
    shrinkOnCopy = source;
    EXPECT_EQ(CopyFileSafely(source, target, true), CopyOutcome::Failed);
    EXPECT_TRUE(shrinkOnCopy.empty()) << "the copy went through copy_file_range";
    EXPECT_EQ(fixtures::ReadFile(target), "the earlier copy");
    // Nothing else is left in the folder: no temporary under any name.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir / "out")) ++entries;
    EXPECT_EQ(entries, 1);
}

}  // namespace
