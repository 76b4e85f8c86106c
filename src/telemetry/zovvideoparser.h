#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "fileio/fileio.h"
#include "telemetry/records.h"

// Reader base: one object reads one file and is then destroyed. Readers keep no global state, so several
// may run at once on different files.
class CZovVideoParser {
  public:
    CZovVideoParser() = default;
    CZovVideoParser(const CZovVideoParser&) = delete;
    CZovVideoParser& operator=(const CZovVideoParser&) = delete;
    virtual ~CZovVideoParser();

    virtual void SetTarget(VideoFileInfo*) {}
    // 0 on success, -1 on failure. On success the gathered facts are copied into the target in one step;
    // on failure the target's media fields keep their zeros.
    virtual int Parse(const std::string&) { return 0; }
    virtual void SetFileStatus(FileStatus*) {}

    // The facts gathered by the last Parse, whether or not it succeeded.
    TimeValue StartTime() const { return startTime_; }
    std::uint32_t GpsAttr() const { return gpsAttr_; }

  protected:
    void Reset();
    // Opens the file read-only and fills the status record when one was given. False when it cannot be
    // opened or is not a regular file.
    bool OpenFile(const std::string& fullPath);
    void CloseFile();
    std::uint64_t FileLength() const;

    // Reads count bytes at pos into buf; a short read leaves the rest of buf unchanged. Returns the number
    // read.
    std::size_t ReadAt(std::uint64_t pos, void* buf, std::size_t count) const;

    // Start-time rules shared by the AVI and box readers. Both return false when the local-time conversion
    // refuses a date, which fails the whole Parse.
    // Walks a "gps0" payload of size bytes at pos; returns the position after its last whole record.
    bool WalkGpsPayload(std::uint64_t pos, std::uint32_t size, std::uint64_t& end);
    bool DeriveStartTime(const GpsSample& record, std::uint32_t index);
    bool ReadIditText(std::uint64_t pos, std::uint32_t size);
    void FinishStartTime();

    void CopyToTarget() const;

    fileio::UniqueFd file_;
    mutable char window_[4096] = {};
    mutable std::uint64_t windowPos_ = 0;
    mutable std::size_t windowLen_ = 0;
    VideoFileInfo* target_ = nullptr;
    FileStatus* status_ = nullptr;
    bool startFound_ = false;

    TimeValue startTime_ = 0;
    TimeSpan durationSpan_ = 0;
    std::uint32_t durationMs_ = 0;
    std::uint64_t gpsOffset_ = 0;
    std::uint32_t gpsSize_ = 0;
    std::uint64_t gsenOffset_ = 0;
    std::uint32_t gsenSize_ = 0;
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
    std::uint64_t fileSize_ = 0;
    std::uint32_t gpsAttr_ = 0;
    std::uint32_t gsenAttr_ = 0;
};

// The three readers share one SetTarget/SetFileStatus that store the pointer.
class CZovStoringParser : public CZovVideoParser {
  public:
    void SetTarget(VideoFileInfo* target) override { target_ = target; }
    void SetFileStatus(FileStatus* status) override { status_ = status; }
};

// Picks the reader by the last four characters of the name, case-sensitively: ".AVI" the AVI reader,
// ".mp4" the MP4 reader, anything else (".MOV", ".3GP", ".MP4", ".avi" ...) the box reader.
enum class ReaderKind { Avi, Mp4, Box };
ReaderKind ChooseReaderKind(const std::string& fileName);
std::unique_ptr<CZovVideoParser> ChooseReader(const std::string& fileName);
