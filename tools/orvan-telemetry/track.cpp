#include <iostream>

#include "commands.h"
#include "library/route.h"
#include "opensource.h"

int RunTrack(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "orvan-telemetry track: expected one FILE\n";
        return 1;
    }
    const auto source = OpenPath("track", args[0], false);
    if (!source) return 1;
    RecordingCatalogue& cat = source->catalogue;
    if (cat.GetCount() == 0 || cat.LoadTelemetry(0) != 1) {
        std::cerr << "orvan-telemetry track: " << args[0] << ": cannot be read\n";
        return 1;
    }
    const auto samples = cat.GpsSamples();
    const double rate = cat.GpsRate();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const GpsSample& s = samples[i];
        double lat = 0, lon = 0;
        const bool usable = UsablePosition(s, lat, lon);
        nlohmann::json j = {{"i", i},
                            {"t", static_cast<double>(i) / rate},
                            {"lat", usable ? nlohmann::json(lat) : nlohmann::json(nullptr)},
                            {"lon", usable ? nlohmann::json(lon) : nlohmann::json(nullptr)},
                            {"alt", s.altitude},
                            {"speed", s.speed},
                            {"heading", s.heading * 2},
                            {"fix", s.HasFix()}};
        std::cout << j.dump() << '\n';
    }
    return 0;
}
