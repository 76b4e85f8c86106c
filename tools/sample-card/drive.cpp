#include "drive.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace samplecard {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEarthRadius = 6371000.0;
constexpr double kG = 9.81;
constexpr double kAccel = 1.8;      // m/s^2, an unhurried start
constexpr double kBrake = 2.5;      // m/s^2, ordinary braking
constexpr double kHardBrake = 8.0;  // m/s^2, about 0.8 G
constexpr double kTick = 1.0 / kGsenPerSecond;

double Rad(double d) {
    return d * kPi / 180.0;
}

double Distance(LatLon a, LatLon b) {
    const double dlat = Rad(b.lat - a.lat), dlon = Rad(b.lon - a.lon);
    const double h = std::sin(dlat / 2) * std::sin(dlat / 2) +
                     std::cos(Rad(a.lat)) * std::cos(Rad(b.lat)) * std::sin(dlon / 2) * std::sin(dlon / 2);
    return 2 * kEarthRadius * std::asin(std::sqrt(h));
}

double Bearing(LatLon a, LatLon b) {
    const double y = std::sin(Rad(b.lon - a.lon)) * std::cos(Rad(b.lat));
    const double x = std::cos(Rad(a.lat)) * std::sin(Rad(b.lat)) -
                     std::sin(Rad(a.lat)) * std::cos(Rad(b.lat)) * std::cos(Rad(b.lon - a.lon));
    return std::fmod(std::atan2(y, x) * 180.0 / kPi + 360.0, 360.0);
}

// A small deterministic jitter, so the curves look measured rather than drawn.
double Noise(unsigned& state) {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / static_cast<double>(1u << 24) - 0.5;
}

std::int8_t Count(double g) {
    return static_cast<std::int8_t>(std::clamp(std::lround(g * 128.0 / kRangeG), -127L, 127L));
}

}  // namespace

double ToNmea(double degrees) {
    const double whole = std::trunc(degrees);
    return whole * 100.0 + (degrees - whole) * 60.0;
}

LoggedDrive Simulate(const std::vector<Waypoint>& route, const DriveEvents& events, int seconds, int year,
                     int month, int day, int hour, int minute) {
    LoggedDrive out;
    std::size_t leg = 0;  // the car is between route[leg] and route[leg + 1]
    double along = 0;     // metres into that leg
    double speed = 0;     // m/s
    double stopLeft = route.empty() ? 0 : route[0].stopSeconds;
    double lastHeading = route.size() > 1 ? Bearing(route[0].at, route[1].at) : 0;
    bool braking = false;
    unsigned noise = 12345;

    std::tm start{};
    start.tm_year = year - 1900, start.tm_mon = month - 1, start.tm_mday = day;
    start.tm_hour = hour, start.tm_min = minute, start.tm_isdst = -1;
    const std::time_t t0 = std::mktime(&start);

    for (int tick = 0; tick < seconds * kGsenPerSecond; ++tick) {
        const double t = tick * kTick;
        const bool atEnd = leg + 1 >= route.size();
        const double legLength = atEnd ? 0 : Distance(route[leg].at, route[leg + 1].at);
        const double limit = atEnd ? 0 : route[leg].limitKmh / 3.6;
        if (events.hardBrakeAt >= 0 && t >= events.hardBrakeAt && t < events.hardBrakeAt + 0.1)
            braking = true;

        // Aim for the limit, but be able to stop at the next red light or the end of the route.
        const double toStop = legLength - along;
        const bool stopAhead =
            atEnd || (leg + 1 < route.size() && route[leg + 1].stopSeconds > 0) || leg + 2 >= route.size();
        double target = limit;
        // Creep the last metres: the stop itself happens once the waypoint is passed.
        if (stopAhead)
            target = std::min(target, std::max(1.5, std::sqrt(2 * kBrake * std::max(0.0, toStop))));
        double accel = 0;
        if (stopLeft > 0) {
            stopLeft -= kTick;
            accel = -std::min(kBrake, speed / kTick);
        } else if (braking) {
            accel = -kHardBrake;
            if (speed + accel * kTick <= 0) {
                braking = false;
                stopLeft = 4;  // a moment to collect oneself
            }
        } else if (speed < target) {
            accel = std::min(kAccel, (target - speed) / kTick);
        } else {
            accel = -std::min(kBrake, (speed - target) / kTick);
        }
        speed = std::max(0.0, speed + accel * kTick);
        along += speed * kTick;
        while (leg + 1 < route.size() && along >= Distance(route[leg].at, route[leg + 1].at)) {
            along -= Distance(route[leg].at, route[leg + 1].at);
            ++leg;
            if (leg < route.size()) stopLeft = route[leg].stopSeconds;
            if (leg + 1 >= route.size()) along = 0;
        }

        LatLon pos = route.empty() ? LatLon{} : route[std::min(leg, route.size() - 1)].at;
        double heading = lastHeading;
        if (leg + 1 < route.size()) {
            const LatLon a = route[leg].at, b = route[leg + 1].at;
            const double f = std::min(1.0, along / std::max(1.0, Distance(a, b)));
            pos = {a.lat + (b.lat - a.lat) * f, a.lon + (b.lon - a.lon) * f};
            heading = Bearing(a, b);
        }
        double turn = heading - lastHeading;
        if (turn > 180) turn -= 360;
        if (turn < -180) turn += 360;
        lastHeading = heading;

        // Longitudinal, lateral and vertical acceleration in G as the sensor sees them.
        const double gx = accel / kG + 0.02 * Noise(noise);
        const double gy =
            std::clamp(turn * kPi / 180.0 / kTick * speed / kG, -0.6, 0.6) + 0.02 * Noise(noise);
        const double gz = 1.0 + (speed > 0 ? 0.06 : 0.01) * Noise(noise);
        out.gsen.push_back({Count(gx), Count(gy), Count(gz)});

        if (tick % kGsenPerSecond == 0) {
            const int second = tick / kGsenPerSecond;
            const std::time_t when = t0 + second;
            std::tm local{};
            localtime_r(&when, &local);
            fixtures::Fix f;
            f.year = local.tm_year + 1900, f.month = local.tm_mon + 1, f.day = local.tm_mday;
            f.hour = local.tm_hour, f.minute = local.tm_min, f.second = local.tm_sec;
            const bool noFix = second >= events.noFixFrom && second < events.noFixFrom + events.noFixSeconds;
            // Without a fix the module still keeps the time but reports no position, speed or course.
            f.valid = !noFix;
            if (!noFix) {
                f.lat = ToNmea(pos.lat);
                f.lon = ToNmea(pos.lon);
                f.altitude = 34 + static_cast<int>(std::lround(3 * Noise(noise)));
                f.speed = static_cast<int>(std::lround(speed * 3.6));
                f.heading = static_cast<int>(std::lround(heading)) % 360;
            }
            out.gps.push_back(f);
        }
    }
    return out;
}

}  // namespace samplecard
