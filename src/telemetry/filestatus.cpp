#include "telemetry/filestatus.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace {

std::optional<FileStatus> FromStatx(int dirfd, const char* path, int flags, const std::string& fullPath) {
    struct statx sx {};
    if (statx(dirfd, path, flags, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) return std::nullopt;
    FileStatus st;
    st.modificationTime = sx.stx_mtime.tv_sec;
    st.accessTime = sx.stx_atime.tv_sec;
    st.creationTime =
        (sx.stx_mask & STATX_BTIME) ? static_cast<TimeValue>(sx.stx_btime.tv_sec) : st.modificationTime;
    st.size = sx.stx_size;
    st.attributes = (sx.stx_mode & S_IWUSR) ? 0 : 1;
    st.path = fullPath;
    return st;
}

}  // namespace

std::optional<FileStatus> ReadFileStatus(const std::string& path) {
    return FromStatx(AT_FDCWD, path.c_str(), 0, path);
}

std::optional<FileStatus> ReadFileStatus(int fd, const std::string& path) {
    return FromStatx(fd, "", AT_EMPTY_PATH, path);
}
