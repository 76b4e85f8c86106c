#include "controls/zovgrouplistctrl.h"

CZovGroupListCtrl::CZovGroupListCtrl(QWidget* parent)
    : CZovListCtrl({116, 117, 118, 119, 120}, 1, 5, parent) {
    setAccessibleName(QStringLiteral("Groups"));
}

bool CZovGroupListCtrl::AddGroupRow(int group, const std::string& resolution, TimeValue startTime,
                                    std::uint64_t totalDurationMs, std::uint64_t totalSize,
                                    std::uint8_t flags) {
    const int row = AppendRow(
        {
            QStringLiteral("G%1").arg(group),
            QString::fromStdString(resolution),
            listtext::LocalTime(startTime, "%Y-%m-%d %H:%M:%S"),
            QStringLiteral(" %1 s ").arg(static_cast<qulonglong>(totalDurationMs / 1000)),
            listtext::MiB(totalSize),
        },
        flags);
    if (row < 0) return false;
    QTableWidgetItem* first = item(row, 0);
    first->setFlags(first->flags() | Qt::ItemIsUserCheckable);
    first->setCheckState(Qt::Unchecked);
    return true;
}

bool CZovGroupListCtrl::IsChecked(int row) const {
    const QTableWidgetItem* first = row >= 0 && row < rowCount() ? item(row, 0) : nullptr;
    return first != nullptr && first->checkState() == Qt::Checked;
}
