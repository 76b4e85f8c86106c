#include "library/folderwalk.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "fileio/fileio.h"

namespace {

bool IsNameChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '-';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One open folder of the walk.
struct Level {
    DIR* dir = nullptr;
    std::string relative;
    bool fat = false;  // the folder lives on a FAT file system, whose hidden and system flags count
};

bool OnFat(int fd) {
    struct statfs fs {};
    return ::fstatfs(fd, &fs) == 0 && fs.f_type == MSDOS_SUPER_MAGIC;
}

// The FAT hidden or system attribute. Any other file system, or a driver that does not answer the ioctl
// (ENOTTY), counts as "not hidden".
bool FatHiddenOrSystem(int folderFd, const char* name) {
    const fileio::UniqueFd fd = fileio::OpenForAttributesAt(folderFd, name);
    if (!fd) return false;
    __u32 attrs = 0;
    return ::ioctl(fd.Get(), FAT_IOCTL_GET_ATTRIBUTES, &attrs) == 0 && (attrs & (ATTR_HIDDEN | ATTR_SYS));
}

// The listing of a folder inside an open folder, which then owns the descriptor; null when it cannot be
// listed. fat tells whether the folder lives on a FAT file system.
DIR* OpenListing(int parentFd, const std::string& name, bool& fat) {
    fileio::UniqueFd fd = fileio::OpenFolderAt(parentFd, name);
    if (!fd) return nullptr;
    fat = OnFat(fd.Get());
    DIR* dir = ::fdopendir(fd.Get());
    if (dir) fd.Release();
    return dir;
}

enum class Kind { File, Folder, Skip };

// Only folders and regular files (or links to them) are walked: opening a FIFO or a device found on a card
// could block the walk or have side effects.
Kind KindOf(int folderFd, const dirent& e) {
    unsigned char type = e.d_type;
    if (type == DT_UNKNOWN) {
        struct stat st {};
        if (::fstatat(folderFd, e.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return Kind::Skip;
        type = S_ISDIR(st.st_mode)   ? DT_DIR
               : S_ISLNK(st.st_mode) ? DT_LNK
               : S_ISREG(st.st_mode) ? DT_REG
                                     : DT_FIFO;
    }
    if (type == DT_DIR) return Kind::Folder;
    if (type == DT_REG) return Kind::File;
    if (type == DT_LNK) {
        // A link to a file is read like the file; a link to a folder is not followed.
        struct stat st {};
        if (::fstatat(folderFd, e.d_name, &st, 0) != 0) return Kind::Skip;
        return S_ISREG(st.st_mode) ? Kind::File : Kind::Skip;
    }
    return Kind::Skip;
}

}  // namespace

RecordingName IsRecordingName(std::string_view name) {
    RecordingName r;
    const std::size_t lead = name.size() < 4 ? name.size() : 4;
    for (std::size_t i = 0; i < lead; ++i) {
        if (!IsNameChar(name[i])) return r;
    }
    r.markedG = name.size() >= 4 && name[3] == 'G';
    if (name.size() < 8) return r;
    for (std::size_t i = 4; i < 8; ++i) {
        if (!IsDigit(name[i])) return r;
    }
    r.qualifies = true;
    return r;
}

WalkResult WalkFolder(const std::string& rootIn, const std::function<void(const WalkEntry&)>& callback) {
    if (rootIn.empty() || ::access(rootIn.c_str(), F_OK) != 0) return WalkResult::RootUnreachable;
    const std::string root = rootIn.back() == '/' ? rootIn : rootIn + "/";

    std::vector<Level> stack;
    stack.reserve(kMaxWalkDepth + 1);
    bool rootOnFat = false;
    DIR* rootDir = OpenListing(AT_FDCWD, root, rootOnFat);
    if (!rootDir) return WalkResult::Done;  // a root that cannot be listed yields nothing
    stack.push_back(Level{rootDir, std::string(), rootOnFat});

    while (!stack.empty()) {
        Level& level = stack.back();
        errno = 0;
        const dirent* e = ::readdir(level.dir);
        if (!e) {
            // The end of the listing, or an error in it: either way this folder is done.
            ::closedir(level.dir);
            stack.pop_back();
            continue;
        }
        const std::string name = e->d_name;
        if (name.empty() || name[0] == '.') continue;  // ".", ".." and hidden entries
        const int folderFd = ::dirfd(level.dir);
        if (level.fat && FatHiddenOrSystem(folderFd, e->d_name)) continue;
        const Kind kind = KindOf(folderFd, *e);
        if (kind == Kind::Skip) continue;
        if (kind == Kind::File) {
            callback(WalkEntry{root, level.relative, name, false, folderFd});
            continue;
        }
        if (static_cast<int>(stack.size()) > kMaxWalkDepth) continue;
        callback(WalkEntry{root, level.relative, name, true, folderFd});
        bool onFat = false;
        DIR* dir = OpenListing(folderFd, name, onFat);
        if (!dir) continue;  // a folder that cannot be listed is skipped
        // level is invalidated by the push; take what is needed first.
        std::string relative = level.relative + name + "/";
        stack.push_back(Level{dir, std::move(relative), onFat});
    }
    return WalkResult::Done;
}
