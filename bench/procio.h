#pragma once

#include <cstdint>
#include <fstream>
#include <string>

// Bytes this process has read through system calls so far (rchar of /proc/self/io): what the page cache
// served counts too, which is what "bytes read" means for a warm-cache benchmark.
inline std::uint64_t BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") return value;
    }
    return 0;
}
