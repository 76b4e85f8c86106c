// orvan-telemetry: the player's telemetry core from the command line, printing JSON.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"

namespace {

void Usage() {
    std::cerr << "usage: orvan-telemetry info FILE...\n";
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
    Usage();
    return 1;
}
