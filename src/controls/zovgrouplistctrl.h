#pragma once

#include "controls/zovlistctrl.h"
#include "library/views.h"

// The group list: one row per group of recordings that follow each other, with a check box that chooses the
// groups to delete, unlock or copy. A double click asks the main window to play a group from its first file.
class CZovGroupListCtrl : public CZovListCtrl, public GroupListView {
    Q_OBJECT

  public:
    explicit CZovGroupListCtrl(QWidget* parent = nullptr);

    void DeleteAllItems() override { RemoveAllRows(); }
    void SetDropHilited(int row, bool on) override { SetRowDropHilited(row, on); }
    void EnsureVisible(int row) override { ScrollRowIntoView(row); }
    bool AddGroupRow(int group, const std::string& resolution, TimeValue startTime,
                     std::uint64_t totalDurationMs, std::uint64_t totalSize, std::uint8_t flags) override;
    bool IsChecked(int row) const override;
};
