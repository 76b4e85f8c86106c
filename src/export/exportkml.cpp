#include "export/exportkml.h"

#include <ctime>

#include "export/kmlwriter.h"
#include "fileio/fileio.h"
#include "telemetry/position.h"

std::string NameWithoutExtension(const std::string& name) {
    std::size_t end = name.size();
    for (int chars = 0; chars < 4 && end > 0; ++chars) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    }
    return name.substr(0, end);
}

std::string LocalTimeText(TimeValue t, const char* format) {
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    if (!localtime_r(&tt, &tm)) return std::string();
    char buf[128];
    const std::size_t n = std::strftime(buf, sizeof(buf), format, &tm);
    return std::string(buf, n);
}

KmlExport ExportKml(const RecordingCatalogue& catalogue, const std::string& folderIn) {
    KmlExport out;
    const int index = catalogue.GetCurrentIndex();
    if (index < 0) return out;
    const VideoFileInfo& r = catalogue.GetRecording(index);
    const std::string fileName =
        NameWithoutExtension(r.name) + LocalTimeText(r.startTime, "_%Y_%m_%d_%H-%M-%S") + ".KML";
    out.path = fileio::JoinPath(folderIn, fileName);

    // The writer replaces an earlier file only with a complete one.
    KmlWriter writer;
    bool ok = writer.OpenForWrite(out.path) == 1;
    const std::string car =
        "\"" + r.subFolder + "\\" + r.name + "\"" + LocalTimeText(r.startTime, " %Y/%m/%d %H:%M:%S");
    ok = ok && writer.WriteHeader(r.name, "", car) == 1;
    for (const GpsSample& s : catalogue.GpsSamples()) {
        if (!ok) break;
        if (!s.HasFix()) continue;
        double lat = s.latitude, lon = s.longitude;
        if (!ConvertPosition(lat, lon)) continue;
        ok = writer.WritePoint(lat, lon, s.altitude) == 1;
    }
    // A writer whose footer is never written removes its temporary when it goes.
    if (ok && writer.WriteFooter() == 1) out.result = 1;
    return out;
}
