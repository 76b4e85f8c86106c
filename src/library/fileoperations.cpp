#include "library/fileoperations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

// Copies the whole of in to out, counting the bytes in copied; false on any read or write error.
bool CopyContents(int in, int out, std::uint64_t size, std::uint64_t& copied) {
    std::uint64_t& done = copied;
    done = 0;
    // copy_file_range lets the file system share or offload the copy; fall back to plain reads and writes
    // where it refuses (across file systems on older kernels, some FUSE drivers).
    while (done < size) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size - done, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::uint64_t>(n);
    }
    if (done == size) {
        // The source may have grown since fstat; copy the rest too.
        char probe;
        if (fileio::ReadAt(in, done, &probe, 1) == 0) return true;
    }
    if (::lseek(in, static_cast<off_t>(done), SEEK_SET) < 0 ||
        ::lseek(out, static_cast<off_t>(done), SEEK_SET) < 0)
        return false;
    static constexpr std::size_t kChunk = 1 << 20;
    std::string buf(kChunk, '\0');
    for (;;) {
        const ssize_t n = ::read(in, buf.data(), buf.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        if (!fileio::WriteAll(out, buf.data(), static_cast<std::size_t>(n))) return false;
        done += static_cast<std::uint64_t>(n);
    }
}

}  // namespace

int MakeFolderPath(const std::string& pathIn) {
    const std::string path = !pathIn.empty() && pathIn.back() == '/' ? pathIn : pathIn + "/";
    int last = -1;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] != '/' || i == 0) continue;
        last = ::mkdir(path.substr(0, i).c_str(), 0777);
    }
    return last == 0 ? 1 : 0;
}

bool ClearReadOnly(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (st.st_mode & S_IWUSR) return true;
    const mode_t mode = st.st_mode & 07777;
    if (::chmod(path.c_str(), mode | S_IWUSR) == 0) return true;
    return errno == EPERM && ::chmod(path.c_str(), mode | S_IWUSR | S_IWGRP | S_IWOTH) == 0;
}

bool DeleteClearingReadOnly(const std::string& path) {
    struct stat st {};
    const bool known = ::lstat(path.c_str(), &st) == 0;
    // A link is removed as itself: the file it points to keeps its mode.
    if (known && S_ISREG(st.st_mode)) ClearReadOnly(path);
    if (::unlink(path.c_str()) == 0) return true;
    if (known && S_ISREG(st.st_mode)) ::chmod(path.c_str(), st.st_mode & 07777);
    return false;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

CopyOutcome CopyFileSafely(const std::string& source, const std::string& target, bool overwrite) {
    if (SameFile(source, target)) return CopyOutcome::SameFile;
    struct stat st {};
    const fileio::UniqueFd in = fileio::OpenForReading(source, &st);
    if (!in) return CopyOutcome::Failed;
    fileio::AtomicFile out(target);
    if (!out.IsOpen()) return CopyOutcome::Failed;
    const auto size = static_cast<std::uint64_t>(st.st_size);
    std::uint64_t copied = 0;
    bool ok = CopyContents(in.Get(), out.Fd(), size, copied);
    // A source cut short while it was copied (a card pulled, a recorder still writing over it) is no copy.
    struct stat after {};
    ok = ok && copied >= size && ::fstat(in.Get(), &after) == 0 && after.st_size >= st.st_size;
    if (ok) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(out.Fd(), times);
        ::fchmod(out.Fd(), st.st_mode & 07777);
    } else {
        out.MarkFailed();
    }
    return out.Commit(overwrite ? fileio::AtomicFile::Replace::Yes : fileio::AtomicFile::Replace::No)
               ? CopyOutcome::Copied
               : CopyOutcome::Failed;
}
