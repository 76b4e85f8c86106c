#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Shared records of the recorder's telemetry. GpsSample and GSensorSample are file formats: their byte
// layout is what the recorder writes (little-endian), so they are copied in and out with memcpy.

using TimeValue = std::int64_t;  // seconds since 1970-01-01 00:00:00 UTC
using TimeSpan = std::int64_t;   // whole seconds

struct GpsSample {
    double latitude = 0;   // NMEA form ddmm.mmmm
    double longitude = 0;  // NMEA form dddmm.mmmm
    std::int32_t altitude = 0;
    std::uint16_t speed = 0;  // km/h
    std::uint8_t year = 0;    // AVI/3GP/MOV: year - 2000; MP4: year - 1900
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;
    std::uint8_t heading = 0;  // course over ground in degrees / 2
    std::uint8_t flags = 0;    // bit 0: the fix is valid
    std::uint8_t reserved[2] = {0, 0};

    bool HasFix() const { return (flags & 1) != 0; }
};
static_assert(sizeof(GpsSample) == 32, "GpsSample is the recorder's 32-byte record");

// One MP4 G-sensor packet: three little-endian words; only the low byte of each is meaningful.
struct GSensorSample {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint32_t z = 0;
};
static_assert(sizeof(GSensorSample) == 12, "GSensorSample is the recorder's 12-byte packet");

constexpr int kGpsRecordSize = 32;
constexpr int kGsenTripleSize = 3;

namespace recording_flags {
constexpr std::uint8_t kMarkedG = 0x01;   // the recorder's 'G' (event, locked) name mark
constexpr std::uint8_t kReadOnly = 0x02;  // shown as locked in the lists
}  // namespace recording_flags

// The rear camera's file kept with a front recording (name empty: none). Only its place, size and
// protection are known: it is never read, the front's telemetry stands for both.
struct RearFile {
    std::string name;
    std::string rootFolder;  // the front's, or the rear's own folder when that lies beside the opened one
    std::string subFolder;   // below rootFolder, as VideoFileInfo::subFolder
    std::uint64_t fileSize = 0;
    std::uint8_t flags = 0;  // recording_flags

    bool Present() const { return !name.empty(); }
    std::string FullPath() const { return rootFolder + "/" + subFolder + "/" + name; }
};

// One recording of the catalogue.
struct VideoFileInfo {
    int groupStart = 0;
    std::uint8_t flags = 0;
    std::string name;        // file name with extension
    std::string rootFolder;  // the folder or drive that was opened
    std::string subFolder;   // path below rootFolder, every level followed by '/'; empty for a single file
    std::uint64_t gpsOffset = 0;
    std::uint32_t gpsSize = 0;
    std::uint64_t gsenOffset = 0;
    std::uint32_t gsenSize = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    TimeValue startTime = 0;
    TimeSpan durationSpan = 0;
    std::uint32_t durationMs = 0;
    std::uint64_t fileSize = 0;
    std::uint32_t gpsAttr = 0;
    std::uint32_t gsenAttr = 0;
    std::vector<GpsSample> gpsTrack;       // MP4 only
    std::vector<GSensorSample> gsenTrack;  // MP4 only
    RearFile rear;                         // the rear camera's file, when the recorder wrote one

    // rootFolder '/' subFolder '/' name; doubled separators are harmless and kept.
    std::string FullPath() const { return rootFolder + "/" + subFolder + "/" + name; }
};

// The file's status as the reader saw it when it opened the file.
struct FileStatus {
    TimeValue creationTime = 0;  // 0 when the file system keeps none
    TimeValue modificationTime = 0;
    TimeValue accessTime = 0;
    std::uint64_t size = 0;
    std::uint8_t attributes = 0;  // bit 0: read-only
    std::string path;
};
