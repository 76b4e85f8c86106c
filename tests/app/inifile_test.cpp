#include <fcntl.h>
#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "app/inifile.h"
#include "bytes.h"
#include "procio.h"
#include "tempdir.h"

using fixtures::ReadFile;
using fixtures::WriteFile;

namespace {

std::string Set(std::string_view text, std::string_view section, std::string_view key,
                std::string_view value) {
    const IniFile::Entry e{key, value};
    return IniFile::SetValues(text, section, std::span(&e, 1)).value_or("<refused>");
}

std::size_t FilesIn(const std::string& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++n;
    return n;
}

}  // namespace

TEST(IniInt, ProfileIntegerRule) {
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"", 77},
        {"5", 5},
        {"-3", -3},
        {"+7", 7},
        {"12abc", 12},
        {"abc", 0},
        {"0x10", 0},
        {" 42 ", 42},
        {"-", 0},
        {"+-1", 0},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"99999999999999999999", INT_MAX},
        {"-99999999999", INT_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(IniFile::ParseInt(c.text, 77), c.expected) << '"' << c.text << '"';
}

TEST(IniRead, ProfileLookupRules) {
    const std::string text =
        "\xEF\xBB\xBF"
        "stray=outside\n"
        "; a comment =\n"
        "[ ui ]\r\n"
        "  LangId = GER  \r\n"
        "Path=a=b=c\n"
        "Empty=\n"
        "Quoted=\"  padded \"\n"
        "Half=\"open\n"
        "Dup=first\n"
        "dup=second\n"
        "[Other]\n"
        "map=9\n"
        "[UI]\n"
        "map=1\n"
        "Late=in the second UI section\n"
        "[WINPOS]\n"
        "LEFT=12";  // no final line break
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    } cases[] = {
        {"UI", "LANGID", "GER"},
        {"ui", "langid", "GER"},
        {"UI", "Path", "a=b=c"},
        {"UI", "Empty", ""},
        {"UI", "Quoted", "  padded "},
        {"UI", "Half", "\"open"},
        {"UI", "DUP", "first"},
        {"UI", "map", std::nullopt},  // only the first UI section counts
        {"UI", "Late", std::nullopt},
        {"Other", "MAP", "9"},
        {"WINPOS", "LEFT", "12"},
        {"UI", "stray", std::nullopt},  // before any section
        {"UI", "; a comment", std::nullopt},
        {"Missing", "LEFT", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IniFile::FindValue(text, c.section, c.key), c.expected) << c.section << "/" << c.key;
}

TEST(IniWrite, KeepsEverythingElseAndReplacesInPlace) {
    const std::string text =
        "; written by hand\n"
        "[UI]\n"
        "LANGID = GER ; not a comment, part of the value\n"
        "MAP=1\n"
        "\n"
        "; the window\n"
        "[WINPOS]\n"
        "LEFT=5\n";
    struct Case {
        const char* name;
        const char* section;
        const char* key;
        const char* value;
        std::string expected;
    } cases[] = {
        {"replace keeps spacing around the value", "ui", "langid", "POL",
         "; written by hand\n[UI]\nLANGID = POL\nMAP=1\n\n; the window\n[WINPOS]\nLEFT=5\n"},
        {"new key after the section's last entry", "UI", "Folder", "/media/card",
         "; written by hand\n[UI]\nLANGID = GER ; not a comment, part of the "
         "value\nMAP=1\nFolder=/media/card\n"
         "\n; the window\n[WINPOS]\nLEFT=5\n"},
        {"new key in the last section", "WINPOS", "TOP", "7",
         "; written by hand\n[UI]\nLANGID = GER ; not a comment, part of the value\nMAP=1\n\n; the window\n"
         "[WINPOS]\nLEFT=5\nTOP=7\n"},
        {"new section at the end", "EXTRA", "K", "v", text + "\n[EXTRA]\nK=v\n"},
        {"value kept exactly with quotes", "UI", "MAP", " x ",
         "; written by hand\n[UI]\nLANGID = GER ; not a comment, part of the value\nMAP=\" x \"\n\n; the "
         "window\n"
         "[WINPOS]\nLEFT=5\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Set(text, c.section, c.key, c.value), c.expected) << c.name;
}

TEST(IniWrite, LineEndsAndMissingBreaks) {
    EXPECT_EQ(Set("", "UI", "MAP", "1"), "[UI]\nMAP=1\n");
    EXPECT_EQ(Set("[UI]\r\nMAP=1\r\n", "UI", "GSNR_ENABLE", "0"), "[UI]\r\nMAP=1\r\nGSNR_ENABLE=0\r\n");
    EXPECT_EQ(Set("[UI]\r\nMAP=1\r\n", "WINPOS", "LEFT", "0"), "[UI]\r\nMAP=1\r\n\r\n[WINPOS]\r\nLEFT=0\r\n");
    EXPECT_EQ(Set("[UI]\nMAP=1", "UI", "X", "2"), "[UI]\nMAP=1\nX=2\n");
    EXPECT_EQ(Set("[UI]\nMAP=1", "UI", "MAP", "2"), "[UI]\nMAP=2");
    EXPECT_EQ(Set("[UI]", "UI", "MAP", "2"), "[UI]\nMAP=2\n");
    EXPECT_EQ(Set("x=1\r", "UI", "MAP", "2"), "x=1\r\n\n[UI]\nMAP=2\n");
    EXPECT_EQ(Set("[UI]\n[UI]\nMAP=0\n", "UI", "MAP", "2"), "[UI]\nMAP=2\n[UI]\nMAP=0\n");
}

TEST(IniWrite, ValuesRoundTripOrAreRefused) {
    for (const char* value :
         {"", "plain", " lead", "trail ", "\"quoted\"", "\"", "\"half", "a\"b", "ü 中文"}) {
        const std::string text = Set("[UI]\nOther=1\n", "UI", "Folder", value);
        EXPECT_EQ(IniFile::FindValue(text, "UI", "Folder"), value) << value;
        EXPECT_EQ(IniFile::FindValue(text, "UI", "Other"), "1");
    }
    for (const std::string& value : {std::string("a\nMAP=2"), std::string("a\rb"), std::string("a\0b", 3)}) {
        const IniFile::Entry e{"Folder", value};
        EXPECT_FALSE(IniFile::SetValues("[UI]\n", "UI", std::span(&e, 1)));
    }
}

TEST(IniRobustness, GarbageAndHugeLines) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 50; ++round) {
        std::string garbage(static_cast<std::size_t>(rng() % 4096), '\0');
        for (char& c : garbage) c = static_cast<char>(rng() % 8 == 0 ? "[]=\n\r;"[rng() % 6] : rng());
        (void)IniFile::FindValue(garbage, "UI", "MAP");
        const std::string written = Set(garbage, "UI", "MAP", "2");
        EXPECT_EQ(IniFile::FindValue(written, "UI", "MAP"), "2") << "round " << round;
    }
    const std::string huge = "[UI]\nJunk=" + std::string(8u << 20, 'x') + "\nMAP=1";
    EXPECT_EQ(IniFile::FindValue(huge, "UI", "MAP"), "1");
    EXPECT_EQ(IniFile::FindValue(Set(huge, "UI", "MAP", "2"), "UI", "Junk")->size(), 8u << 20);
}

TEST(IniFileText, AValueEndsAtItsFirstNul) {
    // The profile functions hand out C strings: "/card" must not pass an existence check as something else.
    using namespace std::string_literals;
    const std::string text = "[UI]\nFolder=/card\0/etc/other\nMAP=\"1 \0\"\n"s;
    EXPECT_EQ(IniFile::FindValue(text, "UI", "Folder"), "/card");
    EXPECT_EQ(IniFile::FindValue(text, "UI", "MAP"), "\"1");
}

TEST(IniFileOnDisk, WriteCreatesAndRewritesAtomically) {
    TempDir dir;
    const IniFile ini(dir / "Zov.ini");
    EXPECT_FALSE(ini.Read("UI", "MAP"));
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 3), 3);
    ASSERT_TRUE(ini.Write("UI", "MAP", "1"));
    EXPECT_EQ(ReadFile(ini.Path()), "[UI]\nMAP=1\n");
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 3), 1);

    const std::string foreign = "# other program\n[UI]\nMAP=1\n\n[Theirs]\nkey = value\n";
    WriteFile(ini.Path(), foreign);
    chmod(ini.Path().c_str(), 0640);
    const IniFile::Entry entries[] = {{"LEFT", "1"}, {"TOP", "2"}};
    ASSERT_TRUE(ini.Write("WINPOS", entries));
    EXPECT_EQ(ReadFile(ini.Path()), foreign + "\n[WINPOS]\nLEFT=1\nTOP=2\n");
    struct stat st {};
    ASSERT_EQ(stat(ini.Path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(FilesIn(dir.Path()), 1u) << "no temporary file left behind";
    EXPECT_EQ(ini.ReadString("UI", "missing", "ENG", 63), "ENG");
    EXPECT_EQ(ini.ReadString("Theirs", "KEY", "", 3), "val");
}

TEST(IniFileOnDisk, FollowsASymbolicLink) {
    TempDir dir;
    WriteFile(dir / "real.ini", "[UI]\nMAP=0\n");
    std::filesystem::create_symlink("real.ini", dir / "Zov.ini");
    ASSERT_TRUE(IniFile(dir / "Zov.ini").Write("UI", "MAP", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "Zov.ini"));
    EXPECT_EQ(ReadFile(dir / "real.ini"), "[UI]\nMAP=2\n");
}

TEST(IniFileOnDisk, NothingWrittenWithoutPermissionOrToAStrangeFile) {
    TempDir dir;
    // A read-only settings file stays as it is, even for root.
    const std::string readOnly = dir / "ro.ini";
    WriteFile(readOnly, "[UI]\nMAP=1\n");
    chmod(readOnly.c_str(), 0444);
    EXPECT_FALSE(IniFile(readOnly).Write("UI", "MAP", "2"));
    EXPECT_EQ(ReadFile(readOnly), "[UI]\nMAP=1\n");
    // A folder that does not exist, a directory where the file should be, a FIFO (reading must not block).
    EXPECT_FALSE(IniFile(dir / "missing/Zov.ini").Write("UI", "MAP", "2"));
    std::filesystem::create_directory(dir / "adir");
    EXPECT_FALSE(IniFile(dir / "adir").Write("UI", "MAP", "2"));
    EXPECT_FALSE(IniFile(dir / "adir").Read("UI", "MAP"));
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
    EXPECT_FALSE(IniFile(dir / "fifo").Read("UI", "MAP"));
    EXPECT_FALSE(IniFile(dir / "fifo").Write("UI", "MAP", "2"));
    std::filesystem::create_symlink("nowhere/x", dir / "dangling");
    EXPECT_FALSE(IniFile(dir / "dangling").Write("UI", "MAP", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "dangling"));
}

TEST(IniFileOnDisk, ReadOnlyFolder) {
    TempDir dir;
    const std::string folder = dir / "ro";
    std::filesystem::create_directory(folder);
    WriteFile(folder + "/Zov.ini", "[UI]\nMAP=1\n");
    struct Unmount {
        std::string path;
        ~Unmount() {
            if (!path.empty()) umount2(path.c_str(), MNT_DETACH);
        }
    } unmount;
    if (geteuid() == 0) {
        // Root writes anywhere a permission bit would stop others; only a read-only file system stops it.
        if (mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "cannot mount tmpfs";
        unmount.path = folder;
        WriteFile(folder + "/Zov.ini", "[UI]\nMAP=1\n");
        ASSERT_EQ(mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
    } else {
        // A folder we may not write still holds a file we may: that is rewritten in place.
        chmod(folder.c_str(), 0555);
    }
    const bool readOnlyFileSystem = !unmount.path.empty();
    EXPECT_EQ(IniFile(folder + "/Zov.ini").Write("UI", "MAP", "2"), !readOnlyFileSystem);
    EXPECT_FALSE(IniFile(folder + "/New.ini").Write("UI", "MAP", "2"));
    EXPECT_EQ(ReadFile(folder + "/Zov.ini"), readOnlyFileSystem ? "[UI]\nMAP=1\n" : "[UI]\nMAP=2\n");
    EXPECT_EQ(FilesIn(folder), 1u);
}

namespace {

// Runs f as an ordinary user (nobody) in a child process; its result, or nullopt when the child could not
// become that user.
std::optional<bool> AsOrdinaryUser(const std::function<bool()>& f) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0 ||
            setresuid(65534, 65534, 65534) != 0)
            _exit(2);
        _exit(f() ? 1 : 0);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
        return std::nullopt;
    return WEXITSTATUS(status) == 1;
}

}  // namespace

TEST(IniFileOnDisk, PermissionIsTheFilesOwnAsAnOrdinaryUser) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to hand files to another user";
    TempDir dir;
    chmod(dir.Path().c_str(), 0755);
    const std::string original = "[UI]\nMAP=1\n";
    struct Case {
        const char* what;
        mode_t folderMode;
        uid_t owner;
        mode_t fileMode;
        bool written;
    } cases[] = {
        // Root's file in a folder anyone may write: replacing it would take it over.
        {"root's 0644 file, open folder", 0777, 0, 0644, false},
        // A file anyone may write keeps its owner: written in place.
        {"root's 0666 file, open folder", 0777, 0, 0666, true},
        {"root's 0666 file, closed folder", 0755, 0, 0666, true},
        {"own 0644 file, closed folder", 0755, 65534, 0644, true},
        {"own 0644 file, own folder", 0700, 65534, 0644, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string folder = dir / std::to_string(n++);
        mkdir(folder.c_str(), 0700);
        const std::string path = folder + "/Zov.ini";
        WriteFile(path, original);
        ASSERT_EQ(chown(path.c_str(), c.owner, c.owner), 0);
        chmod(path.c_str(), c.fileMode);
        ASSERT_EQ(chown(folder.c_str(), c.folderMode == 0700 ? 65534 : 0, 0), 0);
        chmod(folder.c_str(), c.folderMode);
        const auto written = AsOrdinaryUser([&] { return IniFile(path).Write("UI", "MAP", "2"); });
        if (!written) GTEST_SKIP() << "cannot become an ordinary user here";
        EXPECT_EQ(*written, c.written) << c.what;
        EXPECT_EQ(ReadFile(path), c.written ? "[UI]\nMAP=2\n" : original) << c.what;
        struct stat st {};
        ASSERT_EQ(stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, c.owner) << c.what;
        EXPECT_EQ(st.st_mode & 07777, c.fileMode) << c.what;
        EXPECT_EQ(FilesIn(folder), 1u) << c.what;
    }
}

TEST(IniFileOnDisk, ManyShortLinesAreReadInOnePass) {
    // 16 MiB of line breaks before the section: a table of the lines cost a gigabyte per read.
    TempDir dir;
    const std::string path = dir / "Zov.ini";
    WriteFile(path, std::string((16u << 20) - 64, '\n') + "[UI]\nMAP=2\n");
    const long before = PeakResidentKiB();
    const IniFile ini(path);
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 0), 2);
    EXPECT_EQ(ini.ReadInt("UI", "LANGID", 7), 7);
    EXPECT_LT(PeakResidentKiB() - before, 3 * 16 * 1024) << "KiB beyond the file's own size";
}
