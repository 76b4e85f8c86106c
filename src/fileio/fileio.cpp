#include "fileio/fileio.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>

namespace fileio {

namespace {

int OpenRetry(int folderFd, const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::openat(folderFd, path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

UniqueFd CheckRegular(int fd, struct stat* st) {
    UniqueFd owned(fd);
    if (!owned) return owned;
    struct stat local {};
    struct stat* s = st ? st : &local;
    if (::fstat(fd, s) != 0) return UniqueFd();
    if (!S_ISREG(s->st_mode)) {
        owned.Reset();
        errno = EINVAL;
    }
    return owned;
}

constexpr int kReadFlags = O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

std::string Hex(std::uint64_t v, int digits) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string s(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, v >>= 4) s[static_cast<std::size_t>(i)] = kDigits[v & 0xf];
    return s;
}

std::uint64_t Fnv1a(std::string_view s) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const char c : s) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ull;
    }
    return h;
}

void SyncFolder(const std::string& folder) {
    const int fd = OpenRetry(AT_FDCWD, folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

// True when the temporary at path is left over from a process that is gone: a live AtomicFile holds a lock
// on it. Then it is removed.
bool RemoveIfAbandoned(const std::string& path) {
    UniqueFd old(OpenRetry(AT_FDCWD, path.c_str(), kReadFlags | O_NOFOLLOW));
    if (!old || ::flock(old.Get(), LOCK_EX | LOCK_NB) != 0) return false;
    struct stat held {
    }, named{};
    if (::fstat(old.Get(), &held) != 0 || ::lstat(path.c_str(), &named) != 0) return false;
    if (held.st_dev != named.st_dev || held.st_ino != named.st_ino) return false;
    return ::unlink(path.c_str()) == 0;
}

// Only a regular file (or a link, which the rename replaces, not its target) may be replaced: a device, a
// FIFO or a folder of the target's name is never swapped for a file.
bool Replaceable(const std::string& target) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) return errno == ENOENT;
    return S_ISREG(st.st_mode) || S_ISLNK(st.st_mode);
}

}  // namespace

void UniqueFd::Reset(int fd) {
    if (fd_ >= 0 && fd_ != fd) ::close(fd_);
    fd_ = fd;
}

bool UniqueFd::Close() {
    if (fd_ < 0) return true;
    const int rc = ::close(std::exchange(fd_, -1));
    // After EINTR the descriptor is gone on Linux; only a real error counts.
    return rc == 0 || errno == EINTR;
}

UniqueFd OpenForReading(const std::string& path, struct stat* st) {
    return CheckRegular(OpenRetry(AT_FDCWD, path.c_str(), kReadFlags), st);
}

UniqueFd OpenForReadingAt(int folderFd, const std::string& name, struct stat* st) {
    return CheckRegular(OpenRetry(folderFd, name.c_str(), kReadFlags), st);
}

UniqueFd OpenFolderAt(int folderFd, const std::string& name) {
    return UniqueFd(OpenRetry(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

UniqueFd OpenForAttributesAt(int folderFd, const std::string& name) {
    return UniqueFd(
        OpenRetry(folderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
}

UniqueFd OpenExistingForWriting(const std::string& path, struct stat* st) {
    return CheckRegular(
        OpenRetry(AT_FDCWD, path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW), st);
}

std::size_t ReadAt(int fd, std::uint64_t pos, void* buf, std::size_t count) {
    constexpr auto kMaxPos = static_cast<std::uint64_t>(INT64_MAX);
    if (fd < 0 || pos > kMaxPos || count > kMaxPos - pos) return 0;
    auto* out = static_cast<char*>(buf);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd, out + done, count - done, static_cast<off_t>(pos + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool ReadExactlyAt(int fd, std::uint64_t pos, void* buf, std::size_t count) {
    return ReadAt(fd, pos, buf, count) == count;
}

bool ReadToEnd(int fd, std::string& out, std::size_t maxBytes, bool* complete) {
    if (complete) *complete = true;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        const std::size_t room = maxBytes - std::min(maxBytes, out.size());
        if (static_cast<std::size_t>(n) > room) {
            out.append(buf, room);
            if (complete) *complete = false;
            return true;
        }
        out.append(buf, static_cast<std::size_t>(n));
    }
}

bool WriteAll(int fd, const void* data, std::size_t size) {
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string out(folder);
    if (!out.empty() && out.back() != '/') out += '/';
    out += name;
    return out;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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

std::string TempNameFor(const std::string& target) {
    return "." + Hex(Fnv1a(NameOf(target)), 16) + ".part";
}

AtomicFile::AtomicFile(std::string target, mode_t mode) : target_(std::move(target)) {
    if (!Replaceable(target_)) return;
    const std::string folder = FolderOf(target_);
    const std::string usual = JoinPath(folder, TempNameFor(target_));
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        // Another live writer of the same target keeps the usual name: then a random one is taken.
        const std::string path =
            attempt < 2 ? usual : usual.substr(0, usual.size() - 5) + Hex(random(), 8) + ".part";
        const int fd =
            OpenRetry(AT_FDCWD, path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0) {
            fd_.Reset(fd);
            temp_ = path;
            (void)::flock(fd, LOCK_EX | LOCK_NB);
            return;
        }
        if (errno != EEXIST) return;
        if (attempt == 0 && RemoveIfAbandoned(path)) continue;
        if (attempt == 0) attempt = 1;
    }
}

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::Write(std::string_view data) {
    if (!fd_ || failed_) return false;
    if (!WriteAll(fd_.Get(), data)) failed_ = true;
    return !failed_;
}

bool AtomicFile::Commit(Replace replace) {
    if (!fd_ || failed_ || ::fsync(fd_.Get()) != 0) {
        Discard();
        return false;
    }
    if (!Replaceable(target_)) {
        Discard();
        return false;
    }
    // Renamed while still open and locked, so no other writer can take the temporary for abandoned.
    const bool renamed = replace == Replace::Yes ? ::rename(temp_.c_str(), target_.c_str()) == 0
                                                 : RenameNoReplace(temp_, target_);
    if (!renamed) {
        Discard();
        return false;
    }
    fd_.Reset();
    temp_.clear();
    SyncFolder(FolderOf(target_));
    return true;
}

void AtomicFile::Discard() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
    fd_.Reset();
}

}  // namespace fileio
