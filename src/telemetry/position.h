#pragma once

// The recorder stores positions as NMEA-style ddmm.mmmm doubles. These are the conversions every consumer
// (the clock, the map, the KML export) applies to them.

// d + (v - d) * 100 / 60 with d = v truncated toward zero.
double NmeaToDegrees(double v);

// Divides both by 100; true when both results are finite and between -200 and 200 (exclusive).
bool CheckPosition(double& lat, double& lon);

// Replaces both by NmeaToDegrees(value / 100); true when both results are finite and between -200 and 200
// (exclusive).
bool ConvertPosition(double& lat, double& lon);
