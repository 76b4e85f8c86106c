#pragma once

#include <string>

// File-system steps of the file operations, each safe on its own: none of them can destroy a file it was not
// asked to replace.

// Creates every folder along path, level by level (levels that exist already are left alone). 1 when the
// last level was created by this call, else 0.
int MakeFolderPath(const std::string& path);

// Clears the read-only state (the owner write bit, which is what vfat shows as the FAT read-only flag).
// True on success or when the file was writable already.
bool ClearReadOnly(const std::string& path);

// Renames from to to only when to does not exist; an existing file at to is never replaced.
// False (and nothing changed) otherwise.
bool RenameNoReplace(const std::string& from, const std::string& to);

// True when both paths name the same file (same device and inode).
bool SameFile(const std::string& a, const std::string& b);

enum class CopyOutcome { Copied, SameFile, Failed };

// Copies source to target through a temporary file in the target's folder that takes the target's name only
// once it is complete and flushed, so a failure (a full disk, an I/O error, a kill) leaves the target as it
// was and no partial file under its name. overwrite false: an existing target is kept and the copy fails.
// The copy keeps the source's permission bits and times.
CopyOutcome CopyFileSafely(const std::string& source, const std::string& target, bool overwrite);

// An open, freshly created file with a unique hidden name in folder (O_EXCL, mode 0666 less the umask).
// fd is -1 when none could be created.
struct TempFile {
    int fd = -1;
    std::string path;
};
TempFile CreateTempFile(const std::string& folder, const std::string& stem);
