#pragma once

#include <string>

#include "fileio/fileio.h"

// File-system steps of the file operations, each safe on its own: none of them can destroy a file it was not
// asked to replace.

// Creates every folder along path, level by level (levels that exist already are left alone). 1 when the
// last level was created by this call, else 0.
int MakeFolderPath(const std::string& path);

// Clears the read-only state (the owner write bit, which is what vfat shows as the FAT read-only flag) of the
// file at path itself: a symbolic link is never followed (false), so its target keeps its mode. True on
// success or when the file was writable already. FAT keeps one read-only flag, so on a card mounted with a
// permissive mask only a change to every write bit the mount allows is taken: that is tried when the owner's
// bit alone is refused.
bool ClearReadOnly(const std::string& path);

// Deletes the file at path, clearing its read-only state first (a link is removed as itself); a file that
// cannot be deleted keeps the protection it had.
bool DeleteClearingReadOnly(const std::string& path);

using fileio::RenameNoReplace;

// True when both paths name the same file (same device and inode).
bool SameFile(const std::string& a, const std::string& b);

enum class CopyOutcome { Copied, SameFile, Failed };

// Copies source to target through an atomic file (fileio.h) that takes the target's name only once it is
// complete and flushed, so a failure (a full disk, an I/O error, a kill, a source that shrinks while it is
// copied) leaves the target as it was and no partial file under its name. overwrite false: an existing
// target is kept and the copy fails. The copy keeps the source's permission bits and times. Only a regular
// file is copied: a FIFO put in place of a recording is never opened for a blocking read.
CopyOutcome CopyFileSafely(const std::string& source, const std::string& target, bool overwrite);
