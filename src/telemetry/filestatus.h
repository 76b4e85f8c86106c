#pragma once

#include <optional>
#include <string>

#include "telemetry/records.h"

// The status of the file at path: birth time where the file system records one (else the modification
// time), size, and bit 0 of attributes set when the owner may not write it. nullopt when it cannot be read.
std::optional<FileStatus> ReadFileStatus(const std::string& path);
// The same for an open descriptor.
std::optional<FileStatus> ReadFileStatus(int fd, const std::string& path);
