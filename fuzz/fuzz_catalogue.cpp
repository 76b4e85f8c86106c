// The catalogue's telemetry loading and both exports fed arbitrary bytes as a recording: the file is opened
// alone as the player's single-file open does, its telemetry loaded, the clock run over it and the route
// exported as KML and GPX. The first byte picks the container (and so the reader), the rest is the file.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "export/exportgpx.h"
#include "export/exportkml.h"
#include "fileio/fileio.h"
#include "library/mapview.h"
#include "library/recordingcatalogue.h"
#include "library/views.h"

namespace {

// The map page would run these texts: a number that is not a number is a script error there.
void CheckScript(const std::string& text) {
    if (text.find("nan") != std::string::npos || text.find("inf") != std::string::npos) __builtin_trap();
}

class ScriptMap : public MapView {
  public:
    void PathDelete() override {}
    void PathDrivedDelete() override {}
    void PathPlot(double lat, double lon) override { CheckScript(map_script::PathPlot(lat, lon)); }
    void PathDrivedPlot(double lat, double lon) override {
        CheckScript(map_script::PathDrivedPlot(lat, lon));
    }
    void InitMap(double lat, double lon) override { CheckScript(map_script::InitMap(lat, lon)); }
    void MovePos(double lat, double lon, double) override { CheckScript(map_script::MovPos(lat, lon)); }
};

// Reads every sample it is given, so a block shorter than its count shows under the address sanitizer.
class ReadingGraph : public GSensorGraphView {
  public:
    void ClearData() override {}
    void SetRange(double, double) override {}
    bool SetData(const std::uint8_t* raw, int count, std::span<const GSensorSample> samples) override {
        unsigned sum = 0;
        if (raw)
            for (int i = 0; i < count * 3; ++i) sum += raw[i];
        for (const GSensorSample& g : samples) sum += g.x;
        sink_ = sum;
        return true;
    }
    void UpdateTimeSpan() override {}
    void SetSampleRate(double) override {}
    void SetPixelsPerMs(double) override {}
    void SetViewMode(int) override {}
    void SetPosition(int) override {}
    void SetDimmed(bool) override {}
    void Redraw() override {}

  private:
    volatile unsigned sink_ = 0;
};

const std::string& Folder() {
    static const std::string path = "/dev/shm/orvan-fuzz-catalogue-" + std::to_string(getpid());
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::mkdir(Folder().c_str(), 0700);
    ::mkdir((Folder() + "/out").c_str(), 0700);
    // The run's files live in memory: they go with the run.
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(Folder(), ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const char* const kNames[] = {"MOVI0001.AVI", "FILG0001.MOV", "FILE0001.mp4"};
    const std::string name = kNames[data[0] % 3];
    const std::string path = Folder() + "/" + name;
    {
        fileio::AtomicFile f(path);
        f.Write(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
        if (!f.Commit()) return 0;
    }
    ScriptMap map;
    ReadingGraph graph;
    RecordingCatalogue cat;
    cat.Init(nullptr, nullptr, &graph, &map, nullptr);
    if (cat.OpenSource(Folder(), name) != 1 || cat.GetCount() != 1) __builtin_trap();
    cat.Select(0);
    cat.LoadTelemetry(0);
    const std::size_t samples = cat.GpsSamples().size();
    for (std::int64_t ms = 0; ms < 5000; ms += 250) cat.SyncToTime(ms, true, true);
    cat.DrawDrivenPath(static_cast<std::uint32_t>(samples * 1000));
    const std::string out = Folder() + "/out";
    const KmlExport kml = ExportKml(cat, out);
    const int gpx = ExportGpx(cat, {0}, "fuzz", out + "/route.gpx");
    if (kml.result != 0 && kml.result != 1) __builtin_trap();
    if (gpx != 0 && gpx != 1) __builtin_trap();
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(out, ec)) std::filesystem::remove(e.path(), ec);
    return 0;
}
