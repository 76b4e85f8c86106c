// The catalogue driving the real list and graph widgets, on recordings written to a folder.

#include <gtest/gtest.h>

#include "../library/testrecordings.h"
#include "controls/gsensorctrl.h"
#include "controls/zovfilelistctrl.h"
#include "controls/zovgrouplistctrl.h"
#include "library/recordingcatalogue.h"

namespace {

QStringList RowTexts(const QTableWidget& list, int row) {
    QStringList texts;
    for (int c = 0; c < list.columnCount(); ++c) texts << list.item(row, c)->text();
    return texts;
}

class CatalogueWidgets : public TempDirTest {
  protected:
    CZovGroupListCtrl groups;
    CZovFileListCtrl files;
    CGSensorCtrl graph;
    RecordingCatalogue catalogue;
};

TEST_F(CatalogueWidgets, OpenSourceFillsTheListsAndLoadTelemetryTheGraph) {
    groups.InitList();
    files.InitList();
    graph.resize(326, 128);
    catalogue.Init(&groups, &files, &graph, nullptr, nullptr);

    // Two minutes without a gap, then a recording an hour later with a G-sensor track. Each lasts 1800
    // frames of 33 333 us: 59 999 ms, shown as 59 s (and the group as 119 s).
    testrec::Track t;
    t.hour = 12;
    Write("MOVI0001.AVI", testrec::Avi(t));
    t.minute = 1;
    Write("MOVI0002.AVI", testrec::Avi(t));
    t.hour = 13;
    t.minute = 0;
    t.height = 1088;
    t.gsenCount = 600;
    t.gsenPerSecond = 10;
    t.gsenRangeG = 4;
    Write("MOVI0003.AVI", testrec::Avi(t));

    ASSERT_EQ(catalogue.OpenSource(dir_, ""), 1);
    ASSERT_EQ(groups.rowCount(), 2);
    ASSERT_EQ(files.rowCount(), 3);
    EXPECT_EQ(RowTexts(groups, 0), QStringList({"G0", "FHD", "2024-05-01 12:00:00", " 119 s ", " 0 MB"}));
    EXPECT_EQ(RowTexts(groups, 1),
              QStringList({"G1", "1920x1088", "2024-05-01 13:00:00", " 59 s ", " 0 MB"}));
    const QStringList last = RowTexts(files, 2);
    EXPECT_EQ(last.mid(0, 5), QStringList({"G1-0", "MOVI0003.AVI", "13:00:00", "13:00:59", " 0 MB"}));
    EXPECT_TRUE(last[5].startsWith(QString::fromStdString(dir_))) << last[5].toStdString();

    ASSERT_EQ(catalogue.Select(2), 1);
    EXPECT_EQ(files.item(2, 1)->background().color(), CZovListCtrl::kPlayingRowColour);
    EXPECT_EQ(groups.item(1, 1)->background().color(), CZovListCtrl::kPlayingRowColour);
    groups.item(1, 0)->setCheckState(Qt::Checked);
    EXPECT_EQ(catalogue.CollectCheckedGroups(), 1);

    ASSERT_EQ(catalogue.LoadTelemetry(2), 1);
    EXPECT_EQ(graph.SampleCount(), 600);
    EXPECT_DOUBLE_EQ(graph.SensorRange(), 4.0);
    EXPECT_DOUBLE_EQ(graph.SampleRate(), 0.01);
    EXPECT_EQ(graph.ViewMode(), 2);
    EXPECT_DOUBLE_EQ(graph.TotalDuration(), 60000.0);
    graph.SetPosition(30000);
    EXPECT_DOUBLE_EQ(graph.WindowStart(), 15000.0);
    // Sample 300 of the fixture's track: X 0, Y -2 and Z 64 counts of a 4 G range.
    const auto v = graph.ValuesAtCursor();
    EXPECT_DOUBLE_EQ(v[0], 0.0);
    EXPECT_DOUBLE_EQ(v[1], -2 * 4.0 / 128);
    EXPECT_DOUBLE_EQ(v[2], 2.0);

    // A recording without G-sensor data leaves the graph empty.
    ASSERT_EQ(catalogue.LoadTelemetry(0), 1);
    EXPECT_EQ(graph.SampleCount(), 0);
}

}  // namespace
