#include "library/route.h"

#include <cmath>

#include "telemetry/position.h"

bool UsablePosition(const GpsSample& s, double& latDeg, double& lonDeg) {
    if (!s.HasFix()) return false;
    double lat = s.latitude, lon = s.longitude;
    if (!CheckPosition(lat, lon)) return false;
    latDeg = NmeaToDegrees(lat);
    lonDeg = NmeaToDegrees(lon);
    return true;
}

void DrawRoute(MapView& map, std::span<const GpsSample> samples) {
    double lat = 0, lon = 0;
    for (const GpsSample& s : samples) {
        if (UsablePosition(s, lat, lon)) map.PathPlot(lat, lon);
    }
}

void DrawDrivenPath(MapView& map, std::span<const GpsSample> samples, double rate, std::uint32_t timeMs) {
    if (rate == 0) rate = 1.0;
    const double wanted = std::trunc(static_cast<double>(timeMs) * rate / 1000.0);
    std::size_t n = samples.size();
    if (wanted >= 0 && wanted < static_cast<double>(n)) n = static_cast<std::size_t>(wanted);
    map.PathDrivedDelete();
    double lat = 0, lon = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (UsablePosition(samples[i], lat, lon)) map.PathDrivedPlot(lat, lon);
    }
}
