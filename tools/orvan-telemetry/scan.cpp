#include <iostream>

#include "commands.h"
#include "library/recordingcatalogue.h"
#include "opensource.h"

int RunScan(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "orvan-telemetry scan: expected one PATH\n";
        return 1;
    }
    const auto source = OpenPath("scan", args[0], true);
    if (!source) return 1;
    const RecordingCatalogue& cat = source->catalogue;
    nlohmann::json recordings = nlohmann::json::array();
    for (const VideoFileInfo& r : cat.Recordings()) {
        nlohmann::json j = RecordingJson(r);
        const auto rc = source->parseResults.find(r.FullPath());
        j["parseResult"] = rc == source->parseResults.end() ? -1 : rc->second;
        j["rootFolder"] = r.rootFolder;
        j["subFolder"] = r.subFolder;
        j["groupStart"] = r.groupStart;
        j["rearName"] = r.rear.name;
        j["rearSubFolder"] = r.rear.subFolder;
        j["rearRootFolder"] = r.rear.rootFolder;
        recordings.push_back(std::move(j));
    }
    nlohmann::json groups = nlohmann::json::array();
    for (const FileGroup& g : cat.Groups()) {
        const VideoFileInfo& first = cat.GetRecording(g.first);
        groups.push_back({{"number", g.number},
                          {"first", g.first},
                          {"count", g.count},
                          {"totalDurationMs", g.totalDurationMs},
                          {"totalSize", g.totalSize},
                          {"flags", g.flags},
                          {"resolution", ResolutionName(first.width, first.height)},
                          {"startTime", first.startTime}});
    }
    nlohmann::json rows = nlohmann::json::array();
    for (const FileRow& row : cat.Rows()) {
        rows.push_back({{"groupNumber", row.groupNumber},
                        {"indexInGroup", row.indexInGroup},
                        {"recordingIndex", row.recordingIndex}});
    }
    const nlohmann::json out = {
        {"recordings", std::move(recordings)}, {"groups", std::move(groups)}, {"rows", std::move(rows)}};
    std::cout << out.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    return 0;
}
