#pragma once

#include <string_view>

// The recorder's naming rules, in one place for the readers, the catalogue and the exports.

// The recorder's event (locked) mark: an upper-case 'G' as the fourth character of the name, counted in
// characters (UTF-8), not bytes.
bool HasGMark(std::string_view name);

// Names ending exactly in ".mp4" (case-sensitive): the MP4 reader's files, whose telemetry is held in the
// record's tracks rather than in blocks of the file.
bool IsMp4Name(std::string_view name);
