#include "telemetry/mp4tablecheck.h"

#include <algorithm>
#include <functional>

#include "fileio/fileio.h"
#include "telemetry/fourcc.h"

namespace {

constexpr FourCC MOOV = TAG("moov");
constexpr FourCC TRAK = TAG("trak");
constexpr FourCC MDIA = TAG("mdia");
constexpr FourCC MINF = TAG("minf");
constexpr FourCC STBL = TAG("stbl");
constexpr FourCC EDTS = TAG("edts");
constexpr FourCC ELST = TAG("elst");
constexpr FourCC UDTA = TAG("udta");
constexpr FourCC META = TAG("meta");
constexpr FourCC KEYS = TAG("keys");
constexpr FourCC CMOV = TAG("cmov");
constexpr FourCC STSZ = TAG("stsz");
constexpr FourCC STZ2 = TAG("stz2");
constexpr FourCC STSC = TAG("stsc");
constexpr FourCC STCO = TAG("stco");
constexpr FourCC CO64 = TAG("co64");
constexpr FourCC STTS = TAG("stts");
constexpr FourCC CTTS = TAG("ctts");
constexpr FourCC STSS = TAG("stss");
constexpr FourCC STPS = TAG("stps");
constexpr FourCC SBGP = TAG("sbgp");
constexpr FourCC MOOF = TAG("moof");
constexpr FourCC TRAF = TAG("traf");
constexpr FourCC TRUN = TAG("trun");

constexpr std::uint64_t kSampleSlack = 1u << 16;
constexpr std::uint64_t kBytesPerSample = 32;
constexpr int kMaxTracks = 16;
constexpr std::uint64_t kMaxBoxes = 1u << 16;
// libavformat reads sound whose time table is one entry of duration 1 (plain PCM) in pieces of 1024
// samples, one index entry per piece rather than per sample.
constexpr std::uint64_t kSamplesPerPiece = 1024;

struct Box {
    FourCC type = 0;
    std::uint64_t payloadPos = 0;
    std::uint64_t payloadSize = 0;
};

std::uint64_t SaturatingMul(std::uint64_t a, std::uint64_t b) {
    if (a != 0 && b > UINT64_MAX / a) return UINT64_MAX;
    return a * b;
}

std::uint64_t SaturatingAdd(std::uint64_t a, std::uint64_t b) {
    return b > UINT64_MAX - a ? UINT64_MAX : a + b;
}

class Checker {
  public:
    Checker(int fd, std::uint64_t fileSize) : fd_(fd), fileSize_(fileSize) {}

    bool Run() {
        bool movieSeen = false;
        const bool walked = ForEach(0, fileSize_, [&](const Box& b) {
            if (b.type == MOOV && !movieSeen) {
                movieSeen = true;  // libavformat reads only the first
                return Movie(b);
            }
            if (b.type == MOOF) return Fragment(b);
            return true;
        });
        return walked && samples_ <= kSampleSlack + fileSize_ / kBytesPerSample;
    }

  private:
    struct Track {
        std::uint32_t sampleSize = 0;
        std::uint64_t sampleCount = 0;
        std::uint64_t chunkCount = 0;
        Box stsc;
        bool pieces = false;  // read in pieces of kSamplesPerPiece
    };

    std::uint32_t U32(std::uint64_t pos) const {
        unsigned char b[4] = {};
        fileio::ReadAt(fd_, pos, b, sizeof b);
        return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
    }

    // The children of [pos, end), each clamped to its parent as libavformat does. False when f refuses one
    // or there are more boxes than any recording has.
    bool ForEach(std::uint64_t pos, std::uint64_t end, const std::function<bool(const Box&)>& f) {
        while (end > pos && end - pos >= 8) {
            if (++boxes_ > kMaxBoxes) return false;
            std::uint64_t size = U32(pos);
            Box b;
            b.type = TypeAt(pos + 4);
            std::uint64_t header = 8;
            if (size == 1) {
                if (end - pos < 16) return true;
                size = std::uint64_t{U32(pos + 8)} << 32 | U32(pos + 12);
                header = 16;
            } else if (size == 0) {
                size = end - pos;
            }
            if (size < header) return true;  // libavformat stops reading this level here too
            size = std::min(size, end - pos);
            b.payloadPos = pos + header;
            b.payloadSize = size - header;
            if (!f(b)) return false;
            pos += size;
        }
        return true;
    }

    FourCC TypeAt(std::uint64_t pos) const {
        unsigned char b[4] = {};
        fileio::ReadAt(fd_, pos, b, sizeof b);
        return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
               std::uint32_t{b[3]} << 24;
    }

    // A full box's table: version and flags, an entry count, then count entries of entrySize bytes after
    // extra header bytes. False when the count cannot fit in the box.
    bool TableFits(const Box& b, std::uint64_t entrySize, std::uint64_t extra = 0) const {
        if (b.payloadSize < 8 + extra) return false;
        return U32(b.payloadPos + 4 + extra) <= (b.payloadSize - 8 - extra) / entrySize;
    }

    bool Movie(const Box& moov) {
        return ForEach(moov.payloadPos, moov.payloadPos + moov.payloadSize, [&](const Box& b) {
            if (b.type == CMOV) return false;  // tables we could not check
            if (b.type == TRAK) return ++tracks_ <= kMaxTracks && TrackBox(b);
            if (b.type == UDTA || b.type == META) return Metadata(b);
            return true;
        });
    }

    bool Metadata(const Box& box) {
        // "meta" is a full box in MP4 and a plain one in QuickTime: its children start after 4 more bytes
        // when the next word is not a box size that fits.
        std::uint64_t pos = box.payloadPos;
        if (box.type == META && box.payloadSize >= 4 && U32(pos) == 0) pos += 4;
        return ForEach(pos, box.payloadPos + box.payloadSize, [&](const Box& b) {
            if (b.type == KEYS) return TableFits(b, 8);
            if (b.type == META || b.type == UDTA) return Metadata(b);
            return true;
        });
    }

    bool TrackBox(const Box& trak) {
        Track t;
        const bool walked = ForEach(trak.payloadPos, trak.payloadPos + trak.payloadSize, [&](const Box& b) {
            if (b.type == MDIA || b.type == MINF) return Descend(b, t);
            if (b.type == EDTS) {
                return ForEach(b.payloadPos, b.payloadPos + b.payloadSize, [&](const Box& e) {
                    // Version 1 entries are 20 bytes, version 0 entries 12.
                    return e.type != ELST ||
                           TableFits(e, e.payloadSize >= 1 && U32(e.payloadPos) >> 24 ? 20 : 12);
                });
            }
            if (b.type == UDTA || b.type == META) return Metadata(b);
            return true;
        });
        return walked && CountTrack(t);
    }

    bool Descend(const Box& box, Track& t) {
        return ForEach(box.payloadPos, box.payloadPos + box.payloadSize, [&](const Box& b) {
            if (b.type == MINF) return Descend(b, t);
            if (b.type == STBL) return SampleTable(b, t);
            return true;
        });
    }

    bool SampleTable(const Box& stbl, Track& t) {
        return ForEach(stbl.payloadPos, stbl.payloadPos + stbl.payloadSize, [&](const Box& b) {
            switch (b.type) {
                case STSZ:
                    if (b.payloadSize < 12) return false;
                    t.sampleSize = U32(b.payloadPos + 4);
                    t.sampleCount = U32(b.payloadPos + 8);
                    return t.sampleSize != 0 || TableFits(b, 4, 4);
                case STZ2: {
                    if (b.payloadSize < 12) return false;
                    const std::uint64_t bits = U32(b.payloadPos + 4) & 0xff;
                    t.sampleCount = U32(b.payloadPos + 8);
                    return SaturatingMul(t.sampleCount, bits) <= (b.payloadSize - 12) * 8;
                }
                case STCO:
                case CO64:
                    if (!TableFits(b, b.type == STCO ? 4 : 8)) return false;
                    t.chunkCount = U32(b.payloadPos + 4);
                    return true;
                case STSC:
                    t.stsc = b;
                    return TableFits(b, 12);
                case STTS:
                    if (!TableFits(b, 8)) return false;
                    t.pieces = U32(b.payloadPos + 4) == 1 && U32(b.payloadPos + 12) == 1;
                    return true;
                case CTTS:
                    return TableFits(b, 8);
                case SBGP:
                    // The grouping type, and from version 1 on its parameter, come before the count.
                    return b.payloadSize >= 1 && TableFits(b, 8, U32(b.payloadPos) >> 24 ? 8 : 4);
                case STSS:
                case STPS:
                    return TableFits(b, 4);
                default:
                    return true;
            }
        });
    }

    // Samples the chunk table declares: each run of chunks times its samples per chunk.
    std::uint64_t ChunkTableSamples(const Track& t) const {
        if (t.stsc.payloadSize < 8) return 0;
        const std::uint64_t entries = U32(t.stsc.payloadPos + 4);
        std::uint64_t total = 0;
        unsigned char buf[12 * 341];
        std::uint64_t prevFirst = 0, prevPerChunk = 0;
        for (std::uint64_t i = 0; i < entries; i += sizeof buf / 12) {
            const std::uint64_t n = std::min<std::uint64_t>(entries - i, sizeof buf / 12);
            if (!fileio::ReadExactlyAt(fd_, t.stsc.payloadPos + 8 + i * 12, buf, n * 12)) return UINT64_MAX;
            for (std::uint64_t k = 0; k < n; ++k) {
                const unsigned char* e = buf + k * 12;
                const std::uint64_t first =
                    std::uint64_t{e[0]} << 24 | std::uint64_t{e[1]} << 16 | std::uint64_t{e[2]} << 8 | e[3];
                const std::uint64_t perChunk =
                    std::uint64_t{e[4]} << 24 | std::uint64_t{e[5]} << 16 | std::uint64_t{e[6]} << 8 | e[7];
                if (i + k > 0 && first > prevFirst)
                    total = SaturatingAdd(total, SaturatingMul(first - prevFirst, prevPerChunk));
                prevFirst = first;
                prevPerChunk = perChunk;
            }
        }
        if (entries > 0 && t.chunkCount + 1 > prevFirst)
            total = SaturatingAdd(total, SaturatingMul(t.chunkCount + 1 - prevFirst, prevPerChunk));
        return total;
    }

    bool CountTrack(const Track& t) {
        std::uint64_t declared = t.sampleCount;
        if (t.pieces) {
            const std::uint64_t inChunks = ChunkTableSamples(t);
            declared = SaturatingAdd(inChunks / kSamplesPerPiece, t.chunkCount);
            if (t.sampleSize != 0 && inChunks > fileSize_ / t.sampleSize) return false;
        }
        if (t.sampleSize != 0 && t.sampleCount > fileSize_ / t.sampleSize) return false;
        samples_ = SaturatingAdd(samples_, declared);
        return true;
    }

    bool Fragment(const Box& moof) {
        return ForEach(moof.payloadPos, moof.payloadPos + moof.payloadSize, [&](const Box& traf) {
            if (traf.type != TRAF) return true;
            return ForEach(traf.payloadPos, traf.payloadPos + traf.payloadSize, [&](const Box& b) {
                if (b.type != TRUN) return true;
                if (b.payloadSize < 8) return false;
                const std::uint32_t flags = U32(b.payloadPos) & 0xffffff;
                const std::uint64_t count = U32(b.payloadPos + 4);
                const std::uint64_t header = 8 + (flags & 0x1 ? 4 : 0) + (flags & 0x4 ? 4 : 0);
                const std::uint64_t perSample = 4 * ((flags & 0x100 ? 1 : 0) + (flags & 0x200 ? 1 : 0) +
                                                     (flags & 0x400 ? 1 : 0) + (flags & 0x800 ? 1 : 0));
                if (b.payloadSize < header) return false;
                if (perSample != 0 && count > (b.payloadSize - header) / perSample) return false;
                samples_ = SaturatingAdd(samples_, count);
                return true;
            });
        });
    }

    int fd_;
    std::uint64_t fileSize_;
    std::uint64_t boxes_ = 0;
    std::uint64_t samples_ = 0;
    int tracks_ = 0;
};

}  // namespace

bool Mp4TablesFitFile(int fd, std::uint64_t fileSize) {
    return Checker(fd, fileSize).Run();
}
