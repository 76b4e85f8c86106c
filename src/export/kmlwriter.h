#pragma once

#include <memory>
#include <string>

#include "fileio/fileio.h"

// The KML 2.2 file of one route: UTF-8 without a byte-order mark, LF line ends, the layout the player has
// always written (viewers and scripts downstream compare these files byte for byte).
class KmlWriter {
  public:
    // Starts the file. It is written beside path under a temporary name and takes its name (replacing an
    // earlier file) only at a successful WriteFooter, so a failure never leaves a partial file. 1, or 0 when
    // it cannot be created.
    int OpenForWrite(const std::string& path);
    // Lines 1 to 18. The texts are UTF-8 and are XML-escaped here. 0 when the file is not open or a write
    // failed.
    int WriteHeader(const std::string& name, const std::string& description,
                    const std::string& carDescription);
    // "%f,%f,%d": longitude, latitude, altitude.
    int WritePoint(double latitude, double longitude, int altitude);
    // Writes the closing lines, flushes the file to the disk and gives it its name. 0 when the file was not
    // open or any write since OpenForWrite failed (a full disk shows here at the latest); nothing is then
    // left at the path.
    int WriteFooter();
    bool IsOpen() const { return file_ != nullptr; }

  private:
    int Put(const std::string& text);
    bool Flush();

    std::unique_ptr<fileio::AtomicFile> file_;
    std::string pending_;
    bool failed_ = false;
};
