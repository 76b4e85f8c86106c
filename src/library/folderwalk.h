#pragma once

#include <functional>
#include <string>
#include <string_view>

// The walk over a drive or folder that finds the recordings, and the recorder's naming pattern.

// Folders more than this many levels below the root are not entered.
constexpr int kMaxWalkDepth = 40;

struct WalkEntry {
    const std::string& root;            // the root as walked, ending in '/'
    const std::string& relativeFolder;  // below the root, every level followed by '/'; empty at the top
    const std::string& name;
    bool isFolder = false;
    int folderFd =
        -1;  // the open folder that holds the entry, for *at() calls; valid during the callback only
};

enum class WalkResult { Done, RootUnreachable };

// Iterative pre-order depth-first walk, in the order the file system lists the entries. Folders are
// reported before their contents, with the relative folder they are found in. Skipped: "." and "..",
// hidden entries (a leading '.', or the FAT hidden or system attribute), symbolic links to folders, entries
// that are neither folders nor regular files (FIFOs, devices, sockets), folders
// that cannot be listed and folders deeper than kMaxWalkDepth. root may be given with or without its
// trailing '/'; RootUnreachable when it does not exist.
WalkResult WalkFolder(const std::string& root, const std::function<void(const WalkEntry&)>& callback);

struct RecordingName {
    bool qualifies = false;  // the recorder's pattern
    bool markedG = false;    // the fourth character is an upper-case 'G'
};
// The first four characters (all of them if fewer) are ASCII letters, digits, '_' or '-', and the name has
// at least 8 characters of which the fifth to eighth are digits. The extension plays no part.
RecordingName IsRecordingName(std::string_view name);
