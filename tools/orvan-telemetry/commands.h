#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "telemetry/records.h"

// Each subcommand returns the process exit status; errors go to stderr as one line.
int RunInfo(const std::vector<std::string>& files);

// The recording fields every subcommand prints the same way.
nlohmann::json RecordingJson(const VideoFileInfo& info);
