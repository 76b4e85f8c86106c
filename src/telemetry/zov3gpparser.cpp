#include "telemetry/zov3gpparser.h"

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
std::uint16_t Be16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}
std::uint32_t Le32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

}  // namespace

CZov3gpParser::Box CZov3gpParser::ReadBoxHeader(std::uint64_t pos) const {
    unsigned char h[8] = {};
    ReadAt(pos, h, sizeof(h));
    return {Le32(h + 4), Be32(h) - 8u};
}

CZov3gpParser::Found CZov3gpParser::FindSiblingBox(FourCC type, std::uint64_t pos,
                                                   std::uint64_t limit) const {
    std::uint64_t passed = 0;
    while (passed < limit && pos < fileSize_) {
        const Box box = ReadBoxHeader(pos);
        if (box.type == type) return {box.payloadSize, pos + 8};
        passed += 8 + std::uint64_t{box.payloadSize};
        pos += 8 + std::uint64_t{box.payloadSize};
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

void CZov3gpParser::ReadMovieFacts(std::uint64_t payloadPos, std::uint32_t payloadSize) {
    // Only the first "trak" is looked at: the recorder always writes its video track first.
    if (const Found mdhd = FindBoxPath({TRAK, MDIA, MDHD}, payloadPos, payloadSize); mdhd.payloadSize != 0) {
        unsigned char m[20] = {};
        ReadAt(mdhd.payloadPos, m, std::min<std::uint32_t>(mdhd.payloadSize, sizeof(m)));
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
    ReadAt(avc1.payloadPos, entry, std::min<std::uint32_t>(avc1.payloadSize, sizeof(entry)));
    width_ = Be16(entry + 24);
    height_ = Be16(entry + 26);
}

bool CZov3gpParser::Walk(std::uint64_t pos) {
    while (pos < fileSize_) {
        const Box box = ReadBoxHeader(pos);
        pos += 8;
        if (box.type == MOOV) {
            ReadMovieFacts(pos, box.payloadSize);
            continue;  // the boxes directly inside "moov" are walked like top-level ones
        }
        if (box.type == GSEN) {
            gsenOffset_ = pos;
            gsenSize_ = box.payloadSize;
            pos += std::uint64_t{box.payloadSize / kGsenTripleSize} * kGsenTripleSize;
        } else if (box.type == GPS0) {
            gpsOffset_ = pos;
            gpsSize_ = box.payloadSize;
            if (!WalkGpsPayload(pos, box.payloadSize, pos)) return false;
        } else if (box.type == GPSA || box.type == GSEA) {
            unsigned char w[4] = {};
            ReadAt(pos, w, sizeof(w));
            (box.type == GPSA ? gpsAttr_ : gsenAttr_) = Le32(w);
            pos += box.payloadSize;
        } else if (box.type == IDIT) {
            if (!ReadIditText(pos, box.payloadSize)) return false;
            pos += box.payloadSize;
        } else {
            pos += box.payloadSize;
        }
    }
    return true;
}

int CZov3gpParser::Parse(const std::string& fullPath) {
    Reset();
    if (!OpenFile(fullPath)) return -1;
    const Box first = ReadBoxHeader(0);
    if (first.type != FTYP) {
        CloseFile();
        return -1;
    }
    fileSize_ = FileLength();
    const bool walked = Walk(8 + std::uint64_t{first.payloadSize});
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
