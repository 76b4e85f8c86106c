#include "map/pagereplay.h"

std::vector<std::string> PageReplay::Scripts(std::size_t callsPerScript) const {
    std::vector<std::string> scripts;
    std::size_t calls = 0;
    const auto add = [&](const std::string& call) {
        if (call.empty()) return;
        if (scripts.empty() || calls == callsPerScript) {
            scripts.emplace_back();
            calls = 0;
        }
        scripts.back() += call;
        scripts.back() += ";\n";
        ++calls;
    };
    // From a clean page, so that calls which did reach the new page while it loaded are not drawn twice.
    if (!IsEmpty()) {
        add("pathdrived_delete()");
        add("path_delete()");
    }
    for (const std::string& call : route_) add(call);
    for (const std::string& call : driven_) add(call);
    add(initMap_);
    add(movPos_);
    return scripts;
}
