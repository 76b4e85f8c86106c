#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "telemetry/records.h"

// The views the catalogue drives besides the map (mapview.h). The GUI implements them with its widgets; the
// command-line tool and the tests implement them too. Rows are numbered as the catalogue added them, from 0,
// and the catalogue only ever names rows it added.

class ListView {
  public:
    virtual ~ListView() = default;
    virtual void DeleteAllItems() = 0;
    // The drop-highlight mark of the row being played.
    virtual void SetDropHilited(int row, bool on) = 0;
    // Scrolls the row fully into view.
    virtual void EnsureVisible(int row) = 0;
};

// One row per FileGroup, with a check box the file operations read.
class GroupListView : public ListView {
  public:
    // False when the row could not be inserted.
    virtual bool AddGroupRow(int group, const std::string& resolution, TimeValue startTime,
                             std::uint64_t totalDurationMs, std::uint64_t totalSize, std::uint8_t flags) = 0;
    virtual bool IsChecked(int row) const = 0;
};

// One row per recording. folder is the recording's root folder followed directly by its sub-folder.
class FileListView : public ListView {
  public:
    virtual bool AddFileRow(int group, int indexInGroup, const std::string& folder, const std::string& name,
                            TimeValue startTime, std::uint32_t durationMs, std::uint64_t size,
                            std::uint8_t flags) = 0;
};

// The G-sensor strip chart. It keeps its own copy of the samples it is given.
class GSensorGraphView {
  public:
    virtual ~GSensorGraphView() = default;
    virtual void ClearData() = 0;
    virtual void SetRange(double sensorRange, double displayRange) = 0;
    // raw: count packed 3-byte samples, used when samples is empty; samples: decoded MP4 packets.
    virtual bool SetData(const std::uint8_t* raw, int count, std::span<const GSensorSample> samples) = 0;
    virtual void UpdateTimeSpan() = 0;
    virtual void SetSampleRate(double samplesPerMs) = 0;
    virtual void SetPixelsPerMs(double pixelsPerMs) = 0;
    virtual void SetViewMode(int mode) = 0;
    virtual void SetPosition(int ms) = 0;
    virtual void SetDimmed(bool dimmed) = 0;
    virtual void Redraw() = 0;
};

// The main window's instruments: the compass, the speed display and the status board.
class InstrumentPanel {
  public:
    virtual ~InstrumentPanel() = default;
    // Compass picture n; 0 is the grey "no heading" picture.
    virtual void SetImageIndex(unsigned n) = 0;
    virtual void SetHeading(int degrees) = 0;
    // valid false blanks the speed display.
    virtual void SetSpeed(std::uint16_t kmh, bool valid) = 0;
    // The status board's copy progress: shown at percent, or hidden.
    virtual void ShowProgress(int percent, bool show) = 0;
};

// The front video pane's running count of files seen during a folder walk.
class CounterPane {
  public:
    virtual ~CounterPane() = default;
    virtual void ShowCounter(bool on) = 0;
    virtual void SetCount(int filesSeen) = 0;
};
