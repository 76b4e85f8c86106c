#include "opensource.h"

#include <filesystem>
#include <iostream>

#include "library/fileoperations.h"

namespace fs = std::filesystem;

std::unique_ptr<OpenedSource> OpenPath(const std::string& command, const std::string& path,
                                       bool allowFolder) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    const bool folder = fs::is_directory(st);
    if (!fs::exists(st) || (folder && !allowFolder) || (!folder && !fs::is_regular_file(st))) {
        std::cerr << "orvan-telemetry " << command << ": " << path << ": no such "
                  << (allowFolder ? "file or folder" : "file") << '\n';
        return nullptr;
    }
    auto source = std::make_unique<OpenedSource>();
    source->catalogue.SetReadObserver(
        [s = source.get()](const VideoFileInfo& info, int rc) { s->parseResults[info.FullPath()] = rc; });
    int opened = 0;
    if (folder) {
        opened = source->catalogue.OpenSource(path, "");
    } else {
        const fs::path p(path);
        const std::string parent = p.has_parent_path() ? p.parent_path().string() : ".";
        opened = source->catalogue.OpenSource(parent, p.filename().string());
    }
    if (!opened) {
        std::cerr << "orvan-telemetry " << command << ": " << path << ": cannot be read\n";
        return nullptr;
    }
    return source;
}

std::optional<InOut> ParseInOut(const std::string& command, const std::vector<std::string>& args) {
    InOut io;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size()) {
            io.out = args[++i];
        } else if (io.input.empty() && args[i].rfind("--", 0) != 0) {
            io.input = args[i];
        } else {
            io.input.clear();
            break;
        }
    }
    if (io.input.empty() || io.out.empty()) {
        std::cerr << "orvan-telemetry " << command << ": expected FILE --out DIR\n";
        return std::nullopt;
    }
    return io;
}

bool EnsureFolder(const std::string& command, const std::string& folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return true;
    MakeFolderPath(folder);
    if (fs::is_directory(folder, ec)) return true;
    std::cerr << "orvan-telemetry " << command << ": " << folder << ": cannot make the folder\n";
    return false;
}
