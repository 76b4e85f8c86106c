#include <filesystem>
#include <iostream>

#include "commands.h"
#include "export/exportgpx.h"
#include "export/exportkml.h"
#include "opensource.h"

// One GPX file per recording for a file, one per group (a <trkseg> per recording) for a folder.
int RunGpx(const std::vector<std::string>& args) {
    const auto io = ParseInOut("gpx", args);
    if (!io) return 1;
    const auto source = OpenPath("gpx", io->input, true);
    if (!source || !EnsureFolder("gpx", io->out)) return 1;
    RecordingCatalogue& cat = source->catalogue;
    const bool folder = std::filesystem::is_directory(io->input);
    const std::string out = io->out.back() == '/' ? io->out : io->out + "/";
    int status = 0;
    for (const FileGroup& g : cat.Groups()) {
        std::vector<int> members;
        for (int k = 0; k < g.count; ++k) members.push_back(g.first + k);
        const std::string stem = std::filesystem::path(cat.GetRecording(g.first).name).stem().string();
        const std::string name = folder ? "G" + std::to_string(g.number) + "_" + stem : stem;
        const std::string path = out + name + ".gpx";
        if (ExportGpx(cat, members, name, path) != 1) {
            std::cerr << "orvan-telemetry gpx: " << path << ": cannot be written\n";
            status = 1;
            continue;
        }
        std::cout << path << '\n';
    }
    return status;
}
