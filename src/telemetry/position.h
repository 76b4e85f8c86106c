#pragma once

// The recorder stores positions as NMEA-style ddmm.mmmm doubles. These are the conversions every consumer
// (the clock, the map, the KML export) applies to them.

// d + (v - d) * 100 / 60 with d = v truncated toward zero.
double NmeaToDegrees(double v);

// Divides both by 100; true when both results are below 200.
bool CheckPosition(double& lat, double& lon);

// Replaces both by NmeaToDegrees(value / 100); true when both results are below 200.
bool ConvertPosition(double& lat, double& lon);
