#pragma once

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "library/mapview.h"
#include "library/views.h"

// Every view the catalogue drives, writing each call into one log in call order, so tests can check the
// sequences the views rely on.
class RecordingViews : public GroupListView,
                       public MapView,
                       public GSensorGraphView,
                       public InstrumentPanel,
                       public CounterPane {
  public:
    // The file list has its own object: it shares ListView with the group list.
    class Files : public FileListView {
      public:
        explicit Files(RecordingViews& owner) : owner_(owner) {}
        void DeleteAllItems() override {
            owner_.Log("files.DeleteAllItems");
            rows.clear();
        }
        void SetDropHilited(int row, bool on) override {
            owner_.Log("files.SetDropHilited(" + I(row) + "," + I(on) + ")");
        }
        void EnsureVisible(int row) override { owner_.Log("files.EnsureVisible(" + I(row) + ")"); }
        bool AddFileRow(int group, int indexInGroup, const std::string& folder, const std::string& name,
                        TimeValue, std::uint32_t durationMs, std::uint64_t size,
                        std::uint8_t flags) override {
            rows.push_back("G" + I(group) + "-" + I(indexInGroup) + " " + folder + " " + name + " " +
                           I(durationMs) + " " + I(size) + " f" + I(flags));
            return true;
        }
        std::vector<std::string> rows;

      private:
        static std::string I(long long v) { return std::to_string(v); }
        RecordingViews& owner_;
    };

    Files files{*this};
    std::vector<std::string> log;
    std::vector<std::string> groupRows;
    std::set<int> checked;

    void Log(const std::string& s) { log.push_back(s); }
    static std::string I(long long v) { return std::to_string(v); }
    static std::string F(double v) {
        char buf[64];
        std::snprintf(buf, sizeof(buf), "%g", v);
        return buf;
    }
    // The calls whose text starts with prefix.
    std::vector<std::string> Calls(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& s : log) {
            if (s.rfind(prefix, 0) == 0) out.push_back(s);
        }
        return out;
    }

    // group list
    void DeleteAllItems() override {
        Log("groups.DeleteAllItems");
        groupRows.clear();
    }
    void SetDropHilited(int row, bool on) override {
        Log("groups.SetDropHilited(" + I(row) + "," + I(on) + ")");
    }
    void EnsureVisible(int row) override { Log("groups.EnsureVisible(" + I(row) + ")"); }
    bool AddGroupRow(int group, const std::string& resolution, TimeValue, std::uint64_t totalDurationMs,
                     std::uint64_t totalSize, std::uint8_t flags) override {
        groupRows.push_back("G" + I(group) + " " + resolution + " " +
                            I(static_cast<long long>(totalDurationMs)) + " " +
                            I(static_cast<long long>(totalSize)) + " f" + I(flags));
        return true;
    }
    bool IsChecked(int row) const override { return checked.count(row) != 0; }

    // map
    void PathDelete() override { Log("path_delete"); }
    void PathDrivedDelete() override { Log("pathdrived_delete"); }
    void PathPlot(double lat, double lon) override { Log("path_plot " + map_script::PathPlot(lat, lon)); }
    void PathDrivedPlot(double, double) override { Log("pathdrived_plot"); }
    void InitMap(double, double) override { Log("init_map"); }
    void MovePos(double lat, double lon, double heading) override {
        Log("movpos(" + F(lat) + "," + F(lon) + "," + F(heading) + ")");
    }

    // graph
    void ClearData() override { Log("graph.ClearData"); }
    void SetRange(double s, double d) override { Log("graph.SetRange(" + F(s) + "," + F(d) + ")"); }
    bool SetData(const std::uint8_t* raw, int count, std::span<const GSensorSample> samples) override {
        Log("graph.SetData(" + std::string(raw ? "raw" : "null") + "," + I(count) + "," + I(samples.size()) +
            ")");
        if (raw) firstTriple.assign(raw, raw + (count > 0 ? 3 : 0));
        return count != 0;
    }
    void UpdateTimeSpan() override { Log("graph.UpdateTimeSpan"); }
    void SetSampleRate(double r) override { Log("graph.SetSampleRate(" + F(r) + ")"); }
    void SetPixelsPerMs(double p) override { Log("graph.SetPixelsPerMs(" + F(p) + ")"); }
    void SetViewMode(int m) override { Log("graph.SetViewMode(" + I(m) + ")"); }
    void SetPosition(int ms) override { Log("graph.SetPosition(" + I(ms) + ")"); }
    void SetDimmed(bool d) override { Log("graph.SetDimmed(" + I(d) + ")"); }
    void Redraw() override { Log("graph.Redraw"); }
    std::vector<std::uint8_t> firstTriple;

    // instruments
    void SetImageIndex(unsigned n) override { Log("compass.SetImageIndex(" + I(n) + ")"); }
    void SetHeading(int degrees) override { Log("compass.SetHeading(" + I(degrees) + ")"); }
    void SetSpeed(std::uint16_t kmh, bool valid) override {
        Log("speed.SetSpeed(" + I(kmh) + "," + I(valid) + ")");
    }
    void ShowProgress(int percent, bool show) override {
        Log("progress(" + I(percent) + "," + I(show) + ")");
    }

    // counter
    void ShowCounter(bool on) override { Log("counter.Show(" + I(on) + ")"); }
    void SetCount(int n) override { Log("counter(" + I(n) + ")"); }
};
