#pragma once

#include <initializer_list>

#include "telemetry/fourcc.h"
#include "telemetry/zovvideoparser.h"

// Reads ISO base-media recordings (3GP, MOV, and MP4 named with an upper-case extension) by walking their
// top-level boxes and the boxes directly inside "moov". A size field of 1 announces a 64-bit size after the
// type (every MOV over 4 GiB has one); a size of 0 or below the header's own length ends the walk. The
// private telemetry boxes carry little-endian payloads like the AVI chunks.
class CZov3gpParser : public CZovStoringParser {
  public:
    int Parse(const std::string& fullPath) override;

  private:
    struct Box {
        FourCC type = 0;
        std::uint32_t headerSize = 8;   // 16 with a 64-bit size
        std::uint64_t payloadSize = 0;  // size - header, wrapping: a broken size ends the walk
    };
    struct Found {
        std::uint64_t payloadSize = 0;  // 0: not found
        std::uint64_t payloadPos = 0;
    };

    int ParseFile(const std::string& fullPath);
    Box ReadBoxHeader(std::uint64_t pos) const;
    Found FindSiblingBox(FourCC type, std::uint64_t pos, std::uint64_t limit) const;
    Found FindBoxPath(std::initializer_list<FourCC> path, std::uint64_t pos, std::uint64_t limit) const;
    void ReadMovieFacts(std::uint64_t payloadPos, std::uint64_t payloadSize);
    bool Walk(std::uint64_t pos);
};
