#include "telemetry/zovaviparser.h"

#include <cstring>
#include <exception>

#include "telemetry/fourcc.h"

namespace {

constexpr FourCC RIFF = TAG("RIFF");
constexpr FourCC LIST = TAG("LIST");
constexpr FourCC HDRL = TAG("hdrl");
constexpr FourCC STRL = TAG("strl");
constexpr FourCC MOVI = TAG("movi");
constexpr FourCC AVIH = TAG("avih");
constexpr FourCC STRH = TAG("strh");
constexpr FourCC STRF = TAG("strf");
constexpr FourCC VIDS = TAG("vids");
constexpr FourCC AUDS = TAG("auds");
constexpr FourCC IDIT = TAG("IDIT");
constexpr FourCC GPSA = TAG("gpsa");
constexpr FourCC GSEA = TAG("gsea");
constexpr FourCC GPS0 = TAG("gps0");
constexpr FourCC GSEN = TAG("gsen");
constexpr FourCC JUNK = TAG("JUNK");
constexpr FourCC IDX1 = TAG("idx1");
constexpr FourCC INDX = TAG("indx");

std::uint32_t Le32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}
std::uint16_t Le16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

}  // namespace

std::uint32_t CZovAviParser::ReadU32(std::uint64_t pos) const {
    unsigned char b[4] = {};
    ReadAt(pos, b, 4);
    return Le32(b);
}

std::uint64_t CZovAviParser::ReadAvih(std::uint64_t pos) {
    const std::uint32_t size = ReadU32(pos);
    pos += 4;
    unsigned char h[56] = {};
    const std::uint32_t n = std::min<std::uint32_t>(size, sizeof(h));
    ReadAt(pos, h, n);
    // Microseconds per frame times frames, wrapping in 32 bits as the recorder's own players do.
    const std::uint32_t micros = Le32(h) * Le32(h + 16);
    durationMs_ = micros / 1000u;
    durationSpan_ = durationMs_ / 1000u;
    return pos + n;
}

std::uint64_t CZovAviParser::ReadVideoStrf(std::uint64_t pos) {
    const std::uint32_t size = ReadU32(pos);
    pos += 4;
    unsigned char f[40] = {};
    const std::uint32_t n = std::min<std::uint32_t>(size, sizeof(f));
    ReadAt(pos, f, n);
    width_ = Le16(f + 4);
    height_ = Le16(f + 8);  // a bottom-up bitmap's negative height keeps its low 16 bits
    return pos + n;
}

std::uint64_t CZovAviParser::ReadStrh(std::uint64_t pos) {
    const std::uint32_t size = ReadU32(pos);
    pos += 4;
    unsigned char h[64] = {};
    const std::uint32_t n = std::min<std::uint32_t>(size, sizeof(h));
    ReadAt(pos, h, n);
    pos += n;
    const FourCC type = Le32(h);
    if (type == VIDS || type == AUDS) {
        const FourCC next = ReadU32(pos);
        pos += 4;
        if (next == STRF) {
            if (type == VIDS) return ReadVideoStrf(pos);
            return pos + 4 + ReadU32(pos);
        }
    }
    return pos;
}

bool CZovAviParser::Walk() {
    // The walk starts at the form type, which it reads as an id like any other ("AVI " is passed over).
    std::uint64_t pos = 8;
    while (pos < fileSize_) {
        const FourCC id = ReadU32(pos);
        pos += 4;
        if (id == LIST) {
            const std::uint64_t end = pos + 4 + ReadU32(pos);
            const FourCC type = ReadU32(pos + 4);
            // The list size counts from the list type on.
            if (type == HDRL || type == STRL) {
                pos += 8;
            } else {
                pos = end;
                if (type == MOVI && end > fileSize_) truncated_ = true;
            }
        } else if (id == AVIH) {
            pos = ReadAvih(pos);
        } else if (id == STRH) {
            pos = ReadStrh(pos);
        } else if (id == IDIT) {
            const std::uint32_t size = ReadU32(pos);
            if (!ReadIditText(pos + 4, size)) return false;
            pos += 4 + std::uint64_t{size};
        } else if (id == GPSA || id == GSEA) {
            const std::uint32_t size = ReadU32(pos);
            (id == GPSA ? gpsAttr_ : gsenAttr_) = ReadU32(pos + 4);
            pos += 4 + std::uint64_t{size};
        } else if (id == GPS0) {
            const std::uint32_t size = ReadU32(pos);
            pos += 4;
            gpsOffset_ = pos;
            gpsSize_ = size;
            if (!WalkGpsPayload(pos, size, pos)) return false;
        } else if (id == GSEN) {
            const std::uint32_t size = ReadU32(pos);
            pos += 4;
            gsenOffset_ = pos;
            gsenSize_ = size;
            // The samples themselves are read at playback time; here the walk only passes over them.
            pos += std::uint64_t{size / kGsenTripleSize} * kGsenTripleSize;
        } else if (id == JUNK || id == IDX1 || id == INDX) {
            pos += 4 + std::uint64_t{ReadU32(pos)};
        }
        // Anything else is not a chunk: the next four bytes are read as an id.
    }
    return true;
}

int CZovAviParser::Parse(const std::string& fullPath) {
    try {
        return ParseFile(fullPath);
    } catch (const std::exception&) {
        CloseFile();
        return -1;
    }
}

int CZovAviParser::ParseFile(const std::string& fullPath) {
    Reset();
    truncated_ = false;
    if (!OpenFile(fullPath)) return -1;
    unsigned char header[8] = {};
    if (ReadAt(0, header, 8) < 4 || Le32(header) != RIFF) {
        CloseFile();
        return -1;
    }
    fileSize_ = FileLength();
    const bool walked = Walk();
    CloseFile();
    if (!walked) return -1;
    FinishStartTime();
    if (width_ == 0 || height_ == 0 || durationMs_ == 0 || truncated_) return -1;
    CopyToTarget();
    return 0;
}
