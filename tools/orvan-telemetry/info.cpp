#include <cstdio>
#include <filesystem>
#include <iostream>

#include "commands.h"
#include "telemetry/readrecording.h"

namespace fs = std::filesystem;

nlohmann::json RecordingJson(const VideoFileInfo& info) {
    return {{"name", info.name},
            {"width", info.width},
            {"height", info.height},
            {"startTime", info.startTime},
            {"durationMs", info.durationMs},
            {"durationSpan", info.durationSpan},
            {"fileSize", info.fileSize},
            {"gpsOffset", info.gpsOffset},
            {"gpsSize", info.gpsSize},
            {"gsenOffset", info.gsenOffset},
            {"gsenSize", info.gsenSize},
            {"gpsAttr", info.gpsAttr},
            {"gsenAttr", info.gsenAttr},
            {"gpsTrack", info.gpsTrack.size()},
            {"gsenTrack", info.gsenTrack.size()},
            {"flags", info.flags}};
}

static const char* ReaderName(ReaderKind k) {
    switch (k) {
        case ReaderKind::Avi:
            return "avi";
        case ReaderKind::Mp4:
            return "mp4";
        case ReaderKind::Box:
            break;
    }
    return "box";
}

int RunInfo(const std::vector<std::string>& files) {
    if (files.empty()) {
        std::cerr << "orvan-telemetry info: no file given\n";
        return 1;
    }
    int status = 0;
    for (const std::string& file : files) {
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) {
            std::cerr << "orvan-telemetry: " << file << ": no such file\n";
            status = 1;
            continue;
        }
        const fs::path p(file);
        // A bare name is in the working folder; an empty folder would be the root.
        const SingleRead r =
            ReadSingleRecording(p.has_parent_path() ? p.parent_path().string() : ".", p.filename().string());
        nlohmann::json j = RecordingJson(r.info);
        j["path"] = file;
        j["reader"] = ReaderName(r.reader);
        j["parseResult"] = r.parseResult;
        std::cout << j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    }
    return status;
}
