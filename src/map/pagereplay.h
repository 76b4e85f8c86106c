#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What the map page is showing, kept as the script calls that drew it, so that a new page (after a provider
// change) can be given the same route, driven part, view and car. The calls are recorded by kind with the
// page's own semantics: a delete empties its line, the car and the view keep their latest call.
class PageReplay {
  public:
    void PathDelete() { route_.clear(); }
    void PathDrivedDelete() { driven_.clear(); }
    void PathPlot(std::string script) { route_.push_back(std::move(script)); }
    void PathDrivedPlot(std::string script) { driven_.push_back(std::move(script)); }
    void InitMap(std::string script) { initMap_ = std::move(script); }
    void MovPos(std::string script) { movPos_ = std::move(script); }

    // The calls that draw it all again on a page: both lines emptied, then the route, the driven part, the
    // view and the car;
    // joined into scripts of at most callsPerScript calls each (one script call per point would be slow).
    std::vector<std::string> Scripts(std::size_t callsPerScript = 1000) const;
    bool IsEmpty() const { return route_.empty() && driven_.empty() && initMap_.empty() && movPos_.empty(); }

  private:
    std::vector<std::string> route_;
    std::vector<std::string> driven_;
    std::string initMap_;
    std::string movPos_;
};
