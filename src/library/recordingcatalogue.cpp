#include "library/recordingcatalogue.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>
#include <new>

#include "fileio/fileio.h"
#include "library/fileoperations.h"
#include "library/rearpath.h"
#include "library/route.h"
#include "telemetry/position.h"
#include "telemetry/readrecording.h"
#include "telemetry/recordername.h"
#include "telemetry/zovvideoparser.h"

namespace {

struct Resolution {
    int width, height;
    const char* name;
};
constexpr Resolution kResolutions[] = {
    {2048, 1600, "QXGA"}, {2048, 1536, "QXGA"}, {1920, 1080, "FHD"}, {1600, 1200, "UXGA"},
    {1280, 1024, "SXGA"}, {1280, 720, "HD"},    {1152, 870, "MAC"},  {1024, 768, "XGA"},
    {800, 600, "SVGA"},   {720, 480, "480P"},   {640, 480, "VGA"},   {320, 240, "CIF"},
};

// offset + size lies inside a file of length length (without overflowing).
bool Fits(std::uint64_t offset, std::uint64_t size, std::uint64_t length) {
    return offset <= length && size <= length - offset;
}

// The last level of a folder path, whatever separators follow it.
std::string LastFolderName(const std::string& folder) {
    const std::size_t end = folder.find_last_not_of('/');
    if (end == std::string::npos) return std::string();
    const std::size_t start = folder.find_last_of('/', end) + 1;  // npos + 1 is 0
    return folder.substr(start, end + 1 - start);
}

}  // namespace

std::string ResolutionName(int width, int height) {
    for (const Resolution& r : kResolutions) {
        if (r.width == width && r.height == height) return r.name;
    }
    if (width == 0 || height == 0) return std::string();
    char buf[32];
    std::snprintf(buf, sizeof(buf), "%dx%d", width, height);
    return buf;
}

int RecordingCatalogue::Init(GroupListView* groupList, FileListView* fileList, GSensorGraphView* graph,
                             MapView* map, InstrumentPanel* instrumentPanel) {
    groupList_ = groupList;
    fileList_ = fileList;
    graph_ = graph;
    map_ = map;
    instrumentPanel_ = instrumentPanel;
    currentIndex_ = -1;
    currentGroup_ = 0;
    gpsBlock_.clear();
    gpsBlockSize_ = 0;
    gsenBlock_.clear();
    gsenBlockSize_ = 0;
    loadedPath_.clear();
    recordings_.clear();
    groups_.clear();
    rows_.clear();
    return 1;
}

int RecordingCatalogue::SetCounterPane(CounterPane* pane) {
    counterPane_ = pane;
    return 1;
}

void RecordingCatalogue::DeleteAllListItems() {
    if (groupList_) groupList_->DeleteAllItems();
    if (fileList_) fileList_->DeleteAllItems();
}

int RecordingCatalogue::Clear() {
    recordings_.clear();
    groups_.clear();
    rows_.clear();
    currentIndex_ = -1;
    DeleteAllListItems();
    if (graph_) graph_->ClearData();
    return 1;
}

// ---- building from a source

int RecordingCatalogue::OpenSource(const std::string& rootFolder, const std::string& fileName) {
    Clear();
    if (graph_) graph_->Redraw();
    if (fileName.empty()) {
        filesSeen_ = 0;
        if (WalkFolder(rootFolder, [this](const WalkEntry& e) { AddScannedFile(e); }) ==
            WalkResult::RootUnreachable)
            return 0;
    } else if (!AddSingleFile(rootFolder, fileName)) {
        return 0;
    }
    PairRearFiles(recordings_);
    if (!recordings_.empty()) {
        SortByStartTime();
        BuildGroups();
    }
    return 1;
}

void RecordingCatalogue::AddScannedFile(const WalkEntry& entry) {
    if (entry.isFolder) return;
    const RecordingName rn = IsRecordingName(entry.name);
    if (rn.qualifies) {
        VideoFileInfo info;
        info.rootFolder = entry.root;
        info.subFolder = entry.relativeFolder;
        info.name = entry.name;
        if (rn.markedG) info.flags |= recording_flags::kMarkedG;
        struct stat st {};
        if (::fstatat(entry.folderFd, entry.name.c_str(), &st, 0) == 0 && !(st.st_mode & S_IWUSR))
            info.flags |= recording_flags::kReadOnly;
        auto reader = ChooseReader(entry.name);
        reader->SetTarget(&info);
        const int rc = reader->Parse(info.FullPath());
        reader.reset();
        if (readObserver_) readObserver_(info, rc);
        recordings_.push_back(std::move(info));
    }
    // The pane shows the count before this file: it lags one behind and counts every file, recording or not.
    if (counterPane_) counterPane_->SetCount(filesSeen_);
    ++filesSeen_;
}

bool RecordingCatalogue::AddSingleFile(const std::string& folder, const std::string& fileName) {
    VideoFileInfo info;
    info.rootFolder = folder;
    info.name = fileName;
    // The path the catalogue gives the recording (an empty folder is the root, never the working folder), so
    // the facts come from the file that playback and Unlock will use.
    const std::string path = info.FullPath();
    if (fileName.empty() || ::access(path.c_str(), F_OK) != 0) return false;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        // Listed with zero facts, as a file the reader cannot read; opening a FIFO could block for good.
        if (HasGMark(fileName)) info.flags |= recording_flags::kMarkedG;
        if (readObserver_) readObserver_(info, -1);
        recordings_.push_back(std::move(info));
        return true;
    }
    SingleRead r = ReadSingleRecording(folder, fileName);
    if (readObserver_) readObserver_(r.info, r.parseResult);
    recordings_.push_back(std::move(r.info));
    return true;
}

void RecordingCatalogue::Append(VideoFileInfo info) {
    recordings_.push_back(std::move(info));
}

void RecordingCatalogue::SortByStartTime() {
    // Stable, so recordings with the same start time keep the order the walk found them in.
    std::stable_sort(
        recordings_.begin(), recordings_.end(),
        [](const VideoFileInfo& a, const VideoFileInfo& b) { return a.startTime < b.startTime; });
}

void RecordingCatalogue::BuildGroups() {
    groups_.clear();
    rows_.clear();
    if (recordings_.empty()) {
        FillLists();
        return;
    }
    // Marks are only ever set: a recording that started a group keeps its mark after deletions.
    recordings_[0].groupStart = 1;
    for (std::size_t i = 1; i < recordings_.size(); ++i) {
        const VideoFileInfo& prev = recordings_[i - 1];
        const TimeValue end = prev.startTime + prev.durationSpan;
        const TimeValue start = recordings_[i].startTime;
        if (!(end - 2 <= start && start <= end + 2)) recordings_[i].groupStart = 1;
    }
    rows_.reserve(recordings_.size());
    FileGroup group;
    int number = 0;
    for (std::size_t i = 0; i < recordings_.size(); ++i) {
        const VideoFileInfo& r = recordings_[i];
        if (r.groupStart == 1) {
            if (i != 0) groups_.push_back(group);
            group = FileGroup{};
            group.number = number++;
            group.first = static_cast<int>(i);
        }
        rows_.push_back(FileRow{group.number, group.count, static_cast<int>(i), r.fileSize, r.durationMs});
        ++group.count;
        group.totalSize += r.fileSize;
        group.totalDurationMs += r.durationMs;
        group.flags |= r.flags | r.rear.flags;
    }
    groups_.push_back(group);
    FillLists();
}

void RecordingCatalogue::FillLists() {
    if (groupList_) {
        for (const FileGroup& g : groups_) {
            const VideoFileInfo& first = recordings_[static_cast<std::size_t>(g.first)];
            groupList_->AddGroupRow(g.number, ResolutionName(first.width, first.height), first.startTime,
                                    g.totalDurationMs, g.totalSize, g.flags);
        }
    }
    if (fileList_) {
        for (const FileRow& row : rows_) {
            const VideoFileInfo& r = recordings_[static_cast<std::size_t>(row.recordingIndex)];
            fileList_->AddFileRow(row.groupNumber, row.indexInGroup, r.rootFolder + r.subFolder, r.name,
                                  r.startTime, r.durationMs, r.fileSize, r.flags | r.rear.flags);
        }
    }
}

// ---- the current recording

int RecordingCatalogue::GetCurrentIndex() const {
    if (recordings_.empty()) return -1;
    return std::min(currentIndex_, GetCount() - 1);
}

int RecordingCatalogue::GetNextIndex() const {
    if (currentIndex_ >= 0 && currentIndex_ + 1 < GetCount()) return currentIndex_ + 1;
    return -1;
}

void RecordingCatalogue::MarkCurrent(bool on, bool scroll) {
    if (groupList_ && currentGroup_ >= 0 && currentGroup_ < static_cast<int>(groups_.size())) {
        groupList_->SetDropHilited(currentGroup_, on);
        if (scroll) groupList_->EnsureVisible(currentGroup_);
    }
    if (fileList_ && currentIndex_ >= 0 && currentIndex_ < static_cast<int>(rows_.size())) {
        fileList_->SetDropHilited(currentIndex_, on);
        if (scroll) fileList_->EnsureVisible(currentIndex_);
    }
}

int RecordingCatalogue::Select(int index) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return 0;
    MarkCurrent(false, false);
    currentIndex_ = index;
    currentGroup_ = -1;
    for (const FileGroup& g : groups_) {
        if (currentIndex_ < g.first + g.count) {
            currentGroup_ = g.number;
            break;
        }
    }
    MarkCurrent(true, true);
    return 1;
}

int RecordingCatalogue::SelectGroupEntry(int group, int offset) {
    if (group < 0 || group >= static_cast<int>(groups_.size())) return 0;
    if (offset < 0 || offset >= groups_[static_cast<std::size_t>(group)].count) return 0;
    MarkCurrent(false, false);
    currentGroup_ = group;
    currentIndex_ = groups_[static_cast<std::size_t>(group)].first + offset;
    MarkCurrent(true, false);
    return 1;
}

std::string RecordingCatalogue::GetPath(int index) const {
    return GetRecording(index).FullPath();
}

std::string RecordingCatalogue::GetCurrentPath() const {
    if (currentIndex_ < 0 || currentIndex_ >= GetCount()) return std::string();
    return GetPath(currentIndex_);
}

VideoSize RecordingCatalogue::GetCurrentVideoSize() const {
    const int index = GetCurrentIndex();
    if (index < 0) return {};
    const VideoFileInfo& r = recordings_[static_cast<std::size_t>(index)];
    return {1, r.width, r.height};
}

// ---- telemetry

TelemetryBlocks RecordingCatalogue::ReadTelemetry(int index, bool withGsen) const {
    TelemetryBlocks b;
    if (index < 0 || index >= GetCount()) return b;
    const VideoFileInfo& r = recordings_[static_cast<std::size_t>(index)];
    struct stat st {};
    const fileio::UniqueFd fd = fileio::OpenForReading(GetPath(index), &st);
    if (!fd) return b;
    b.opened = true;
    const auto length = static_cast<std::uint64_t>(st.st_size);
    // Nothing is allocated before the payload is known to lie inside the file.
    b.gsenInFile = Fits(r.gsenOffset, r.gsenSize, length);
    if (withGsen && b.gsenInFile && r.gsenTrack.empty() && r.gsenSize != 0) {
        const std::uint32_t n = std::min(r.gsenSize, kMaxTelemetryBlock);
        try {
            b.gsen.resize(n);
            b.gsenRead = fileio::ReadExactlyAt(fd.Get(), r.gsenOffset, b.gsen.data(), n);
        } catch (const std::bad_alloc&) {
        }
        if (!b.gsenRead) std::vector<std::uint8_t>().swap(b.gsen);
    }
    b.gpsInFile = Fits(r.gpsOffset, r.gpsSize, length);
    if (b.gpsInFile && r.gpsSize != 0 && !(IsMp4Name(r.name) && !r.gpsTrack.empty())) {
        const std::uint32_t n = std::min(r.gpsSize, kMaxTelemetryBlock);
        try {
            // In 64 bits: a size near 4 GiB must not round up to no records at all.
            b.gps.resize(static_cast<std::size_t>((std::uint64_t{n} + kGpsRecordSize - 1) / kGpsRecordSize));
            b.gpsRead = fileio::ReadExactlyAt(fd.Get(), r.gpsOffset, b.gps.data(), n);
        } catch (const std::bad_alloc&) {
        }
        if (b.gpsRead)
            b.gpsBytes = n;
        else
            std::vector<GpsSample>().swap(b.gps);
    }
    return b;
}

std::vector<GpsSample> RecordingCatalogue::ReadGpsSamples(int index) const {
    if (index < 0 || index >= GetCount()) return {};
    const VideoFileInfo& r = recordings_[static_cast<std::size_t>(index)];
    if (!r.gpsTrack.empty()) return r.gpsTrack;
    TelemetryBlocks b = ReadTelemetry(index, false);
    b.gps.resize(b.gpsBytes / kGpsRecordSize);
    return std::move(b.gps);
}

int RecordingCatalogue::LoadTelemetry(int index) {
    if (index < 0 || index >= GetCount()) return 0;
    if (map_) {
        map_->PathDrivedDelete();
        map_->PathDelete();
    }
    std::vector<GpsSample>().swap(gpsBlock_);
    std::vector<std::uint8_t>().swap(gsenBlock_);
    gpsBlockSize_ = 0;
    gsenBlockSize_ = 0;
    currentIndex_ = index;
    loadedPath_ = GetCurrentPath();
    const VideoFileInfo& r = recordings_[static_cast<std::size_t>(index)];
    const std::uint8_t rateByte = static_cast<std::uint8_t>(r.gpsAttr & 0xff);
    gpsRate_ = rateByte == 0 ? 1.0 : rateByte;

    TelemetryBlocks b = ReadTelemetry(index);
    if (!b.opened) return 0;
    if (graph_) graph_->ClearData();
    if (b.gsenInFile) {
        const std::uint8_t* raw = nullptr;
        int count = -1;
        if (!r.gsenTrack.empty()) {
            count =
                static_cast<int>(std::min<std::size_t>(r.gsenTrack.size(), std::numeric_limits<int>::max()));
        } else if (b.gsenRead) {
            gsenBlock_ = std::move(b.gsen);
            gsenBlockSize_ = static_cast<std::uint32_t>(gsenBlock_.size());
            raw = gsenBlock_.data();
            count = static_cast<int>(gsenBlockSize_ / kGsenTripleSize);
        }
        if (graph_ && count >= 0) {
            graph_->SetRange(static_cast<double>((r.gsenAttr >> 8) & 0xff), 2.0);
            graph_->ClearData();
            graph_->SetData(raw, count, r.gsenTrack);
            graph_->UpdateTimeSpan();
            const std::uint8_t perSecond = static_cast<std::uint8_t>(r.gsenAttr & 0xff);
            // Without a rate byte the rate is derived from the duration; a recording without one gets 0,
            // which the graph takes as "unknown", instead of an infinite rate.
            double rate = perSecond / 1000.0;
            if (perSecond == 0) rate = r.durationMs != 0 ? static_cast<double>(count) / r.durationMs : 0.0;
            graph_->SetSampleRate(rate);
            graph_->SetPixelsPerMs(0.01);
            graph_->SetViewMode(2);
        }
    }

    if (IsMp4Name(r.name) && !r.gpsTrack.empty()) {
        if (map_) DrawRoute(*map_, r.gpsTrack);
    } else if (b.gpsRead) {
        gpsBlock_ = std::move(b.gps);
        gpsBlockSize_ = b.gpsBytes;
        if (map_) DrawRoute(*map_, GpsSamples());
    }
    return 1;
}

std::span<const GpsSample> RecordingCatalogue::GpsSamples() const {
    if (currentIndex_ >= 0 && currentIndex_ < GetCount()) {
        const VideoFileInfo& r = recordings_[static_cast<std::size_t>(currentIndex_)];
        if (!r.gpsTrack.empty()) return r.gpsTrack;
    }
    return {gpsBlock_.data(), gpsBlockSize_ / kGpsRecordSize};
}

// The graph's cursor follows the clock while the graph is hidden too, so it stands right once shown.
int RecordingCatalogue::SyncToTime(std::int64_t timeMs, bool, bool mapShown) {
    const std::span<const GpsSample> samples = GpsSamples();
    if (graph_) {
        graph_->SetDimmed(false);
        graph_->SetPosition(static_cast<int>(std::clamp<std::int64_t>(timeMs, std::numeric_limits<int>::min(),
                                                                      std::numeric_limits<int>::max())));
    }
    auto noFix = [this] {
        if (instrumentPanel_) {
            instrumentPanel_->SetImageIndex(0);
            instrumentPanel_->SetSpeed(0, false);
        }
        return 0;
    };
    if (samples.empty()) return noFix();
    const double at = std::trunc(static_cast<double>(timeMs) * gpsRate_ / 1000.0);
    if (!(at >= 0 && at < static_cast<double>(samples.size()))) return noFix();
    const auto index = static_cast<long long>(at);
    const GpsSample& s = samples[static_cast<std::size_t>(index)];
    if (!s.HasFix()) return noFix();
    double lat = s.latitude, lon = s.longitude;
    const bool plausible = CheckPosition(lat, lon);
    // The instruments and the map show this sample already. The lamp keeps the sample's own answer, so a
    // sample with an implausible position does not light it on its second report.
    if (index != 0 && index == lastSampleShown_) return plausible ? 1 : 0;
    lastSampleShown_ = index;
    if (instrumentPanel_) {
        instrumentPanel_->SetHeading(s.heading * 2);
        instrumentPanel_->SetSpeed(s.speed, true);
    }
    if (!plausible) return 0;
    if (mapShown && map_) map_->MovePos(lat, lon, s.heading * 2);
    return 1;
}

void RecordingCatalogue::DrawDrivenPath(std::uint32_t timeMs) {
    if (map_) ::DrawDrivenPath(*map_, GpsSamples(), gpsRate_, timeMs);
}

// ---- file operations

void FileOpResult::Tally(bool ok, const std::string& path, int err) {
    if (ok) {
        ++done;
        return;
    }
    if (failed++ == 0) {
        firstFailedPath = path;
        // A step that failed without telling why is still a failure of the device or the file system.
        firstError = err != 0 ? err : (errno != 0 ? errno : EIO);
    }
}

int RecordingCatalogue::CollectCheckedGroups() {
    int any = 0;
    for (std::size_t j = 0; j < groups_.size(); ++j) {
        groups_[j].checked = groupList_ && groupList_->IsChecked(static_cast<int>(j)) ? 1 : 0;
        any |= groups_[j].checked;
    }
    return any;
}

FileOpResult RecordingCatalogue::DeleteChecked() {
    FileOpResult out;
    if (!CollectCheckedGroups()) return out;
    out.result = 1;
    for (int j = static_cast<int>(groups_.size()) - 1; j >= 0; --j) {
        const FileGroup& g = groups_[static_cast<std::size_t>(j)];
        if (!g.checked) continue;
        for (int k = g.count - 1; k >= 0; --k) {
            const int index = g.first + k;
            VideoFileInfo& r = recordings_[static_cast<std::size_t>(index)];
            const bool hasRear = r.rear.Present();
            errno = 0;
            const bool rearGone = hasRear && DeleteClearingReadOnly(r.rear.FullPath());
            if (hasRear) out.Tally(rearGone, r.rear.FullPath());
            errno = 0;
            const bool frontGone = DeleteClearingReadOnly(r.FullPath());
            out.Tally(frontGone, r.FullPath());
            if (frontGone && (rearGone || !hasRear)) {
                recordings_.erase(recordings_.begin() + index);
                rows_.erase(rows_.begin() + index);
            } else if (frontGone) {
                // The rear is all that is left of the recording: it stands in the entry's place, read as a
                // recording of its own.
                const int groupStart = r.groupStart;
                const RearFile rear = r.rear;
                r = ReadSingleRecording(rear.rootFolder + "/" + rear.subFolder, rear.name).info;
                r.rootFolder = rear.rootFolder;
                r.subFolder = rear.subFolder;
                r.groupStart = groupStart;
            } else if (rearGone) {
                r.rear = RearFile{};
            }
        }
    }
    if (out.done > 0) {
        groups_.clear();
        rows_.clear();
        DeleteAllListItems();
        BuildGroups();
        // The current number stays, lowered for good when it lies past the end, so every reader of it (the
        // export's name, the clock, the driven route) sees the same recording; blocks read from another
        // recording than the one it now denotes are dropped rather than paired with its name.
        currentIndex_ = std::min(currentIndex_, GetCount() - 1);
        if (GetCurrentPath() != loadedPath_) {
            std::vector<GpsSample>().swap(gpsBlock_);
            std::vector<std::uint8_t>().swap(gsenBlock_);
            gpsBlockSize_ = 0;
            gsenBlockSize_ = 0;
            loadedPath_.clear();
        }
    }
    return out;
}

namespace {

// Clears the read-only state of the file at path; flags loses its read-only bit when that worked.
bool Unprotect(const std::string& path, std::uint8_t& flags) {
    if (!(flags & recording_flags::kReadOnly)) return true;
    if (!ClearReadOnly(path)) return false;
    flags &= ~recording_flags::kReadOnly;
    return true;
}

bool Marked(const std::string& name, std::uint8_t flags) {
    return (flags & recording_flags::kMarkedG) && name.size() >= 4;
}

// Renames a recording's file from name to the name without the recorder's mark, never onto an existing file.
bool RemoveMark(const std::string& folder, std::string& name, std::uint8_t& flags) {
    std::string unmarked = name;
    unmarked[3] = '_';
    if (!RenameNoReplace(folder + name, folder + unmarked)) return false;
    name = std::move(unmarked);
    flags &= ~recording_flags::kMarkedG;
    return true;
}

}  // namespace

FileOpResult RecordingCatalogue::UnlockChecked() {
    FileOpResult out;
    if (!CollectCheckedGroups()) return out;
    out.result = 1;
    for (FileGroup& g : groups_) {
        if (!g.checked) continue;
        for (int k = 0; k < g.count; ++k) {
            VideoFileInfo& r = recordings_[static_cast<std::size_t>(g.first + k)];
            RearFile& rear = r.rear;
            // The first reason each file of the pair could not be unlocked, kept for the user's report.
            int frontError = 0, rearError = 0;
            auto step = [](bool ok, int& error) {
                if (!ok && error == 0) error = errno != 0 ? errno : EIO;
                return ok;
            };
            errno = 0;
            bool frontOk = step(Unprotect(r.FullPath(), r.flags), frontError);
            errno = 0;
            bool rearOk = !rear.Present() || step(Unprotect(rear.FullPath(), rear.flags), rearError);
            const std::string frontFolder = r.rootFolder + "/" + r.subFolder + "/";
            const std::string frontName = r.name;
            const bool loaded = r.FullPath() == loadedPath_;
            const bool frontMarked = Marked(r.name, r.flags);
            errno = 0;
            const bool frontKeptMark =
                frontMarked && !step(RemoveMark(frontFolder, r.name, r.flags), frontError);
            if (frontKeptMark) frontOk = false;
            // The rear follows the front's name so that the pair is still found as one: when the front
            // keeps its mark so does the rear, and when the rear cannot be renamed the front is put back.
            if (rear.Present() && Marked(rear.name, rear.flags)) {
                const std::string rearFolder = rear.rootFolder + "/" + rear.subFolder + "/";
                errno = 0;
                if (frontKeptMark) {
                    rearOk = false;
                    if (rearError == 0) rearError = frontError;
                } else if (!step(RemoveMark(rearFolder, rear.name, rear.flags), rearError)) {
                    rearOk = false;
                    if (frontMarked && RenameNoReplace(frontFolder + r.name, frontFolder + frontName)) {
                        r.name = frontName;
                        r.flags |= recording_flags::kMarkedG;
                        frontOk = false;
                        if (frontError == 0) frontError = rearError;
                    }
                }
            }
            if (loaded) loadedPath_ = r.FullPath();
            out.Tally(frontOk, r.FullPath(), frontError);
            if (rear.Present()) out.Tally(rearOk, rear.FullPath(), rearError);
        }
        g.flags = 0;
    }
    DeleteAllListItems();
    FillLists();
    return out;
}

FileOpResult RecordingCatalogue::CopyChecked(const std::string& destination,
                                             const OverwriteQuestion& overwrite) {
    FileOpResult out;
    if (!CollectCheckedGroups()) return out;
    out.result = 1;
    long long total = 0;
    for (const FileGroup& g : groups_) {
        if (!g.checked) continue;
        for (int k = 0; k < g.count; ++k)
            total += recordings_[static_cast<std::size_t>(g.first + k)].rear.Present() ? 2 : 1;
    }
    long long handled = 0;
    auto progress = [&] {
        ++handled;
        if (instrumentPanel_)
            instrumentPanel_->ShowProgress(static_cast<int>(std::min(handled * 100 / total, 100LL)), true);
    };
    // One file into folder below the destination; the folder structure below the opened source is rebuilt.
    auto copy = [&](const std::string& source, const std::string& folder, const std::string& name) {
        const std::string target = folder + "/" + name;
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0) MakeFolderPath(folder);
        if (SameFile(source, target)) {
            ++out.skipped;
            progress();
            return;
        }
        const bool exists = ::lstat(target.c_str(), &st) == 0;
        if (exists && !(overwrite && overwrite(target))) {
            ++out.skipped;
            progress();
            return;
        }
        errno = 0;
        switch (CopyFileSafely(source, target, exists)) {
            case CopyOutcome::Copied:
                ++out.done;
                break;
            case CopyOutcome::SameFile:
                ++out.skipped;
                break;
            case CopyOutcome::Failed:
                out.Tally(false, source);
                break;
        }
        progress();
    };
    if (instrumentPanel_) instrumentPanel_->ShowProgress(0, true);
    for (const FileGroup& g : groups_) {
        if (!g.checked) continue;
        for (int k = 0; k < g.count; ++k) {
            const VideoFileInfo& r = recordings_[static_cast<std::size_t>(g.first + k)];
            const std::string frontFolder = destination + "/" + r.subFolder;
            copy(r.FullPath(), frontFolder, r.name);
            if (!r.rear.Present()) continue;
            std::string rearFolder = destination + "/" + r.rear.subFolder;
            // A rear from beside the opened folder with the front's very name gets its own folder's name,
            // so it never lands on the front's copy.
            if (r.rear.subFolder == r.subFolder && r.rear.name == r.name)
                rearFolder += "/" + LastFolderName(r.rear.rootFolder);
            copy(r.rear.FullPath(), rearFolder, r.rear.name);
        }
    }
    if (instrumentPanel_) instrumentPanel_->ShowProgress(0, false);
    return out;
}
