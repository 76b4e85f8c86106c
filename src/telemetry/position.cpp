#include "telemetry/position.h"

#include <cmath>

double NmeaToDegrees(double v) {
    const double d = std::trunc(v);
    return d + (v - d) * 100.0 / 60.0;
}

bool CheckPosition(double& lat, double& lon) {
    lat /= 100.0;
    lon /= 100.0;
    return lat < 200.0 && lon < 200.0;
}

bool ConvertPosition(double& lat, double& lon) {
    lat = NmeaToDegrees(lat / 100.0);
    lon = NmeaToDegrees(lon / 100.0);
    return lat < 200.0 && lon < 200.0;
}
