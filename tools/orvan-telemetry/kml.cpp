#include <iostream>

#include "commands.h"
#include "export/exportkml.h"
#include "opensource.h"

int RunKml(const std::vector<std::string>& args) {
    const auto io = ParseInOut("kml", args);
    if (!io) return 1;
    const auto source = OpenPath("kml", io->input, false);
    if (!source || !EnsureFolder("kml", io->out)) return 1;
    RecordingCatalogue& cat = source->catalogue;
    if (cat.GetCount() == 0 || cat.LoadTelemetry(0) != 1) {
        std::cerr << "orvan-telemetry kml: " << io->input << ": cannot be read\n";
        return 1;
    }
    const KmlExport e = ExportKml(cat, io->out);
    if (e.result != 1) {
        std::cerr << "orvan-telemetry kml: " << e.path << ": cannot be written\n";
        return 1;
    }
    std::cout << e.path << '\n';
    return 0;
}
