#include "telemetry/recordername.h"

bool HasGMark(std::string_view name) {
    int chars = 0;
    for (const char c : name) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;  // inside a character
        if (++chars == 4) return c == 'G';
    }
    return false;
}

bool IsMp4Name(std::string_view name) {
    return name.ends_with(".mp4");
}
