#pragma once

#include "controls/zovlistctrl.h"
#include "library/views.h"

// The file list: one row per recording, in the catalogue's order. A double click asks the main window to
// play that recording.
class CZovFileListCtrl : public CZovListCtrl, public FileListView {
    Q_OBJECT

  public:
    explicit CZovFileListCtrl(QWidget* parent = nullptr);

    void DeleteAllItems() override { RemoveAllRows(); }
    void SetDropHilited(int row, bool on) override { SetRowDropHilited(row, on); }
    void EnsureVisible(int row) override { ScrollRowIntoView(row); }
    bool AddFileRow(int group, int indexInGroup, const std::string& folder, const std::string& name,
                    TimeValue startTime, std::uint32_t durationMs, std::uint64_t size,
                    std::uint8_t flags) override;
};
