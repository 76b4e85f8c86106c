#pragma once

#include <string>

// The map as the catalogue and the playback clock drive it: one call per script function of the map page,
// one way, nothing comes back. Coordinates are decimal degrees, latitude first. The GUI's map window
// implements it by running the script texts below in its page; tests record the calls.
class MapView {
  public:
    virtual ~MapView() = default;
    virtual void PathDelete() = 0;                            // "path_delete()"
    virtual void PathDrivedDelete() = 0;                      // "pathdrived_delete()"
    virtual void PathPlot(double lat, double lon) = 0;        // "path_plot(%f,%f)"
    virtual void PathDrivedPlot(double lat, double lon) = 0;  // "pathdrived_plot(%f,%f)"
    virtual void InitMap(double lat, double lon) = 0;         // "init_map(%f, %f)"
    // lat/lon in the dd.mmmm form CheckPosition leaves; the map converts them for its provider.
    virtual void MovePos(double lat, double lon, double headingDegrees) = 0;  // "movpos(%f, %f)"
};

// The exact script texts, numbers with "%f" in the C locale whatever the user's locale.
namespace map_script {
std::string PathDelete();
std::string PathDrivedDelete();
std::string PathPlot(double lat, double lon);
std::string PathDrivedPlot(double lat, double lon);
std::string InitMap(double lat, double lon);
std::string MovPos(double lat, double lon);
}  // namespace map_script
