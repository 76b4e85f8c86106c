#include "controls/zovfilelistctrl.h"

CZovFileListCtrl::CZovFileListCtrl(QWidget* parent)
    : CZovListCtrl({121, 122, 118, 123, 120, 124}, 3, 10, parent) {
    setAccessibleName(QStringLiteral("Files"));
}

bool CZovFileListCtrl::AddFileRow(int group, int indexInGroup, const std::string& folder,
                                  const std::string& name, TimeValue startTime, std::uint32_t durationMs,
                                  std::uint64_t size, std::uint8_t flags) {
    return AppendRow(
               {
                   QStringLiteral("G%1-%2").arg(group).arg(indexInGroup),
                   QString::fromStdString(name),
                   listtext::LocalTime(startTime, "%H:%M:%S"),
                   listtext::LocalTime(startTime + static_cast<TimeValue>(durationMs / 1000), "%H:%M:%S"),
                   listtext::MiB(size),
                   QString::fromStdString(folder),
               },
               flags) >= 0;
}
