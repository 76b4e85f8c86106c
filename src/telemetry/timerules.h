#pragma once

#include <optional>

#include "telemetry/records.h"

// True when the six calendar fields form a date the recorder could have written.
bool IsValidDateTime(int year, int month, int day, int hour, int minute, int second);

// The calendar fields taken as the computer's local time (daylight saving left to the C library, days past
// the month's end rolled over). Refused (nullopt) for a year before 1970, a result before 1970-01-01
// 00:00:00 UTC, or one the C library cannot represent; a reader that gets a refusal fails.
std::optional<TimeValue> LocalTimeValue(int year, int month, int day, int hour, int minute, int second);

// The six numbers of an "IDIT" date text "YYYY-MM-DD hh:mm:ss"; fields that do not match stay 0.
// At most the first 63 bytes of the payload are looked at.
struct DateFields {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
DateFields ScanIditText(const char* data, std::size_t size);
