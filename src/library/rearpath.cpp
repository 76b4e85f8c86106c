#include "library/rearpath.h"

#include <sys/stat.h>

namespace {

// A regular file (or a link to one) other than the front file itself.
bool IsOtherRegularFile(const std::string& path, const std::string& front, const struct stat& frontSt,
                        bool frontKnown) {
    if (path == front) return false;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return !(frontKnown && st.st_dev == frontSt.st_dev && st.st_ino == frontSt.st_ino);
}

}  // namespace

std::string DeriveRearPath(const std::string& frontPath) {
    const std::size_t slash = frontPath.find_last_of('/');
    if (slash == std::string::npos) return std::string();
    const std::size_t dot = frontPath.find_last_of('.');
    // The extension's dot must lie in the base name, after at least one character of it.
    if (dot == std::string::npos || dot < slash + 2) return std::string();

    struct stat frontSt {};
    const bool frontKnown = ::stat(frontPath.c_str(), &frontSt) == 0;

    std::string rear = frontPath;
    rear[dot - 1] = 'R';
    if (IsOtherRegularFile(rear, frontPath, frontSt, frontKnown)) return rear;

    // The parent folder's last character: up to three separators may stand between it and the base name.
    for (std::size_t back = 1; back <= 3 && back <= slash; ++back) {
        const std::size_t at = slash - back;
        if (rear[at] == '/') continue;
        rear[at] = 'R';
        if (IsOtherRegularFile(rear, frontPath, frontSt, frontKnown)) return rear;
        break;
    }
    return std::string();
}
