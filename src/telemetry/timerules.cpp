#include "telemetry/timerules.h"

#include <cstdio>
#include <cstring>
#include <ctime>

bool IsValidDateTime(int year, int month, int day, int hour, int minute, int second) {
    return year >= 1900 && month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour >= 0 && hour <= 23 &&
           minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

std::optional<TimeValue> LocalTimeValue(int year, int month, int day, int hour, int minute, int second) {
    if (year < 1970) return std::nullopt;
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    const std::time_t t = std::mktime(&tm);
    // mktime's error value -1 is also a real instant, but one before 1970, which is refused anyway.
    if (t < 0) return std::nullopt;
    return static_cast<TimeValue>(t);
}

DateFields ScanIditText(const char* data, std::size_t size) {
    char text[64] = {};
    std::memcpy(text, data, size < sizeof(text) - 1 ? size : sizeof(text) - 1);
    DateFields f;
    std::sscanf(text, "%04d-%02d-%02d %02d:%02d:%02d", &f.year, &f.month, &f.day, &f.hour, &f.minute,
                &f.second);
    return f;
}
