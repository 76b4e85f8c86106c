#pragma once

#include <string>
#include <vector>

#include "library/recordingcatalogue.h"

// A GPX 1.1 track of one or more recordings of the catalogue: one <trk> named trackName, one <trkseg> per
// recording in the order given, one <trkpt> per usable sample with its <ele> and its <time> (the recording's
// start time + i / GPS rate, in UTC). Each recording's samples are read without loading it: the current
// recording, its telemetry and the views are left as they were. Written through a temporary file like the KML
// export: 1 when the whole file was written, else 0 and nothing is left at path.
int ExportGpx(const RecordingCatalogue& catalogue, const std::vector<int>& recordings,
              const std::string& trackName, const std::string& path);
