#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "library/folderwalk.h"
#include "library/mapview.h"
#include "library/views.h"
#include "telemetry/records.h"

// One run of recordings that follow each other without a gap.
struct FileGroup {
    int number = 0;
    int first = 0;
    int count = 0;
    std::uint64_t totalDurationMs = 0;
    std::uint64_t totalSize = 0;
    std::uint8_t flags = 0;  // OR of the members' flags
    int checked = 0;         // ticked at the last CollectCheckedGroups
};

// One row of the file list.
struct FileRow {
    int groupNumber = 0;
    int indexInGroup = 0;
    int recordingIndex = 0;
    std::uint64_t fileSize = 0;
    std::uint64_t durationMs = 0;
};

// "FHD", "HD" ... for the recorder's picture sizes; "%dx%d" for other sizes, empty when either is 0.
std::string ResolutionName(int width, int height);

struct VideoSize {
    int ok = 0;
    int width = 0;
    int height = 0;
};

// What a file operation did, beyond its 0/1 result: the files it changed and those it could not.
struct FileOpResult {
    int result = 0;  // 0: no group ticked
    int done = 0;
    int failed = 0;
    int skipped = 0;  // copy: declined overwrites and copies onto the file itself
    // The first file that could not be handled and the system's error number for it (0 when none failed).
    std::string firstFailedPath;
    int firstError = 0;

    // Counts one file handled; a failure's error number is taken from errno when err is 0.
    void Tally(bool ok, const std::string& path, int err = 0);
};

// The telemetry blocks of one recording as its file holds them. A payload is read only when it lies inside
// the file, and at most kMaxTelemetryBlock bytes of it: a recorder writes kilobytes a minute, so a size
// field of gigabytes is damage, and the route of a few points must not cost gigabytes of memory.
constexpr std::uint32_t kMaxTelemetryBlock = 64u << 20;
struct TelemetryBlocks {
    bool opened = false;      // the file could be opened as a regular file
    bool gsenInFile = false;  // the "gsen" payload lies inside the file
    bool gsenRead = false;    // and gsen holds its bytes
    std::vector<std::uint8_t> gsen;
    bool gpsInFile = false;
    bool gpsRead = false;        // gps holds the "gps0" payload (not read for an MP4 track)
    std::vector<GpsSample> gps;  // whole records; the bytes of a last partial one follow in a padded record
    std::uint32_t gpsBytes = 0;  // bytes read into gps
};

// Asked before a copy replaces an existing file; true means "overwrite" (OK), false "skip" (Cancel).
using OverwriteQuestion = std::function<bool(const std::string& targetPath)>;

// The main window's model of the opened recordings: the records in start-time order, their groups and list
// rows, the current recording and its telemetry. It drives the views it is given; any of them may be null.
class RecordingCatalogue {
  public:
    RecordingCatalogue() = default;
    RecordingCatalogue(const RecordingCatalogue&) = delete;
    RecordingCatalogue& operator=(const RecordingCatalogue&) = delete;

    int Init(GroupListView* groupList, FileListView* fileList, GSensorGraphView* graph, MapView* map,
             InstrumentPanel* instrumentPanel);
    int SetCounterPane(CounterPane* pane);
    int Clear();

    // Building from a source.
    // fileName empty: walks rootFolder for recording names; else reads that one file. 0 when the folder or
    // the file cannot be reached (the catalogue is then empty), else 1.
    int OpenSource(const std::string& rootFolder, const std::string& fileName);
    void AddScannedFile(const WalkEntry& entry);
    // false when the file cannot be reached.
    bool AddSingleFile(const std::string& folder, const std::string& fileName);
    // Appends a record as read elsewhere; the build steps below then sort and group it with the rest.
    void Append(VideoFileInfo info);
    void SortByStartTime();
    void BuildGroups();
    int FilesSeen() const { return filesSeen_; }
    // Told about every file read while building, with the reader's result (0 or -1).
    void SetReadObserver(std::function<void(const VideoFileInfo&, int parseResult)> observer) {
        readObserver_ = std::move(observer);
    }

    int GetCount() const { return static_cast<int>(recordings_.size()); }
    // Throws std::out_of_range outside 0 ... count - 1.
    const VideoFileInfo& GetRecording(int index) const {
        return recordings_.at(static_cast<std::size_t>(index));
    }
    int GetCurrentIndex() const;
    int GetNextIndex() const;
    int GetCurrentGroup() const { return currentGroup_; }
    int Select(int index);
    int SelectGroupEntry(int group, int offset);
    std::string GetPath(int index) const;
    std::string GetCurrentPath() const;
    VideoSize GetCurrentVideoSize() const;
    const std::vector<VideoFileInfo>& Recordings() const { return recordings_; }
    const std::vector<FileGroup>& Groups() const { return groups_; }
    const std::vector<FileRow>& Rows() const { return rows_; }

    // Telemetry of the current recording: ReadTelemetry, then the graph fed and the route drawn.
    int LoadTelemetry(int index);
    // Reads a recording's telemetry blocks without touching the current recording, its blocks or any view.
    TelemetryBlocks ReadTelemetry(int index, bool withGsen = true) const;
    // The GPS samples of a recording as LoadTelemetry would give them (its MP4 track, else its "gps0"
    // block), read without touching the current recording or any view: for the exports.
    std::vector<GpsSample> ReadGpsSamples(int index) const;
    // The MP4 track when there is one, else the "gps0" block read by LoadTelemetry.
    std::span<const GpsSample> GpsSamples() const;
    double GpsRate() const { return gpsRate_; }
    std::uint32_t GpsBlockSize() const { return gpsBlockSize_; }
    std::uint32_t GsenBlockSize() const { return gsenBlockSize_; }
    std::span<const std::uint8_t> GsenBlock() const { return {gsenBlock_.data(), gsenBlockSize_}; }

    // The playback clock: moves the graph cursor, sets compass and speed, moves the car on the map. 1 when
    // the time has a valid fix at a plausible position (the GPS lamp is lit), else 0.
    int SyncToTime(std::int64_t timeMs, bool graphShown, bool mapShown);
    // The driven part of the route up to timeMs, after a seek.
    void DrawDrivenPath(std::uint32_t timeMs);

    // File operations on the ticked groups. result 0 when no group is ticked.
    int CollectCheckedGroups();
    FileOpResult DeleteChecked();
    FileOpResult UnlockChecked();
    FileOpResult CopyChecked(const std::string& destination, const OverwriteQuestion& overwrite);

  private:
    void FillLists();
    void MarkCurrent(bool on, bool scroll);
    void DeleteAllListItems();

    std::vector<VideoFileInfo> recordings_;
    std::vector<FileGroup> groups_;
    std::vector<FileRow> rows_;
    GroupListView* groupList_ = nullptr;
    FileListView* fileList_ = nullptr;
    GSensorGraphView* graph_ = nullptr;
    MapView* map_ = nullptr;
    InstrumentPanel* instrumentPanel_ = nullptr;
    CounterPane* counterPane_ = nullptr;
    std::function<void(const VideoFileInfo&, int)> readObserver_;

    // Records rather than bytes so the samples are properly aligned; gpsBlockSize_ counts the bytes read.
    std::vector<GpsSample> gpsBlock_;
    std::uint32_t gpsBlockSize_ = 0;
    std::vector<std::uint8_t> gsenBlock_;
    std::uint32_t gsenBlockSize_ = 0;
    std::string loadedPath_;  // the recording the blocks were read from
    int filesSeen_ = 0;
    double gpsRate_ = 1.0;
    int currentIndex_ = -1;
    int currentGroup_ = 0;
    // The clock's last sample index shown. It survives recording changes on purpose: a first report that
    // maps to the same non-zero index is treated as already shown.
    long long lastSampleShown_ = 0;
};
