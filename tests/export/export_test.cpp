#include <cmath>
#include <filesystem>
#include <limits>
#include <regex>

#include <gtest/gtest.h>

#include "bytes.h"
#include "export/exportgpx.h"
#include "export/exportkml.h"
#include "library/recordingcatalogue.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

GpsSample At(double lat, double lon) {
    GpsSample s;
    s.latitude = lat;
    s.longitude = lon;
    s.flags = 1;
    return s;
}

// A catalogue whose only recording, the current one, has these samples as its track.
void Load(RecordingCatalogue& cat, const std::string& name, std::vector<GpsSample> samples) {
    VideoFileInfo r;
    r.name = name;
    r.rootFolder = "/nonexistent/card/";
    r.gpsTrack = std::move(samples);
    cat.Clear();
    cat.Append(r);
    cat.BuildGroups();
    cat.Select(0);
}

}  // namespace

TEST(Exports, LegalNamesUpToTheLongestAreWritten) {
    // The temporary name beside the file is short, whatever the final name's length.
    TempDir dir;
    RecordingCatalogue cat;
    for (std::size_t stem : {200u, 231u}) {
        Load(cat, std::string(stem, 'A') + ".MOV", {At(2232.1234, 11403.2268)});
        const KmlExport kml = ExportKml(cat, dir.Path());
        EXPECT_EQ(kml.result, 1) << stem;
        EXPECT_EQ(fs::path(kml.path).filename().string().size(), stem + 24);
        const std::string gpx = dir / (std::string(stem + 20, 'g') + ".gpx");
        EXPECT_EQ(ExportGpx(cat, {0}, "trip", gpx), 1) << stem;
        EXPECT_TRUE(fs::exists(gpx));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 4);
}

TEST(Exports, GpxHoldsOnlyValidCoordinates) {
    // Bit rot with the fix bit set: none of it may reach the file as "-nan", "inf", 300 digits or a
    // latitude beyond the pole.
    const double inf = std::numeric_limits<double>::infinity();
    TempDir dir;
    RecordingCatalogue cat;
    Load(cat, "FILE0001.MOV",
         {At(2232.1234, 11403.2268), At(-inf, 100.0), At(std::nan(""), 100.0), At(100.0, inf),
          At(1e300, 100.0), At(-9500.0, 100.0), At(100.0, 18100.0), At(-18000.0, 100.0),
          At(-3352.0, -15112.0)});
    const std::string path = dir / "trip.gpx";
    ASSERT_EQ(ExportGpx(cat, {0}, "trip", path), 1);
    const std::string text = fixtures::ReadFile(path);
    const std::regex point(R"re(<trkpt lat="([^"]*)" lon="([^"]*)")re");
    std::vector<std::pair<double, double>> points;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), point); it != std::sregex_iterator(); ++it)
        points.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
    ASSERT_EQ(points.size(), 2u) << text;
    EXPECT_NEAR(points[0].first, 22.535390, 1e-6);
    EXPECT_NEAR(points[1].first, -33.866667, 1e-6);
    EXPECT_NEAR(points[1].second, -151.2, 1e-6);
}
