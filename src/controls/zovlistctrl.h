#pragma once

#include <QIcon>
#include <QTableWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "telemetry/records.h"

// What the group and the file list share: a report-style table with grid lines and full-row selection whose
// rows the catalogue fills, titles from the string table, the lock icon of a row, the mark of the row being
// played, and the double click that asks the main window to play a row. The lists own no catalogue data: a
// row's number is its only link back to the catalogue.
class CZovListCtrl : public QTableWidget {
    Q_OBJECT

  public:
    // The background of the row being played (the drop-highlight mark).
    static constexpr QColor kPlayingRowColour{26, 111, 214};

    // Sets the view up and inserts the columns, each width × widthFraction wide (the file list's columns
    // are together wider than the control and scroll sideways). Called once, after the control is sized.
    void InitList();
    // Titles in the current language; widths and order are kept.
    void RelabelColumns();

  signals:
    // A double click on a row, or -1 below the last row; also Return or Enter on the current row, so the
    // keyboard can play a row too. Single clicks only select.
    void rowDoubleClicked(int row);

  protected:
    CZovListCtrl(std::vector<int> titleIds, int widthNumerator, int widthDenominator, QWidget* parent);

    // Appends a row of texts whose first cell carries the lock icon of flags (bits 0 and 1); -1 when the row
    // could not be added.
    int AppendRow(const QStringList& texts, std::uint8_t flags);
    void RemoveAllRows();
    void SetRowDropHilited(int row, bool on);
    void ScrollRowIntoView(int row);

    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::vector<int> titleIds_;
    int widthNumerator_;
    int widthDenominator_;
    std::array<QIcon, 4> lockIcons_;  // by the lock flags: none, G, M, G and M
};

// The cell texts the lists show.
namespace listtext {
// Local time in strftime's format; empty when the time cannot be converted.
QString LocalTime(TimeValue time, const char* format);
// " %lld MB": whole MiB, truncated.
QString MiB(std::uint64_t bytes);
}  // namespace listtext
