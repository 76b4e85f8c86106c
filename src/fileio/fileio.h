#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

// The one way the core touches files. Every step that has to be right every time lives here once: EINTR is
// retried, descriptors are owned, a file opened for reading is known to be a regular file before anything
// reads it, and a file that replaces another appears under its name only complete and flushed.
namespace fileio {

// Owns one open descriptor and closes it when dropped.
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.fd_, -1));
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { Reset(); }

    int Get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    void Reset(int fd = -1);
    // Gives the descriptor up to a new owner (fdopendir, say) without closing it.
    int Release() { return std::exchange(fd_, -1); }
    // Closes now and reports close's own result: network and FUSE file systems report delayed write errors
    // only here. True when nothing was open.
    bool Close();

  private:
    int fd_ = -1;
};

// Opens a regular file for reading. The open itself never blocks (O_NONBLOCK: a FIFO or a device put where a
// recording was listed would otherwise hang the caller for good), and anything but a regular file is closed
// again at once. st, when given, receives the file's status. Empty on any failure, with errno set.
UniqueFd OpenForReading(const std::string& path, struct stat* st = nullptr);
// The same for a name inside an open folder.
UniqueFd OpenForReadingAt(int folderFd, const std::string& name, struct stat* st = nullptr);

// Opens a folder inside an open folder (AT_FDCWD: a path) for listing. A link is never followed, so a walk
// cannot loop through one.
UniqueFd OpenFolderAt(int folderFd, const std::string& name);
// Opens any entry of an open folder only to ask it for its attributes (an ioctl): never through a link, and
// never waiting on a FIFO or a device.
UniqueFd OpenForAttributesAt(int folderFd, const std::string& name);

// Opens an existing regular file for writing in place (no truncation, a link at path is not followed).
UniqueFd OpenExistingForWriting(const std::string& path, struct stat* st = nullptr);

// Reads up to count bytes at pos; fewer only at the end of the file or on an error. Never moves the file
// position.
std::size_t ReadAt(int fd, std::uint64_t pos, void* buf, std::size_t count);
// True when exactly count bytes were read.
bool ReadExactlyAt(int fd, std::uint64_t pos, void* buf, std::size_t count);
// Reads the rest of a file, at most maxBytes. complete is false when the file holds more.
bool ReadToEnd(int fd, std::string& out, std::size_t maxBytes, bool* complete = nullptr);
// Writes everything or fails.
bool WriteAll(int fd, const void* data, std::size_t size);
inline bool WriteAll(int fd, std::string_view data) {
    return WriteAll(fd, data.data(), data.size());
}

// folder '/' name, without doubling a '/' that folder already ends with; name alone when folder is empty.
std::string JoinPath(std::string_view folder, std::string_view name);
// The folder part of a path: "." when there is none, "/" for a file in the root.
std::string FolderOf(const std::string& path);
// The part after the last '/'.
std::string NameOf(const std::string& path);

// Renames from to to only when to does not exist; an existing file at to is never replaced. False (and
// nothing changed) otherwise.
bool RenameNoReplace(const std::string& from, const std::string& to);

// A new file that takes its final name only once it is complete and on the disk. The content goes to a
// short hidden temporary name beside the target (so a target name of any legal length works), which Commit
// flushes and renames. Dropped without a Commit, or on any failure, the temporary is removed and the target
// is as it was. A temporary left by a killed process is removed by the next AtomicFile for the same target:
// a live one holds a lock on its file.
class AtomicFile {
  public:
    // mode is given to open(2), so the umask applies.
    explicit AtomicFile(std::string target, mode_t mode = 0666);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    bool IsOpen() const { return static_cast<bool>(fd_); }
    int Fd() const { return fd_.Get(); }
    const std::string& Target() const { return target_; }
    const std::string& TempPath() const { return temp_; }

    // Appends; a failure sticks, and Commit then fails.
    bool Write(std::string_view data);
    void MarkFailed() { failed_ = true; }

    enum class Replace { Yes, No };
    // Flushes to the disk, then renames onto the target (Replace::No: only when no file has that name) and
    // flushes the folder. False when anything failed; the temporary is then gone.
    bool Commit(Replace replace = Replace::Yes);
    // Removes the temporary now.
    void Discard();

  private:
    std::string target_;
    std::string temp_;
    UniqueFd fd_;
    bool failed_ = false;
};

// The name AtomicFile gives the temporary of target: a '.' then 16 hex digits and ".part", whatever the
// target's length.
std::string TempNameFor(const std::string& target);

}  // namespace fileio
