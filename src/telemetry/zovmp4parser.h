#pragma once

#include "telemetry/zovvideoparser.h"

// Reads ".mp4" recordings through FFmpeg's demuxer. The recorder writes its telemetry as packets of a data
// stream: every 32-byte packet is a GpsSample (year byte = year - 1900), every 12-byte packet of a data
// stream a GSensorSample. Both tracks are copied into the target.
class CZovMP4Parser : public CZovStoringParser {
  public:
    // Files whose sample tables declare more than the file can hold are refused before the demuxer sees
    // them (mp4tablecheck.h): its index would otherwise cost gigabytes.
    int Parse(const std::string& fullPath) override;

  private:
    int ParseFile(const std::string& fullPath);
};
