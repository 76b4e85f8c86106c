#include "export/exportgpx.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <ctime>

#include "export/xmltext.h"
#include "library/fileoperations.h"
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

int ExportGpx(RecordingCatalogue& catalogue, const std::vector<int>& recordings, const std::string& trackName,
              const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    TempFile tmp = CreateTempFile(folder, path.substr(slash == std::string::npos ? 0 : slash + 1));
    if (tmp.fd < 0) return 0;
    std::FILE* f = ::fdopen(tmp.fd, "wb");
    if (!f) {
        ::close(tmp.fd);
        ::unlink(tmp.path.c_str());
        return 0;
    }
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<gpx version=\"1.1\" creator=\"orvan-telemetry\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
        "  <trk>\n"
        "    <name>" +
        XmlText(trackName) + "</name>\n";
    bool ok = true;
    for (const int index : recordings) {
        catalogue.LoadTelemetry(index);
        const VideoFileInfo& r = catalogue.GetRecording(index);
        const double rate = catalogue.GpsRate();
        text += "    <trkseg>\n";
        const auto samples = catalogue.GpsSamples();
        for (std::size_t i = 0; i < samples.size(); ++i) {
            double lat = 0, lon = 0;
            if (!UsablePosition(samples[i], lat, lon)) continue;
            const auto ms = std::llround(static_cast<double>(i) * 1000.0 / rate);
            text += "      <trkpt lat=\"" + FixedSix(lat) + "\" lon=\"" + FixedSix(lon) + "\"><ele>" +
                    std::to_string(samples[i].altitude) + "</ele><time>" + UtcTime(r.startTime, ms) +
                    "</time></trkpt>\n";
        }
        text += "    </trkseg>\n";
        if (std::fwrite(text.data(), 1, text.size(), f) != text.size()) ok = false;
        text.clear();
    }
    text += "  </trk>\n</gpx>\n";
    if (std::fwrite(text.data(), 1, text.size(), f) != text.size()) ok = false;
    if (std::fflush(f) != 0) ok = false;
    if (std::fclose(f) != 0) ok = false;
    if (ok && std::rename(tmp.path.c_str(), path.c_str()) == 0) return 1;
    ::unlink(tmp.path.c_str());
    return 0;
}
