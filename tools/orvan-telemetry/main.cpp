// orvan-telemetry: the player's telemetry core from the command line, printing JSON.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"

namespace {

void Usage() {
    std::cerr << "usage: orvan-telemetry info FILE...\n"
                 "       orvan-telemetry scan PATH\n"
                 "       orvan-telemetry kml FILE --out DIR\n"
                 "       orvan-telemetry track FILE\n"
                 "       orvan-telemetry gpx FILE|FOLDER --out DIR\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage();
        return 1;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "info") return RunInfo(args);
    if (command == "scan") return RunScan(args);
    if (command == "kml") return RunKml(args);
    if (command == "track") return RunTrack(args);
    if (command == "gpx") return RunGpx(args);
    Usage();
    return 1;
}
