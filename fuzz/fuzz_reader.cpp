// One reader fed arbitrary bytes as a file. The file name (and with it the reader) is fixed per target.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "telemetry/zovvideoparser.h"

namespace {

const std::string& InputPath() {
    static const std::string path = "/dev/shm/orvan-fuzz-" + std::to_string(getpid()) + "/" ORVAN_FUZZ_NAME;
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const std::string& path = InputPath();
    ::mkdir(path.substr(0, path.rfind('/')).c_str(), 0700);
    // The run's input file lives in memory: it goes with the run.
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(InputPath().substr(0, InputPath().rfind('/')), ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = InputPath();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return 0;
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    VideoFileInfo info;
    FileStatus status;
    auto reader = ChooseReader(ORVAN_FUZZ_NAME);
    reader->SetTarget(&info);
    reader->SetFileStatus(&status);
    const int rc = reader->Parse(path);
    if (rc != 0 && rc != -1) __builtin_trap();
    if (rc == 0 && info.fileSize != size) __builtin_trap();
    return 0;
}
