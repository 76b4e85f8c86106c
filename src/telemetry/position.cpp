#include "telemetry/position.h"

#include <cmath>

namespace {

// Below 200 in size either way: negative values are the southern and western hemispheres. NaN and the
// infinities a damaged record can hold are no position at all.
bool Plausible(double v) {
    return std::isfinite(v) && v < 200.0 && v > -200.0;
}

}  // namespace

double NmeaToDegrees(double v) {
    const double d = std::trunc(v);
    return d + (v - d) * 100.0 / 60.0;
}

bool CheckPosition(double& lat, double& lon) {
    lat /= 100.0;
    lon /= 100.0;
    return Plausible(lat) && Plausible(lon);
}

bool ConvertPosition(double& lat, double& lon) {
    lat = NmeaToDegrees(lat / 100.0);
    lon = NmeaToDegrees(lon / 100.0);
    return Plausible(lat) && Plausible(lon);
}
