#include "export/exportgpx.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "export/xmltext.h"
#include "fileio/fileio.h"
#include "library/route.h"

namespace {

// ISO 8601 in UTC, with milliseconds only when the sample does not fall on a whole second.
std::string UtcTime(TimeValue start, long long ms) {
    long long seconds = ms / 1000;
    const long long rest = ms % 1000;
    const std::time_t t = static_cast<std::time_t>(start + seconds);
    std::tm tm{};
    if (!gmtime_r(&t, &tm)) return std::string();
    char buf[64];
    std::strftime(buf, sizeof(buf), "%Y-%m-%dT%H:%M:%S", &tm);
    std::string out = buf;
    if (rest != 0) {
        std::snprintf(buf, sizeof(buf), ".%03lld", rest);
        out += buf;
    }
    return out + "Z";
}

}  // namespace

int ExportGpx(const RecordingCatalogue& catalogue, const std::vector<int>& recordings,
              const std::string& trackName, const std::string& path) {
    fileio::AtomicFile file(path);
    if (!file.IsOpen()) return 0;
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<gpx version=\"1.1\" creator=\"orvan-telemetry\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
        "  <trk>\n"
        "    <name>" +
        XmlText(trackName) + "</name>\n";
    for (const int index : recordings) {
        const VideoFileInfo& r = catalogue.GetRecording(index);
        const std::uint8_t rateByte = static_cast<std::uint8_t>(r.gpsAttr & 0xff);
        const double rate = rateByte == 0 ? 1.0 : rateByte;
        text += "    <trkseg>\n";
        const std::vector<GpsSample> samples = catalogue.ReadGpsSamples(index);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            double lat = 0, lon = 0;
            // GPX 1.1 allows only latitudes of -90 to 90 and longitudes of -180 to 180 (180 excluded).
            if (!UsablePosition(samples[i], lat, lon) || lat < -90.0 || lat > 90.0 || lon < -180.0 ||
                lon >= 180.0)
                continue;
            const auto ms = std::llround(static_cast<double>(i) * 1000.0 / rate);
            text += "      <trkpt lat=\"" + FixedSix(lat) + "\" lon=\"" + FixedSix(lon) + "\"><ele>" +
                    std::to_string(samples[i].altitude) + "</ele><time>" + UtcTime(r.startTime, ms) +
                    "</time></trkpt>\n";
        }
        text += "    </trkseg>\n";
        file.Write(text);
        text.clear();
    }
    text += "  </trk>\n</gpx>\n";
    file.Write(text);
    return file.Commit() ? 1 : 0;
}
