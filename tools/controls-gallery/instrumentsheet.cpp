#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <cmath>
#include <vector>

#include "controls/gsensorctrl.h"
#include "controls/instrumentpaneladapter.h"
#include "controls/pngcompassstatic.h"
#include "controls/pngstatic.h"
#include "controls/speedlabelstatic.h"
#include "controls/statusboardstatic.h"
#include "controls/zovfilelistctrl.h"
#include "controls/zovgrouplistctrl.h"
#include "gallery.h"
#include "library/recordingcatalogue.h"
#include "sections.h"
#include "telemetry/timerules.h"

namespace {

// Ten minutes of a drive at 10 samples a second: swaying, braking bumps and the road under the wheels.
std::vector<std::uint8_t> Drive() {
    std::vector<std::uint8_t> raw;
    for (int i = 0; i < 6000; ++i) {
        raw.push_back(
            static_cast<std::uint8_t>(static_cast<int>(30 * std::sin(i / 40.0) + (i % 300 < 8 ? 50 : 0))));
        raw.push_back(static_cast<std::uint8_t>(static_cast<int>(12 * std::sin(i / 9.0))));
        raw.push_back(static_cast<std::uint8_t>(64 + static_cast<int>(6 * std::sin(i * 1.7))));
    }
    return raw;
}

TimeValue At(int hour, int minute, int second) {
    return *LocalTimeValue(2024, 5, 1, hour, minute, second);
}

}  // namespace

void AddInstruments(Gallery& gallery) {
    gallery.Section(QStringLiteral("Speed, compass, GPS lamp and copy progress"));
    QWidget bar;  // the main window's dark background behind the instruments
    QPalette dark = bar.palette();
    dark.setColor(QPalette::Window, QColor(5, 5, 5));
    bar.setPalette(dark);
    auto* speed = new CSpeedLabelStatic(&bar);
    auto* compass = new CPngCompassStatic(&bar);
    auto* lamp = new CPngStatic(&bar);
    auto* board = new CStatusBoardStatic(&bar);
    speed->resize(80, 40);
    lamp->resize(36, 32);
    board->resize(240, 22);
    InstrumentPanelAdapter panel(*compass, *speed, *lamp, *board);
    panel.SetUp();
    gallery.Add(QStringLiteral("start: 0 Km/h"), *speed);
    panel.SetSpeed(88, true);
    gallery.Add(QStringLiteral("88 Km/h"), *speed);
    speed->SetSpeed(100, true);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(speed, &press);
    QApplication::sendEvent(speed, &release);
    gallery.Add(QStringLiteral("100 km/h, clicked"), *speed);
    panel.SetSpeed(0, false);
    gallery.Add(QStringLiteral("no fix: blank"), *speed);
    gallery.Add(QStringLiteral("no heading"), *compass);
    for (const int heading : {0, 45, 90, 135, 180, 225, 270, 315}) {
        panel.SetHeading(heading);
        gallery.Add(QStringLiteral("%1\u00b0").arg(heading), *compass);
    }
    gallery.Add(QStringLiteral("GPS: no fix"), *lamp);
    panel.SetGpsLit(true);
    gallery.Add(QStringLiteral("GPS: fix"), *lamp);
    for (const int percent : {0, 50, 100}) {
        panel.ShowProgress(percent, true);
        gallery.Add(QStringLiteral("copy at %1 %").arg(percent), *board);
    }

    gallery.Section(QStringLiteral("G-sensor graph: playing, a curve switched off, stopped"));
    CGSensorCtrl graph;
    graph.resize(600, 120);
    const std::vector<std::uint8_t> raw = Drive();
    graph.SetRange(2, 2);
    graph.SetData(raw.data(), static_cast<int>(raw.size() / 3), {});
    graph.SetSampleRate(0.01);
    graph.SetPixelsPerMs(0.01);
    graph.SetViewMode(2);
    graph.SetPosition(200000);
    gallery.Add(QStringLiteral("playing, cursor in the middle"), graph);
    // A click on the legend's Y entry switches that curve off.
    const QPointF y = graph.LegendRect(CGSensorCtrl::Y).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, y, graph.mapToGlobal(y), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&graph, &click);
    }
    graph.SetPosition(599000);
    gallery.Add(QStringLiteral("Y switched off; the end of the track at the right edge"), graph);
    graph.SetPosition(0);
    graph.SetDimmed(true);
    gallery.Add(QStringLiteral("stopped: dimmed, cursor at the start"), graph);

    gallery.Section(QStringLiteral("Group list and file list: the playing group and file marked"));
    CZovGroupListCtrl groups;
    groups.resize(588, 115);
    groups.InitList();
    groups.AddGroupRow(0, ResolutionName(1920, 1080), At(8, 2, 0), 540000, 3u * 1048576 * 300, 0);
    groups.AddGroupRow(1, ResolutionName(1920, 1088), At(9, 15, 30), 179999, 1048575, 1);
    groups.AddGroupRow(2, ResolutionName(1280, 720), At(17, 40, 5), 60000, 1048576 * 90ull, 3);
    groups.item(1, 0)->setCheckState(Qt::Checked);
    groups.SetDropHilited(0, true);
    gallery.Add(QStringLiteral("groups, G1 ticked, G0 playing"), groups);

    CZovFileListCtrl files;
    files.resize(291, 236);
    files.InitList();
    const char* names[] = {"2024_0501_080200_001.MP4", "2024_0501_080500_002.MP4", "2024_0501_080800_003.MP4",
                           "2024_0501_091530_004G.MP4", "2024_0501_174005_005.MP4"};
    const std::uint8_t flags[] = {0, 0, 0, 1, 3};
    for (int i = 0; i < 5; ++i)
        files.AddFileRow(i < 3 ? 0 : i - 2, i < 3 ? i : 0, "/media/card/DCIM/", names[i], At(8, 2 + 3 * i, 0),
                         180000, 300u * 1048576, flags[i]);
    files.SetDropHilited(1, true);
    gallery.Add(QStringLiteral("files, G0-1 playing"), files);
}
