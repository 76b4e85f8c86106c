#include "telemetry/zovvideoparser.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "telemetry/filestatus.h"
#include "telemetry/timerules.h"
#include "telemetry/zov3gpparser.h"
#include "telemetry/zovaviparser.h"
#include "telemetry/zovmp4parser.h"

CZovVideoParser::~CZovVideoParser() {
    CloseFile();
}

void CZovVideoParser::Reset() {
    startTime_ = 0;
    durationSpan_ = 0;
    durationMs_ = 0;
    gpsOffset_ = 0;
    gpsSize_ = 0;
    gsenOffset_ = 0;
    gsenSize_ = 0;
    width_ = 0;
    height_ = 0;
    fileSize_ = 0;
    gpsAttr_ = 0;
    gsenAttr_ = 0;
    startFound_ = false;
}

bool CZovVideoParser::OpenFile(const std::string& fullPath) {
    CloseFile();
    file_ = fileio::OpenForReading(fullPath);
    if (!file_) return false;
    if (status_) {
        if (auto s = ReadFileStatus(file_.Get(), fullPath)) *status_ = *s;
    }
    return true;
}

void CZovVideoParser::CloseFile() {
    file_.Reset();
    windowPos_ = 0;
    windowLen_ = 0;
}

std::uint64_t CZovVideoParser::FileLength() const {
    struct stat st {};
    if (!file_ || ::fstat(file_.Get(), &st) != 0) return 0;
    return static_cast<std::uint64_t>(st.st_size);
}

std::size_t CZovVideoParser::ReadAt(std::uint64_t pos, void* buf, std::size_t count) const {
    // Walks read a few bytes at a time, and a hostile file can make them step four bytes at a time
    // through gigabytes: small reads are served from one cached window.
    if (count > sizeof(window_)) return fileio::ReadAt(file_.Get(), pos, buf, count);
    if (pos < windowPos_ || pos + count > windowPos_ + windowLen_) {
        windowPos_ = pos;
        windowLen_ = fileio::ReadAt(file_.Get(), pos, window_, sizeof(window_));
    }
    const std::size_t avail = pos >= windowPos_ + windowLen_ ? 0 : windowPos_ + windowLen_ - pos;
    const std::size_t n = std::min(count, avail);
    if (n > 0) std::memcpy(buf, window_ + (pos - windowPos_), n);
    return n;
}

bool CZovVideoParser::WalkGpsPayload(std::uint64_t pos, std::uint32_t size, std::uint64_t& end) {
    const std::uint32_t count = size / kGpsRecordSize;
    end = pos + std::uint64_t{count} * kGpsRecordSize;
    // Once a start time is known the remaining records change nothing, so they are not read. Records that
    // are read come in batches: a card scan reads thousands of tracks.
    constexpr std::uint32_t kBatch = 64;
    GpsSample batch[kBatch];
    for (std::uint32_t i = 0; i < count && !startFound_;) {
        const std::uint32_t n = std::min(kBatch, count - i);
        std::fill(batch, batch + kBatch, GpsSample{});
        const std::size_t got = ReadAt(pos + std::uint64_t{i} * kGpsRecordSize, batch, n * kGpsRecordSize);
        if (got == 0) break;  // past the end of the file: nothing more to find
        for (std::uint32_t k = 0; k < n && !startFound_; ++k) {
            if (!DeriveStartTime(batch[k], i + k)) return false;
        }
        i += n;
    }
    return true;
}

bool CZovVideoParser::DeriveStartTime(const GpsSample& record, std::uint32_t index) {
    if (startFound_ || record.year == 0) return true;
    const int year = record.year + 2000;
    if (!IsValidDateTime(year, record.month, record.day, record.hour, record.minute, record.second))
        return true;
    const auto t = LocalTimeValue(year, record.month, record.day, record.hour, record.minute, record.second);
    if (!t) return false;
    std::uint32_t rate = gpsAttr_ & 0xffu;
    if (rate == 0 || rate > 10) {
        gpsAttr_ = (gpsAttr_ & ~0xffu) | 1u;
        rate = 1;
    }
    startTime_ = *t - static_cast<TimeValue>(index / rate);
    startFound_ = true;
    return true;
}

bool CZovVideoParser::ReadIditText(std::uint64_t pos, std::uint32_t size) {
    startFound_ = true;
    char text[64] = {};
    // The last byte stays 0: a payload of 64 bytes or more is cut to its first 63.
    ReadAt(pos, text, std::min<std::uint32_t>(size, sizeof(text) - 1));
    const DateFields f = ScanIditText(text, sizeof(text) - 1);
    if (!IsValidDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second)) {
        startFound_ = false;
        return true;
    }
    const auto t = LocalTimeValue(f.year, f.month, f.day, f.hour, f.minute, f.second);
    if (!t) return false;
    startTime_ = *t;
    return true;
}

void CZovVideoParser::FinishStartTime() {
    if (!startFound_) startTime_ = 0;
}

void CZovVideoParser::CopyToTarget() const {
    if (!target_) return;
    target_->gpsOffset = gpsOffset_;
    target_->gpsSize = gpsSize_;
    target_->gsenOffset = gsenOffset_;
    target_->gsenSize = gsenSize_;
    target_->width = width_;
    target_->height = height_;
    target_->startTime = startTime_;
    target_->durationSpan = durationSpan_;
    target_->durationMs = durationMs_;
    target_->fileSize = fileSize_;
    target_->gpsAttr = gpsAttr_;
    target_->gsenAttr = gsenAttr_;
}

ReaderKind ChooseReaderKind(const std::string& fileName) {
    const auto endsWith = [&](const char* ext) {
        return fileName.size() >= 4 && fileName.compare(fileName.size() - 4, 4, ext) == 0;
    };
    if (endsWith(".AVI")) return ReaderKind::Avi;
    if (endsWith(".mp4")) return ReaderKind::Mp4;
    return ReaderKind::Box;
}

std::unique_ptr<CZovVideoParser> ChooseReader(const std::string& fileName) {
    switch (ChooseReaderKind(fileName)) {
        case ReaderKind::Avi:
            return std::make_unique<CZovAviParser>();
        case ReaderKind::Mp4:
            return std::make_unique<CZovMP4Parser>();
        case ReaderKind::Box:
            break;
    }
    return std::make_unique<CZov3gpParser>();
}
