#pragma once

#include <string>

#include "library/recordingcatalogue.h"

struct KmlExport {
    int result = 0;    // 1 when the whole file was written
    std::string path;  // the file's path, also on failure (the message names it)
};

// The route of the catalogue's current recording as a KML file in folder, named after the recording and its
// local start time ("name"_YYYY_MM_DD_hh-mm-ss.KML). An existing file of that name is replaced, but only by
// a complete one: on any failure nothing is left under the name and the earlier file, if any, stays.
KmlExport ExportKml(const RecordingCatalogue& catalogue, const std::string& folder);

// The recording's name without its last four characters (its extension), counted in characters, not bytes.
std::string NameWithoutExtension(const std::string& name);
// The time in local time with strftime's format; empty when it cannot be converted.
std::string LocalTimeText(TimeValue t, const char* format);
