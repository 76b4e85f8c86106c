#pragma once

// A simulated drive: a car following a polyline of real street coordinates, second by second, with traffic
// light stops, a hard braking, and seconds without a GPS fix. It yields what the recorder would log.

#include <vector>

#include "bytes.h"

namespace samplecard {

struct LatLon {
    double lat = 0, lon = 0;  // degrees
};

struct Waypoint {
    LatLon at;
    double limitKmh = 50;  // speed the driver aims for on the leg that starts here
    int stopSeconds = 0;   // a red light: the car stops here for this long
};

struct DriveEvents {
    int hardBrakeAt = -1;  // second of the drive at which the driver brakes hard (-1: none)
    int noFixFrom = -1;    // first second without a GPS fix
    int noFixSeconds = 0;
};

struct LoggedDrive {
    std::vector<fixtures::Fix> gps;     // one per second; date = start + i seconds
    std::vector<fixtures::Accel> gsen;  // 10 per second
};

constexpr int kGsenPerSecond = 10;
constexpr int kRangeG = 4;  // sensor full scale: a count of 128 is 4 G

// Drives the route for `seconds` seconds from the given local start time.
LoggedDrive Simulate(const std::vector<Waypoint>& route, const DriveEvents& events, int seconds, int year,
                     int month, int day, int hour, int minute);

// Degrees to the recorder's NMEA form ddmm.mmmm.
double ToNmea(double degrees);

}  // namespace samplecard
