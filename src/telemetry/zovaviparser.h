#pragma once

#include "telemetry/zovvideoparser.h"

// Reads the RIFF structure of a recorder AVI: picture size, duration, rate words, start time and where the
// private "gps0" and "gsen" chunks lie. It never reads the "movi" payload.
class CZovAviParser : public CZovStoringParser {
  public:
    int Parse(const std::string& fullPath) override;

  private:
    int ParseFile(const std::string& fullPath);
    bool Walk();
    std::uint64_t ReadAvih(std::uint64_t pos);
    std::uint64_t ReadStrh(std::uint64_t pos);
    std::uint64_t ReadVideoStrf(std::uint64_t pos);
    std::uint32_t ReadU32(std::uint64_t pos) const;

    bool truncated_ = false;
};
