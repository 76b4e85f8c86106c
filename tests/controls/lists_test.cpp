#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "app/appsettings.h"
#include "app/languagetable.h"
#include "controls/pictures.h"
#include "controls/zovfilelistctrl.h"
#include "controls/zovgrouplistctrl.h"
#include "library/recordingcatalogue.h"
#include "telemetry/timerules.h"

// Readable failure messages.
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '"' << l.join("|").toStdString() << '"';
}

namespace {

TimeValue Local(int hour, int minute, int second) {
    return *LocalTimeValue(2024, 5, 1, hour, minute, second);
}

QStringList RowTexts(const QTableWidget& list, int row) {
    QStringList texts;
    for (int c = 0; c < list.columnCount(); ++c) texts << list.item(row, c)->text();
    return texts;
}

QStringList Titles(const QTableWidget& list) {
    QStringList titles;
    for (int c = 0; c < list.columnCount(); ++c) titles << list.horizontalHeaderItem(c)->text();
    return titles;
}

// The icon as the list shows it, against the picture of the lock icons cut at index.
QImage ShownIcon(const QTableWidget& list, int row) {
    return list.item(row, 0)
        ->icon()
        .pixmap(QSize(24, 24), 1.0)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}
QImage LockPicture(int index) {
    return RenderPicture(158, QSize(96, 24))
        .copy(index * 24, 0, 24, 24)
        .convertToFormat(QImage::Format_ARGB32);
}

TEST(ListsTest, ColumnsTitlesAndWidths) {
    CZovGroupListCtrl groups;
    groups.resize(588, 115);
    groups.InitList();
    EXPECT_EQ(Titles(groups), QStringList({"Group", "Resolution", "Start Time", "Length", "File Size"}));
    for (int c = 0; c < 5; ++c) EXPECT_EQ(groups.columnWidth(c), 588 / 5);
    EXPECT_EQ(groups.accessibleName(), "Groups");

    CZovFileListCtrl files;
    files.resize(291, 236);
    files.InitList();
    EXPECT_EQ(Titles(files),
              QStringList({"ID", "File Name", "Start Time", "End Time", "File Size", "Folder"}));
    for (int c = 0; c < 6; ++c) EXPECT_EQ(files.columnWidth(c), 291 * 3 / 10);
    EXPECT_EQ(files.accessibleName(), "Files");
}

TEST(ListsTest, RelabelColumnsFollowsTheLanguage) {
    const bool hadIni = std::filesystem::exists("Zov.ini");
    AppSettings& settings = AppSettings::Instance();
    const int before = settings.GetLanguageIndex();
    CZovFileListCtrl files;
    files.resize(300, 200);
    files.InitList();
    files.setColumnWidth(2, 77);

    settings.SetLanguageIndex(LanguageTable::FindByCode("GER"));
    files.RelabelColumns();
    const QStringList german = Titles(files);
    settings.SetLanguageIndex(before);
    files.RelabelColumns();
    if (!hadIni) std::filesystem::remove("Zov.ini");

    EXPECT_NE(german, Titles(files));
    EXPECT_EQ(german[5], "Ordner");
    EXPECT_EQ(Titles(files)[5], "Folder");
    EXPECT_EQ(files.columnWidth(2), 77);
}

TEST(ListsTest, GroupRowTexts) {
    CZovGroupListCtrl groups;
    groups.InitList();
    struct Case {
        int group;
        int width, height;
        TimeValue start;
        std::uint64_t ms, bytes;
        QStringList texts;
    };
    const Case cases[] = {
        {0,
         1920,
         1080,
         Local(8, 5, 9),
         179999,
         1048575,
         {"G0", "FHD", "2024-05-01 08:05:09", " 179 s ", " 0 MB"}},
        {1,
         1920,
         1088,
         Local(23, 59, 59),
         3600000,
         5 * 1048576ull + 1,
         {"G1", "1920x1088", "2024-05-01 23:59:59", " 3600 s ", " 5 MB"}},
        {12, 0, 0, 0, 0, 0, {"G12", "", "1970-01-01 01:00:00", " 0 s ", " 0 MB"}},
        // A time the C library cannot convert leaves its cell empty.
        {3,
         1280,
         720,
         std::numeric_limits<TimeValue>::max(),
         999,
         1ull << 40,
         {"G3", "HD", "", " 0 s ", " 1048576 MB"}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(
            groups.AddGroupRow(c.group, ResolutionName(c.width, c.height), c.start, c.ms, c.bytes, 0));
        EXPECT_EQ(RowTexts(groups, groups.rowCount() - 1), c.texts);
    }
}

TEST(ListsTest, FileRowTexts) {
    CZovFileListCtrl files;
    files.InitList();
    ASSERT_TRUE(files.AddFileRow(2, 0, "/media/card/DCIM/", "2024_0501_235930_001.MP4", Local(23, 59, 30),
                                 45999, 1048576 * 3, 0));
    EXPECT_EQ(RowTexts(files, 0), QStringList({"G2-0", "2024_0501_235930_001.MP4", "23:59:30", "00:00:15",
                                               " 3 MB", "/media/card/DCIM/"}));
}

TEST(ListsTest, LockIconsByFlags) {
    CZovFileListCtrl files;
    files.InitList();
    for (std::uint8_t flags = 0; flags < 4; ++flags)
        files.AddFileRow(0, flags, "/f/", "name", Local(12, 0, 0), 1000, 0, flags);
    for (int row = 0; row < 4; ++row) EXPECT_EQ(ShownIcon(files, row), LockPicture(row)) << row;
    EXPECT_NE(LockPicture(3), LockPicture(1));
    // The empty icon keeps the indent without showing anything.
    const QImage none = ShownIcon(files, 0);
    for (int y = 0; y < none.height(); ++y)
        for (int x = 0; x < none.width(); ++x) ASSERT_EQ(qAlpha(none.pixel(x, y)), 0);
}

TEST(ListsTest, GroupCheckBoxesAreReadAndReachable) {
    CZovGroupListCtrl groups;
    groups.resize(500, 200);
    groups.InitList();
    for (int g = 0; g < 3; ++g) groups.AddGroupRow(g, "FHD", Local(12, g, 0), 60000, 1 << 20, 0);
    groups.item(1, 0)->setCheckState(Qt::Checked);
    EXPECT_FALSE(groups.IsChecked(0));
    EXPECT_TRUE(groups.IsChecked(1));
    EXPECT_FALSE(groups.IsChecked(3));
    EXPECT_FALSE(groups.IsChecked(-1));

    // Screen readers see the table's cells and their check states.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&groups);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), "Groups");
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->rowCount(), 3);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(1, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "G1");
    EXPECT_TRUE(cell->state().checkable);
    EXPECT_TRUE(cell->state().checked);
    EXPECT_FALSE(table->tableInterface()->cellAt(0, 0)->state().checked);
}

TEST(ListsTest, DropHighlightScrollingAndDeleting) {
    CZovFileListCtrl files;
    files.resize(400, 150);
    files.InitList();
    for (int i = 0; i < 60; ++i) files.AddFileRow(0, i, "/f/", "name", Local(12, 0, 0), 1000, 0, 0);
    files.show();

    files.SetDropHilited(40, true);
    files.EnsureVisible(40);
    QApplication::processEvents();
    const int y = files.rowViewportPosition(40);
    ASSERT_GE(y, 0);
    ASSERT_LE(y + files.rowHeight(40), files.viewport()->height());
    const QImage shown = files.viewport()->grab().toImage();
    const QPoint inCell(files.columnViewportPosition(1) + files.columnWidth(1) - 4,
                        y + files.rowHeight(40) / 2);
    EXPECT_EQ(shown.pixelColor(inCell), CZovListCtrl::kPlayingRowColour);

    files.SetDropHilited(40, false);
    const QImage cleared = files.viewport()->grab().toImage();
    EXPECT_EQ(cleared.pixelColor(inCell), files.palette().color(QPalette::Base));
    files.SetDropHilited(60, true);  // rows the list does not have are ignored
    files.EnsureVisible(-1);

    files.DeleteAllItems();
    EXPECT_EQ(files.rowCount(), 0);
    EXPECT_EQ(files.columnCount(), 6);
}

TEST(ListsTest, DoubleClicksReportTheRowOrMinusOne) {
    CZovGroupListCtrl groups;
    groups.resize(500, 200);
    groups.InitList();
    for (int g = 0; g < 2; ++g) groups.AddGroupRow(g, "FHD", Local(12, g, 0), 60000, 1 << 20, 0);
    groups.show();
    QSignalSpy spy(&groups, &CZovListCtrl::rowDoubleClicked);
    QWidget* viewport = groups.viewport();
    const QPoint row1(150, groups.rowViewportPosition(1) + 5);

    QTest::mouseClick(viewport, Qt::LeftButton, {}, row1);
    EXPECT_EQ(spy.count(), 0);  // a single click only selects
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, row1);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(150, viewport->height() - 5));
    QTest::keyClick(&groups, Qt::Key_Return);
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy[0][0].toInt(), 1);
    EXPECT_EQ(spy[1][0].toInt(), -1);
    EXPECT_EQ(spy[2][0].toInt(), 1);  // Return plays the current row
}

}  // namespace
