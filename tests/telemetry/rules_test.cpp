#include <cmath>
#include <cstdlib>
#include <limits>

#include <gtest/gtest.h>

#include "telemetry/position.h"
#include "telemetry/recordername.h"
#include "telemetry/timerules.h"
#include "telemetry/zovvideoparser.h"

TEST(DateRules, ValidityBounds) {
    struct Case {
        int y, mo, d, h, mi, s;
        bool valid;
    } cases[] = {
        {2024, 1, 1, 0, 0, 0, true},   {1900, 12, 31, 23, 59, 59, true}, {1899, 1, 1, 0, 0, 0, false},
        {2024, 0, 1, 0, 0, 0, false},  {2024, 13, 1, 0, 0, 0, false},    {2024, 1, 0, 0, 0, 0, false},
        {2024, 1, 32, 0, 0, 0, false}, {2024, 1, 1, 24, 0, 0, false},    {2024, 1, 1, 0, 60, 0, false},
        {2024, 1, 1, 0, 0, 60, false}, {2024, 2, 31, 0, 0, 0, true},     {2024, 1, 1, -1, 0, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s), c.valid)
            << c.y << "-" << c.mo << "-" << c.d;
}

TEST(DateRules, LocalTimeIsTheComputersZoneWithRollover) {
    // Tests run with TZ=Europe/Berlin: winter UTC+1, summer UTC+2.
    EXPECT_EQ(LocalTimeValue(2024, 1, 1, 1, 0, 0), 1704067200);  // 2024-01-01 00:00 UTC
    EXPECT_EQ(LocalTimeValue(2024, 7, 1, 2, 0, 0), 1719792000);  // 2024-07-01 00:00 UTC
    EXPECT_EQ(LocalTimeValue(2024, 2, 30, 8, 0, 0), LocalTimeValue(2024, 3, 1, 8, 0, 0));
    EXPECT_EQ(LocalTimeValue(1970, 1, 1, 1, 0, 0), 0);
}

TEST(DateRules, LocalTimeRefusesBefore1970) {
    EXPECT_FALSE(LocalTimeValue(1969, 12, 31, 23, 0, 0));
    EXPECT_FALSE(LocalTimeValue(1900, 1, 1, 0, 0, 0));
    // 00:30 local in Berlin is 1969-12-31 23:30 UTC: before the epoch, refused.
    EXPECT_FALSE(LocalTimeValue(1970, 1, 1, 0, 30, 0));
}

TEST(DateRules, IditTextScan) {
    const char good[] = "2023-07-15 08:30:05";
    DateFields f = ScanIditText(good, sizeof(good) - 1);
    EXPECT_EQ(f.year, 2023);
    EXPECT_EQ(f.month, 7);
    EXPECT_EQ(f.second, 5);
    f = ScanIditText("2023-07", 7);  // fields that do not match stay 0
    EXPECT_EQ(f.month, 7);
    EXPECT_EQ(f.day, 0);
    // A long payload is cut to 63 bytes and never read past.
    std::string longText = "2023-07-15 08:30:05" + std::string(5000, 'x');
    EXPECT_EQ(ScanIditText(longText.data(), longText.size()).hour, 8);
}

TEST(Position, Conversions) {
    EXPECT_NEAR(NmeaToDegrees(22.321234), 22.535390, 1e-6);
    EXPECT_NEAR(NmeaToDegrees(-22.321234), -22.535390, 1e-6);  // truncation keeps the sign

    double lat = 2232.1234, lon = 11403.2268;
    EXPECT_TRUE(CheckPosition(lat, lon));
    EXPECT_NEAR(lat, 22.321234, 1e-9);
    EXPECT_NEAR(NmeaToDegrees(lat), 22.535390, 1e-6);
    EXPECT_NEAR(NmeaToDegrees(lon), 114.053780, 1e-6);

    lat = 2232.1234, lon = 11403.2268;
    EXPECT_TRUE(ConvertPosition(lat, lon));
    EXPECT_NEAR(lat, 22.535390, 1e-6);
    EXPECT_NEAR(lon, 114.053780, 1e-6);

    lat = 20000.0, lon = 100.0;  // 200 is not below 200
    EXPECT_FALSE(CheckPosition(lat, lon));
    lat = 100.0, lon = 19999.0;
    EXPECT_TRUE(CheckPosition(lat, lon));
    lat = std::nan(""), lon = 100.0;
    EXPECT_FALSE(CheckPosition(lat, lon));
}

TEST(Position, OnlyFiniteValuesWithin200EitherWayArePositions) {
    // Negative values are the southern and western hemispheres; NaN, the infinities and values of 200 or
    // more in size are what bit rot leaves in a record whose fix bit is set.
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double lat, lon;
        bool position;
    } cases[] = {
        {-3352.0, -15112.0, true}, {-19900.0, -19900.0, true},   {-20000.0, 100.0, false},
        {100.0, -20000.0, false},  {-inf, 100.0, false},         {100.0, -inf, false},
        {inf, 100.0, false},       {std::nan(""), 100.0, false}, {100.0, -std::nan(""), false},
        {-1e300, 100.0, false},    {1e300, 100.0, false},
    };
    for (const Case& c : cases) {
        double lat = c.lat, lon = c.lon;
        EXPECT_EQ(CheckPosition(lat, lon), c.position) << c.lat << " " << c.lon;
        lat = c.lat, lon = c.lon;
        EXPECT_EQ(ConvertPosition(lat, lon), c.position) << c.lat << " " << c.lon;
    }
}

TEST(ReaderChoice, ByExactCaseOfTheExtension) {
    struct Case {
        const char* name;
        ReaderKind kind;
    } cases[] = {
        {"MOVI0001.AVI", ReaderKind::Avi}, {"MOVI0001.avi", ReaderKind::Box},
        {"FILE0001.mp4", ReaderKind::Mp4}, {"FILE0001.MP4", ReaderKind::Box},
        {"FILE0001.MOV", ReaderKind::Box}, {"FILE0001.3gp", ReaderKind::Box},
        {"AVI", ReaderKind::Box},          {".mp4", ReaderKind::Mp4},
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseReaderKind(c.name), c.kind) << c.name;
}

TEST(RecorderNames, GMarkIsTheFourthCharacterNotByte) {
    struct Case {
        const char* name;
        bool marked;
    } cases[] = {
        {"ABCG0001.AVI", true},
        {"ABC_0001.AVI", false},
        {"\xC3\x84"
         "BCG001.mp4",
         true},
        {"\xC3\x84"
         "BG0001.mp4",
         false},
        {"ABG", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(HasGMark(c.name), c.marked) << c.name;
    EXPECT_TRUE(IsMp4Name("FILE0001.mp4"));
    EXPECT_FALSE(IsMp4Name("FILE0001.MP4"));
}
