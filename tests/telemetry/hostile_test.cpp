// Inputs a damaged card or an attacker can put in front of the readers: they must end quickly, with a
// defined result, and without asking for memory the file cannot back.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "procio.h"
#include "synthetic.h"
#include "telemetry/readrecording.h"
#include "testfiles.h"

using namespace fixtures;

namespace {

struct Outcome {
    int rc = 0;
    long grownKiB = 0;  // peak memory added by the read
    bool exited = false;
};

// Reads path in a child process, so a failure to bound memory cannot take the test run down and the peak
// is the read's own.
Outcome ReadInChild(const std::string& path) {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        // Room for what the unchecked demuxer takes for the first case below (1.9 GB, so the growth shows),
        // and a cap on what a broken check could cost the machine.
        const rlimit limit{4ul << 30, 4ul << 30};
        ::setrlimit(RLIMIT_AS, &limit);
        const long before = PeakResidentKiB();
        VideoFileInfo info;
        auto reader = ChooseReader(path.substr(path.rfind('/') + 1));
        reader->SetTarget(&info);
        Outcome out;
        out.rc = reader->Parse(path);
        out.grownKiB = PeakResidentKiB() - before;
        out.exited = true;
        (void)!::write(fds[1], &out, sizeof out);
        ::_exit(0);
    }
    ::close(fds[1]);
    Outcome out;
    if (::read(fds[0], &out, sizeof out) != sizeof out) out = {};
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return out;
}

}  // namespace

class Hostile : public TempDirTest {};

TEST_F(Hostile, AFifoInPlaceOfARecordingIsRefusedAtOnce) {
    // Replaced between the folder listing and the read: opening it for reading would wait for a writer
    // forever.
    for (const char* name : {"MOVI0001.AVI", "FILE0001.mp4", "FILE0001.MOV"}) {
        const std::string path = dir_ + "/" + name;
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        VideoFileInfo info;
        FileStatus status;
        auto reader = ChooseReader(name);
        reader->SetTarget(&info);
        reader->SetFileStatus(&status);
        EXPECT_EQ(reader->Parse(path), -1) << name;
        EXPECT_EQ(ReadSingleRecording(dir_, name).parseResult, -1) << name;
    }
}

TEST_F(Hostile, Mp4SampleTablesThatCannotFitTheFileAreRefusedCheaply) {
    // Each file is a few hundred bytes to a few kilobytes. Unchecked, the demuxer builds an index from the
    // declared counts: 1.9 GB for the first.
    struct Case {
        const char* what;
        DeclaredSamples d;
    };
    const Case cases[] = {
        {"80 million one-byte samples", {}},
        {"a size table the box cannot hold", {.sampleSize = 0, .tableCount = 80000000}},
        {"two tracks with an edit list", {.tracks = 2, .edits = 200}},
        {"sound read in pieces", {.samples = 0xfffff000u, .sampleDelta = 1, .sound = true}},
        {"more tracks than a recording has", {.samples = 10, .tracks = 17, .mdatBytes = 100}},
        {"more samples in all than the file holds", {.samples = 40000, .tracks = 2, .mdatBytes = 40000}},
    };
    for (const Case& c : cases) {
        const std::string path = Write("FILE0001.mp4", DeclaredSamplesMp4(c.d));
        const Outcome out = ReadInChild(path);
        ASSERT_TRUE(out.exited) << c.what;
        EXPECT_EQ(out.rc, -1) << c.what;
        EXPECT_LT(out.grownKiB, 16 * 1024) << c.what;
    }
    // Tables that do fit are left to the demuxer.
    const DeclaredSamples fits{.samples = 1000, .edits = 2, .mdatBytes = 1000};
    const Outcome ok = ReadInChild(Write("FILE0002.mp4", DeclaredSamplesMp4(fits)));
    ASSERT_TRUE(ok.exited);
    EXPECT_EQ(ok.rc, 0);
}

TEST_F(Hostile, AFileOfAnEmptyFolderIsReadFromTheRootNotTheWorkingFolder) {
    // "/NAME" split at its last '/' gives an empty folder. The catalogue's path for it is "//NAME": the
    // facts must come from that file, which is the one playback and Unlock use.
    const std::string name = "MOVI" + std::to_string(::getpid() % 10000 + 10000).substr(1) + ".AVI";
    Write(name, AviFile(AviHdrl(33333, 1800, 1920, 1080) + AviMovi("0000")));
    const std::string previous = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    const SingleRead r = ReadSingleRecording("", name);
    std::filesystem::current_path(previous);
    EXPECT_EQ(r.info.FullPath(), "//" + name);
    EXPECT_EQ(r.parseResult, std::filesystem::exists("/" + name) ? 0 : -1);
}
