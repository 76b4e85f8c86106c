#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "telemetry/records.h"

// Each subcommand returns the process exit status; errors go to stderr as one line.
int RunInfo(const std::vector<std::string>& files);
int RunScan(const std::vector<std::string>& args);
int RunKml(const std::vector<std::string>& args);
int RunTrack(const std::vector<std::string>& args);
int RunGpx(const std::vector<std::string>& args);

// The recording fields every subcommand prints the same way.
nlohmann::json RecordingJson(const VideoFileInfo& info);
