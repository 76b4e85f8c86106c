#include "telemetry/zov3gpparser.h"

#include <exception>

namespace {

constexpr FourCC FTYP = TAG("ftyp");
constexpr FourCC MOOV = TAG("moov");
constexpr FourCC TRAK = TAG("trak");
constexpr FourCC MDIA = TAG("mdia");
constexpr FourCC MDHD = TAG("mdhd");
constexpr FourCC MINF = TAG("minf");
constexpr FourCC STBL = TAG("stbl");
constexpr FourCC STSD = TAG("stsd");
constexpr FourCC AVC1 = TAG("avc1");
constexpr FourCC GPS0 = TAG("gps0");
constexpr FourCC GSEN = TAG("gsen");
constexpr FourCC GPSA = TAG("gpsa");
constexpr FourCC GSEA = TAG("gsea");
constexpr FourCC IDIT = TAG("IDIT");

std::uint32_t Be32(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 |
           std::uint32_t{p[3]};
}
std::uint64_t Be64(const unsigned char* p) {
    return std::uint64_t{Be32(p)} << 32 | Be32(p + 4);
}
std::uint16_t Be16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}
std::uint32_t Le32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

}  // namespace

CZov3gpParser::Box CZov3gpParser::ReadBoxHeader(std::uint64_t pos) const {
    unsigned char h[16] = {};
    ReadAt(pos, h, 8);
    const std::uint32_t size = Be32(h);
    if (size != 1) return {Le32(h + 4), 8, std::uint32_t{size - 8u}};
    // A 64-bit size; one below its own 16 header bytes wraps like a broken 32-bit one.
    ReadAt(pos + 8, h + 8, 8);
    return {Le32(h + 4), 16, Be64(h + 8) - 16u};
}

CZov3gpParser::Found CZov3gpParser::FindSiblingBox(FourCC type, std::uint64_t pos,
                                                   std::uint64_t limit) const {
    std::uint64_t passed = 0;
    while (passed < limit && pos < fileSize_) {
        const Box box = ReadBoxHeader(pos);
        if (box.type == type) return {box.payloadSize, pos + box.headerSize};
        // A wrapped size passes the limit and the file's end at once.
        const std::uint64_t step = box.headerSize + box.payloadSize;
        if (step < box.payloadSize) return {};
        passed += step;
        pos += step;
    }
    return {};
}

CZov3gpParser::Found CZov3gpParser::FindBoxPath(std::initializer_list<FourCC> path, std::uint64_t pos,
                                                std::uint64_t limit) const {
    Found found;
    for (const FourCC type : path) {
        found = FindSiblingBox(type, pos, limit);
        if (found.payloadSize == 0) return {};
        pos = found.payloadPos;
        limit = found.payloadSize;
    }
    return found;
}

void CZov3gpParser::ReadMovieFacts(std::uint64_t payloadPos, std::uint64_t payloadSize) {
    // Only the first "trak" is looked at: the recorder always writes its video track first.
    if (const Found mdhd = FindBoxPath({TRAK, MDIA, MDHD}, payloadPos, payloadSize); mdhd.payloadSize != 0) {
        unsigned char m[20] = {};
        ReadAt(mdhd.payloadPos, m, std::min<std::uint64_t>(mdhd.payloadSize, sizeof(m)));
        const std::uint64_t timescale = Be32(m + 12);
        const std::uint64_t duration = Be32(m + 16);
        if (timescale != 0) {
            durationMs_ = static_cast<std::uint32_t>(duration * 1000u / timescale);
            durationSpan_ = durationMs_ / 1000u;
        }
    }
    const Found stsd = FindBoxPath({TRAK, MDIA, MINF, STBL, STSD}, payloadPos, payloadSize);
    if (stsd.payloadSize == 0) return;
    unsigned char head[8] = {};
    ReadAt(stsd.payloadPos, head, sizeof(head));
    if (Be32(head + 4) == 0) return;
    const Found avc1 = FindSiblingBox(AVC1, stsd.payloadPos + 8, stsd.payloadSize);
    if (avc1.payloadSize == 0) return;
    unsigned char entry[28] = {};
    ReadAt(avc1.payloadPos, entry, std::min<std::uint64_t>(avc1.payloadSize, sizeof(entry)));
    width_ = Be16(entry + 24);
    height_ = Be16(entry + 26);
}

bool CZov3gpParser::Walk(std::uint64_t pos) {
    while (pos < fileSize_) {
        const Box box = ReadBoxHeader(pos);
        pos += box.headerSize;
        if (box.type == MOOV) {
            ReadMovieFacts(pos, box.payloadSize);
            continue;  // the boxes directly inside "moov" are walked like top-level ones
        }
        // A telemetry payload is never 4 GiB; one that claims more is broken and passed over by its size.
        const bool small = box.payloadSize <= UINT32_MAX;
        const auto size32 = static_cast<std::uint32_t>(box.payloadSize);
        if (box.type == GSEN && small) {
            gsenOffset_ = pos;
            gsenSize_ = size32;
            pos += std::uint64_t{size32 / kGsenTripleSize} * kGsenTripleSize;
        } else if (box.type == GPS0 && small) {
            gpsOffset_ = pos;
            gpsSize_ = size32;
            if (!WalkGpsPayload(pos, size32, pos)) return false;
        } else if ((box.type == GPSA || box.type == GSEA) && small) {
            unsigned char w[4] = {};
            ReadAt(pos, w, sizeof(w));
            (box.type == GPSA ? gpsAttr_ : gsenAttr_) = Le32(w);
            pos += box.payloadSize;
        } else if (box.type == IDIT && small) {
            if (!ReadIditText(pos, size32)) return false;
            pos += box.payloadSize;
        } else {
            if (box.payloadSize > UINT64_MAX - pos) break;
            pos += box.payloadSize;
        }
    }
    return true;
}

int CZov3gpParser::Parse(const std::string& fullPath) {
    try {
        return ParseFile(fullPath);
    } catch (const std::exception&) {
        CloseFile();
        return -1;
    }
}

int CZov3gpParser::ParseFile(const std::string& fullPath) {
    Reset();
    if (!OpenFile(fullPath)) return -1;
    const Box first = ReadBoxHeader(0);
    if (first.type != FTYP) {
        CloseFile();
        return -1;
    }
    fileSize_ = FileLength();
    const bool walked =
        Walk(first.payloadSize > UINT64_MAX - 16 ? UINT64_MAX : first.headerSize + first.payloadSize);
    CloseFile();
    if (!walked) return -1;
    FinishStartTime();
    if (width_ == 0 || height_ == 0 || durationMs_ == 0) {
        width_ = height_ = 0;
        durationMs_ = 0;
        return -1;
    }
    CopyToTarget();
    return 0;
}
