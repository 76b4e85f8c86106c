#pragma once

#include <cstdint>

// A four-character code as its four bytes read little-endian, so TAG("gps0") equals the id read from a file.
using FourCC = std::uint32_t;
constexpr FourCC TAG(const char (&s)[5]) {
    return std::uint32_t(static_cast<unsigned char>(s[0])) |
           std::uint32_t(static_cast<unsigned char>(s[1])) << 8 |
           std::uint32_t(static_cast<unsigned char>(s[2])) << 16 |
           std::uint32_t(static_cast<unsigned char>(s[3])) << 24;
}
