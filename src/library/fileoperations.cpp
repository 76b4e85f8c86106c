#include "library/fileoperations.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <random>

namespace {

int OpenRetry(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Copies the whole of in to out; false on any read or write error.
bool CopyContents(int in, int out, std::uint64_t size) {
    std::uint64_t done = 0;
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
        if (::pread(in, &probe, 1, static_cast<off_t>(done)) == 0) return true;
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
        if (!WriteAll(out, buf.data(), static_cast<std::size_t>(n))) return false;
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
    if (::stat(path.c_str(), &st) != 0) return false;
    if (st.st_mode & S_IWUSR) return true;
    return ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;  // EEXIST among them: the other file stays
    // File systems without RENAME_NOREPLACE: a hard link fails when the name is taken, just as well.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) != 0) {
        ::unlink(to.c_str());
        return false;
    }
    return true;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

TempFile CreateTempFile(const std::string& folder, const std::string& stem) {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    TempFile t;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof(suffix), ".%08x%04x.part", rd(), counter++ & 0xffff);
        const std::string path =
            folder + (folder.empty() || folder.back() == '/' ? "" : "/") + "." + stem + suffix;
        const int fd = OpenRetry(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0) {
            t.fd = fd;
            t.path = path;
            return t;
        }
        if (errno != EEXIST) break;
    }
    return t;
}

CopyOutcome CopyFileSafely(const std::string& source, const std::string& target, bool overwrite) {
    if (SameFile(source, target)) return CopyOutcome::SameFile;
    const int in = OpenRetry(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (in < 0) return CopyOutcome::Failed;
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return CopyOutcome::Failed;
    }
    const std::string name = target.substr(target.find_last_of('/') + 1);
    TempFile tmp = CreateTempFile(FolderOf(target), name.empty() ? "copy" : name);
    if (tmp.fd < 0) {
        ::close(in);
        return CopyOutcome::Failed;
    }
    bool ok = CopyContents(in, tmp.fd, static_cast<std::uint64_t>(st.st_size));
    ::close(in);
    if (ok) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(tmp.fd, times);
        ::fchmod(tmp.fd, st.st_mode & 07777);
        ok = ::fsync(tmp.fd) == 0;
    }
    // Close reports the last delayed write errors of some file systems (NFS, FUSE).
    if (::close(tmp.fd) != 0) ok = false;
    if (ok) {
        ok = overwrite ? ::rename(tmp.path.c_str(), target.c_str()) == 0 : RenameNoReplace(tmp.path, target);
    }
    if (!ok) {
        ::unlink(tmp.path.c_str());
        return CopyOutcome::Failed;
    }
    return CopyOutcome::Copied;
}
