// The pages' coordinate frames: which positions are shifted for the Chinese providers, the published
// conversions, and each provider's own projection and tile grid when its tiles are named in the address.

#include <gtest/gtest.h>

#include <QUrlQuery>
#include <QtTest/QTest>
#include <cmath>

#include "map/cefbrowsereventhandler.h"
#include "map/htmlmapdlg.h"
#include "maptestsupport.h"

using maptest::Eval;
using maptest::OpenMap;
using maptest::Points;
using maptest::State;

namespace {

constexpr double kPi = 3.14159265358979323846;

// Metres between two WGS-84 positions, on a sphere; plenty for offsets of hundreds of metres.
double Metres(std::pair<double, double> a, std::pair<double, double> b) {
    const double dLat = (b.first - a.first) * kPi / 180, dLon = (b.second - a.second) * kPi / 180;
    const double x = dLon * std::cos((a.first + b.first) / 2 * kPi / 180);
    return 6371000 * std::hypot(x, dLat);
}

std::pair<double, double> Pair(const QVariant& v) {
    const QVariantList l = v.toList();
    return l.size() == 2 ? std::pair{l[0].toDouble(), l[1].toDouble()}
                         : std::pair{std::nan(""), std::nan("")};
}

TEST(MapFrames, OnlyMainlandChinaIsShifted) {
    auto map = OpenMap(0);
    ASSERT_TRUE(map);
    struct Place {
        const char* name;
        double lat, lon;
        bool mainland;
    };
    const Place places[] = {
        {"Beijing", 39.9042, 116.4074, true},      {"Shanghai", 31.2304, 121.4737, true},
        {"Shenzhen", 22.535390, 114.053780, true}, {"Zhuhai", 22.2710, 113.5767, true},
        {"Xiamen", 24.4798, 118.0894, true},       {"Urumqi", 43.8256, 87.6168, true},
        {"Lhasa", 29.6520, 91.1721, true},         {"Harbin", 45.8038, 126.5350, true},
        {"Haikou", 20.0440, 110.1999, true},       {"Kunming", 25.0389, 102.7183, true},
        {"Hong Kong", 22.3193, 114.1694, false},   {"Macau", 22.1987, 113.5439, false},
        {"Taipei", 25.0330, 121.5654, false},      {"Kinmen", 24.4493, 118.3767, false},
        {"Seoul", 37.5665, 126.9780, false},       {"Pyongyang", 39.0392, 125.7625, false},
        {"Ulaanbaatar", 47.8864, 106.9057, false}, {"Hanoi", 21.0278, 105.8342, false},
        {"Vladivostok", 43.1155, 131.8855, false}, {"Almaty", 43.2220, 76.8512, false},
        {"Kathmandu", 27.7172, 85.3240, false},    {"Tokyo", 35.6762, 139.6503, false},
        {"Berlin", 52.5200, 13.4050, false},       {"Santiago", -33.4489, -70.6693, false},
    };
    for (const Place& p : places) {
        EXPECT_EQ(Eval(map->Handler(), QStringLiteral("orvanCoords.inMainlandChina(%1, %2)")
                                           .arg(p.lat, 0, 'f', 6)
                                           .arg(p.lon, 0, 'f', 6))
                      .toBool(),
                  p.mainland)
            << p.name;
        const auto gcj = Pair(Eval(
            map->Handler(),
            QStringLiteral("orvanCoords.wgs84ToGcj02(%1, %2)").arg(p.lat, 0, 'f', 6).arg(p.lon, 0, 'f', 6)));
        const double shift = Metres({p.lat, p.lon}, gcj);
        if (p.mainland) {
            EXPECT_GT(shift, 50) << p.name;
            EXPECT_LT(shift, 1000) << p.name;
        } else {
            EXPECT_EQ(shift, 0) << p.name;
        }
    }
}

TEST(MapFrames, ConversionsMatchThePublishedFormulas) {
    auto map = OpenMap(1);
    ASSERT_TRUE(map);
    const auto gcj = Pair(Eval(map->Handler(), "orvanCoords.wgs84ToGcj02(39.915, 116.404)"));
    EXPECT_NEAR(gcj.first, 39.91640428150164, 1e-9);
    EXPECT_NEAR(gcj.second, 116.41024449916938, 1e-9);
    const auto bd = Pair(Eval(map->Handler(), "orvanCoords.gcj02ToBd09(39.915, 116.404)"));
    EXPECT_NEAR(bd.first, 39.92133699351021, 1e-9);
    EXPECT_NEAR(bd.second, 116.41036949371029, 1e-9);
    const auto both = Pair(Eval(map->Handler(), "orvanCoords.wgs84ToBd09(39.915, 116.404)"));
    const auto chained =
        Pair(Eval(map->Handler(), "orvanCoords.gcj02ToBd09(39.91640428150164, 116.41024449916938)"));
    EXPECT_NEAR(both.first, chained.first, 1e-12);
    EXPECT_NEAR(both.second, chained.second, 1e-12);
    EXPECT_EQ(Pair(Eval(map->Handler(), "orvanCoords.wgs84ToBd09(52.52, 13.405)")), std::pair(52.52, 13.405));
}

// With the provider's own tiles (?tiles=...), each page draws in its provider's projection and frame.
TEST(MapFrames, OwnTilesUseTheProvidersProjectionAndFrame) {
    struct Case {
        int provider;
        const char* crs;
        bool shiftedInChina;
    };
    for (const Case& c : {Case{0, "EPSG:3857", true}, Case{1, "BD09MC", true}, Case{2, "EPSG:3395", false}}) {
        auto map = OpenMap(c.provider);
        ASSERT_TRUE(map);
        QUrl url = CHtmlMapDlg::PageUrl(c.provider);
        // Port 9 (discard) refuses at once: no tile arrives, as offline.
        url.setQuery(
            QUrlQuery{{"tiles", "http://127.0.0.1:9/{z}/{x}/{y}.png"}, {"attribution", "Test <tiles>"}});
        map->Handler()->load(url);
        ASSERT_TRUE(maptest::WaitForLoad(map->Handler()));
        map->PathPlot(22.535390, 114.053780);
        map->PathPlot(52.52, 13.405);
        const QVariantMap state = State(map->Handler());
        EXPECT_EQ(state["crs"].toString(), c.crs) << c.provider;
        EXPECT_TRUE(state["ownTiles"].toBool());
        EXPECT_EQ(state["attribution"].toString().toStdString(), "Leaflet | Test <tiles>");
        const auto sent = Points(state["route"]);
        const auto drawn = Points(state["routeLine"]);
        ASSERT_EQ(drawn.size(), 2u);
        const double shift = Metres(sent[0], drawn[0]);
        if (c.shiftedInChina) {
            EXPECT_GT(shift, 200) << c.provider;
            EXPECT_LT(shift, 2000) << c.provider;
        } else {
            EXPECT_EQ(shift, 0) << c.provider;
        }
        EXPECT_EQ(drawn[1], sent[1]) << c.provider;
    }
}

TEST(MapFrames, BaiduTilesAreCountedFromTheProjectionOrigin) {
    auto map = OpenMap(1);
    ASSERT_TRUE(map);
    Eval(map->Handler(),
         "var probe = new BaiduTileLayer('{x},{y},{z}');"
         "function tileOf(lat, lon, z) {"
         "  var p = BAIDU_CRS.latLngToPoint(L.latLng(lat, lon), z).unscaleBy(L.point(256, 256)).floor();"
         "  return probe.getTileUrl({x: p.x, y: p.y, z: z});"
         "} true");
    struct Case {
        double lat, lon;
        int z;
        const char* tile;
    };
    for (const Case& c : {Case{0.001, 0.001, 3, "0,0,3"}, Case{-0.001, -0.001, 3, "-1,-1,3"},
                          Case{0.001, -0.001, 5, "-1,0,5"}, Case{-0.001, 0.001, 5, "0,-1,5"}}) {
        EXPECT_EQ(Eval(map->Handler(), QStringLiteral("tileOf(%1, %2, %3)").arg(c.lat).arg(c.lon).arg(c.z))
                      .toString(),
                  c.tile);
    }
    // Level 18 is one metre a pixel: Tiananmen (BD-09 39.915, 116.404) lies near Baidu's 12958175, 4825923 m.
    const auto metres = Pair(
        Eval(map->Handler(), "var m = BAIDU_CRS.projection.project(L.latLng(39.915, 116.404)); [m.y, m.x]"));
    EXPECT_NEAR(metres.second, 12958175, 100);
    EXPECT_NEAR(metres.first, 4825923, 100);
    EXPECT_EQ(
        Eval(map->Handler(), "tileOf(39.915, 116.404, 18)").toString(),
        QStringLiteral("%1,%2,18").arg(std::floor(metres.second / 256)).arg(std::floor(metres.first / 256)));
}

}  // namespace
