#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gmock/gmock.h>

#include "export/exportkml.h"
#include "export/kmlwriter.h"
#include "export/xmltext.h"
#include "library/recordingcatalogue.h"
#include "testrecordings.h"

namespace fs = std::filesystem;

namespace {

GpsSample At(double lat, double lon, int alt, bool fix = true) {
    GpsSample s;
    s.latitude = lat;
    s.longitude = lon;
    s.altitude = alt;
    s.flags = fix ? 1 : 0;
    return s;
}

class Kml : public TempDirTest {
  protected:
    // A catalogue whose current recording is one record with these samples (as an MP4 track).
    void Current(const std::string& name, const std::string& subFolder, TimeValue start,
                 std::vector<GpsSample> samples) {
        VideoFileInfo r;
        r.name = name;
        r.rootFolder = "/card/";
        r.subFolder = subFolder;
        r.startTime = start;
        r.gpsTrack = std::move(samples);
        cat.Clear();
        cat.Append(r);
        cat.BuildGroups();
        ASSERT_EQ(cat.Select(0), 1);
    }
    RecordingCatalogue cat;
};

const char* const kHeaderHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
    "  <Document>\n";

}  // namespace

TEST_F(Kml, TheFileByteForByte) {
    Current("20220101_120000F.MP4", "", *LocalTimeValue(2022, 1, 1, 12, 0, 0),
            {At(2232.1234, 11403.2268, 35), At(2232.1234, 11403.2268, 36, false), At(20000.0, 11403.2268, 37),
             At(2232.2, 11403.3, -4)});
    const KmlExport e = ExportKml(cat, dir_);
    ASSERT_EQ(e.result, 1);
    EXPECT_EQ(e.path, dir_ + "/20220101_120000F_2022_01_01_12-00-00.KML");
    EXPECT_EQ(fixtures::ReadFile(e.path),
              std::string(kHeaderHead) +
                  "    <name>20220101_120000F.MP4</name>\n"
                  "\t<description></description>\n"
                  "    <Style id=\"blueLine\">\n"
                  "      <LineStyle>\n"
                  "        <color>ffff0000</color>\n"
                  "        <width>4</width>\n"
                  "      </LineStyle>\n"
                  "    </Style>\n"
                  "    <Placemark>\n"
                  "      <name>CAR PATH</name>\n"
                  "      <description>GPS Path of Car DV \"\\20220101_120000F.MP4\" "
                  "2022/01/01 12:00:00</description>\n"
                  "      <styleUrl>#blueLine</styleUrl>\n"
                  "      <LineString>\n"
                  "        <altitudeMode>relative</altitudeMode>\n"
                  "        <coordinates>\n"
                  "114.053780,22.535390,35\n"
                  "114.055000,22.536667,-4\n"
                  "\n"
                  "        </coordinates>\n"
                  "      </LineString>\n"
                  "    </Placemark>\n"
                  "  </Document>\n"
                  "</kml>\n");
    // Only the file itself is left in the folder, and a second export replaces it.
    fixtures::WriteFile(e.path, "older");
    ASSERT_EQ(ExportKml(cat, dir_ + "/").result, 1);
    EXPECT_NE(fixtures::ReadFile(e.path), "older");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(Kml, NamesAreEscapedAndTheEpochIsLocalTime) {
    Current("A&B<1>.MOV", "VIDEO/", 0, {});
    const KmlExport e = ExportKml(cat, dir_);
    ASSERT_EQ(e.result, 1);
    EXPECT_EQ(fs::path(e.path).filename(), "A&B<1>_1970_01_01_01-00-00.KML");
    const std::string text = fixtures::ReadFile(e.path);
    EXPECT_THAT(text, ::testing::HasSubstr("    <name>A&amp;B&lt;1&gt;.MOV</name>\n"));
    EXPECT_THAT(
        text, ::testing::HasSubstr(
                  "GPS Path of Car DV \"VIDEO/\\A&amp;B&lt;1&gt;.MOV\" 1970/01/01 01:00:00</description>\n"));
    // No samples: an empty coordinates block, still a success.
    EXPECT_THAT(text, ::testing::HasSubstr("<coordinates>\n\n        </coordinates>"));
}

TEST(KmlText, EscapingAndNameRules) {
    struct Case {
        const char* in;
        const char* out;
    } xml[] = {{"a&b", "a&amp;b"},
               {"<x>", "&lt;x&gt;"},
               {"Straße", "Straße"},
               {"bad\xff", "bad\xEF\xBF\xBD"},
               {"bell\x07", "bell\xEF\xBF\xBD"},
               {"tab\t", "tab\t"},
               {"\xC0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD"}};
    for (const Case& c : xml) EXPECT_EQ(XmlText(c.in), c.out) << c.in;
    struct Name {
        const char* name;
        const char* stem;
    } names[] = {{"20220101_120000F.MP4", "20220101_120000F"},
                 {"ABC", ""},
                 {"ABCD", ""},
                 {"FILE.MPEG4", "FILE.M"},
                 {"Ärger.MOV", "Ärger"},
                 {"ÄÖÜß.X", "ÄÖ"}};
    for (const Name& n : names) EXPECT_EQ(NameWithoutExtension(n.name), n.stem) << n.name;
    EXPECT_EQ(FixedSix(-0.5), "-0.500000");
}

TEST_F(Kml, WriteErrorsAreFailuresAndLeaveNothingBehind) {
    // The writer replaces files, never a FIFO or a device that has the name.
    const std::string fifo = dir_ + "/pipe.KML";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    KmlWriter w;
    EXPECT_EQ(w.OpenForWrite(fifo), 0);
    EXPECT_EQ(w.WritePoint(1, 2, 3), 0);  // not open
    EXPECT_TRUE(fs::is_fifo(fifo));

    // A folder that does not exist: failure, the path is still given for the message.
    Current("FILE0001.MOV", "", 0, {At(2232.1234, 11403.2268, 35)});
    const KmlExport missing = ExportKml(cat, dir_ + "/no/such/folder");
    EXPECT_EQ(missing.result, 0);
    EXPECT_EQ(missing.path, dir_ + "/no/such/folder/FILE0001_1970_01_01_01-00-00.KML");

    // A full disk in the middle of the file: 0, no partial file, the earlier export stays.
    const std::string disk = dir_ + "/disk";
    fs::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    std::vector<GpsSample> many(20000, At(2232.1234, 11403.2268, 35));
    Current("FILE0001.MOV", "", 0, many);
    const std::string earlier = disk + "/FILE0001_1970_01_01_01-00-00.KML";
    fixtures::WriteFile(earlier, "earlier export");
    const KmlExport full = ExportKml(cat, disk);
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(disk)) left.push_back(e.path().filename().string());
    const std::string kept = fixtures::ReadFile(earlier);
    ::umount2(disk.c_str(), MNT_DETACH);
    EXPECT_EQ(full.result, 0);
    EXPECT_EQ(full.path, earlier);
    EXPECT_THAT(left, ::testing::ElementsAre("FILE0001_1970_01_01_01-00-00.KML"));
    EXPECT_EQ(kept, "earlier export");
}
