#include "library/rearpath.h"

#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "telemetry/records.h"

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

namespace {

using FileId = std::pair<dev_t, ino_t>;

bool BaseEndsInF(const std::string& name) {
    const std::size_t dot = name.find_last_of('.');
    return dot != std::string::npos && dot > 0 && name[dot - 1] == 'F';
}

// DeriveRearPath changes characters in place, so the rear's path splits at the front's lengths; the root
// differs only when the rear's folder is a sibling of the opened folder itself.
RearFile RearAt(const std::string& rearPath, const VideoFileInfo& front, const struct stat& st) {
    RearFile rear;
    const std::size_t root = front.rootFolder.size();
    const std::size_t sub = front.subFolder.size();
    rear.rootFolder = rearPath.substr(0, root);
    rear.subFolder = rearPath.substr(root + 1, sub);
    rear.name = rearPath.substr(root + sub + 2);
    rear.fileSize = static_cast<std::uint64_t>(st.st_size);
    if (rear.name.size() >= 4 && rear.name[3] == 'G') rear.flags |= recording_flags::kMarkedG;
    if (!(st.st_mode & S_IWUSR)) rear.flags |= recording_flags::kReadOnly;
    return rear;
}

}  // namespace

void PairRearFiles(std::vector<VideoFileInfo>& recordings) {
    const std::size_t n = recordings.size();
    std::map<FileId, std::size_t> listed;
    for (std::size_t i = 0; i < n; ++i) {
        struct stat st {};
        if (::stat(recordings[i].FullPath().c_str(), &st) == 0)
            listed.emplace(FileId{st.st_dev, st.st_ino}, i);
    }
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = i;
    std::stable_partition(order.begin(), order.end(),
                          [&](std::size_t i) { return BaseEndsInF(recordings[i].name); });

    enum class Role { Alone, Front, Rear };
    std::vector<Role> role(n, Role::Alone);
    std::set<FileId> claimed;
    for (const std::size_t i : order) {
        if (role[i] == Role::Rear) continue;
        const std::string rearPath = DeriveRearPath(recordings[i].FullPath());
        struct stat st {};
        if (rearPath.empty() || ::stat(rearPath.c_str(), &st) != 0) continue;
        const FileId id{st.st_dev, st.st_ino};
        if (claimed.count(id)) continue;
        const auto it = listed.find(id);
        if (it != listed.end()) {
            // A recording that holds a rear of its own is a front, never another's rear.
            if (role[it->second] != Role::Alone) continue;
            role[it->second] = Role::Rear;
        }
        role[i] = Role::Front;
        claimed.insert(id);
        recordings[i].rear = RearAt(rearPath, recordings[i], st);
    }
    std::size_t out = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (role[i] == Role::Rear) continue;
        if (out != i) recordings[out] = std::move(recordings[i]);
        ++out;
    }
    recordings.resize(out);
}
