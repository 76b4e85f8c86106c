#include "library/mapview.h"

#include <charconv>

namespace map_script {

namespace {

// What "%f" prints in the C locale; printf itself would follow LC_NUMERIC, and the page needs a decimal
// point.
std::string Fixed(double v) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof(buf), v, std::chars_format::fixed, 6);
    return std::string(buf, r.ptr);
}

std::string Call(const char* fn, double a, double b, const char* sep) {
    return std::string(fn) + "(" + Fixed(a) + sep + Fixed(b) + ")";
}

}  // namespace

std::string PathDelete() {
    return "path_delete()";
}
std::string PathDrivedDelete() {
    return "pathdrived_delete()";
}
std::string PathPlot(double lat, double lon) {
    return Call("path_plot", lat, lon, ",");
}
std::string PathDrivedPlot(double lat, double lon) {
    return Call("pathdrived_plot", lat, lon, ",");
}
std::string InitMap(double lat, double lon) {
    return Call("init_map", lat, lon, ", ");
}
std::string MovPos(double lat, double lon) {
    return Call("movpos", lat, lon, ", ");
}

}  // namespace map_script
