#pragma once

#include <cstdint>

// libavformat sizes its sample index from the counts an MP4 file declares, before it reads the tables that
// should back them: a 574-byte file that declares 80 million samples costs gigabytes. This looks at the
// movie's tables first and refuses a file whose declared counts cannot be true of a file of its size:
// - every table's entry count fits in its own box;
// - constant-size samples fit in the file;
// - all tracks and fragments together declare at most 65,536 + file size / 32 samples (a recording's
//   average sample, picture and sound included, is kilobytes; the recorder's telemetry packets are 12 and 32
//   bytes);
// - at most 16 tracks, at most 65,536 boxes, and no compressed movie header (which would hide the tables).
// fd is read with pread only.
bool Mp4TablesFitFile(int fd, std::uint64_t fileSize);
