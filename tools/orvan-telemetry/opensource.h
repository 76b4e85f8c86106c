#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/recordingcatalogue.h"

// A catalogue opened the way the player's OPEN command opens a source: a folder is walked for recording
// names, a file is read alone. Remembers each reader's result by path.
struct OpenedSource {
    RecordingCatalogue catalogue;
    std::map<std::string, int> parseResults;  // by FullPath()
};

// Null, with a one-line message on stderr,, when path is missing (or is a folder and allowFolder is false).
std::unique_ptr<OpenedSource> OpenPath(const std::string& command, const std::string& path, bool allowFolder);

// The arguments of "kml" and "gpx": one input and "--out DIR". False (with a message) when they do not fit.
struct InOut {
    std::string input;
    std::string out;
};
std::optional<InOut> ParseInOut(const std::string& command, const std::vector<std::string>& args);

// The output folder, made when it does not exist yet. False (with a message) when it cannot be.
bool EnsureFolder(const std::string& command, const std::string& folder);
