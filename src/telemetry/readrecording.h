#pragma once

#include <string>

#include "telemetry/records.h"
#include "telemetry/zovvideoparser.h"

// One recording read the way the player's single-file open reads it: the reader chosen by the name, a
// status record given (MP4 falls back to the file's creation time), flags from the 'G' mark and the
// read-only bit. folder has no trailing '/'.
struct SingleRead {
    VideoFileInfo info;
    ReaderKind reader = ReaderKind::Box;
    int parseResult = -1;
};
SingleRead ReadSingleRecording(const std::string& folder, const std::string& fileName);
