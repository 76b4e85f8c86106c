#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "library/mapview.h"
#include "telemetry/records.h"

// Which GPS samples reach the map, and as what. A sample is usable when its fix bit is set and
// CheckPosition accepts it; it is sent as NmeaToDegrees of both coordinates.

// "path_plot" for every usable sample, in sample order.
void DrawRoute(MapView& map, std::span<const GpsSample> samples);

// The driven part up to timeMs: "pathdrived_delete()", then "pathdrived_plot" for the usable samples among
// the first trunc(timeMs * rate / 1000), at most all of them. A rate of 0 counts as 1.
void DrawDrivenPath(MapView& map, std::span<const GpsSample> samples, double rate, std::uint32_t timeMs);

// The usable position of a sample in degrees; false when it has no fix or no plausible position.
bool UsablePosition(const GpsSample& s, double& latDeg, double& lonDeg);
