// The main window under X: what it shows when it opens, how it closes, and its modes and mouse sizing on a
// real screen (the tests run under Xvfb at 1920 x 1080).

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "../map/maptestsupport.h"
#include "../playback/fakevlc.h"
#include "controls/gdipbutton.h"
#include "controls/gsensorctrl.h"
#include "controls/videostatic.h"
#include "controls/videostaticbg.h"
#include "controls/zoctooltipctrl.h"
#include "controls/zovfilelistctrl.h"
#include "controls/zovgrouplistctrl.h"
#include "mainwindow/controltable.h"
#include "mainwindow/zovdlg.h"
#include "map/cefbrowsereventhandler.h"
#include "map/htmlmapdlg.h"
#include "playback/vlcengine.h"
#include "windowtestsupport.h"

namespace {

using namespace ControlId;

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!windowtest::HasDisplay()) GTEST_SKIP() << "no X display";
        fakevlc::Reset();
    }

    // A shown window on the recording stand-in of the engine, placed at WINPOS of its own settings.
    std::unique_ptr<CZovDlg> Open(QRect place) {
        settings_.Settings().WriteWindowRect(
            {place.left(), place.top(), place.left() + place.width(), place.top() + place.height()});
        auto window = std::make_unique<CZovDlg>(engine_, settings_.Settings());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }

    windowtest::SettingsFolder settings_;
    VlcEngine engine_{fakevlc::MakeLibrary(), {}};
};

TEST_F(MainWindowTest, OpensWithTheMapPageTheGraphAndEveryButtonDrawn) {
    // The real engine of the process, as the player runs.
    windowtest::MessageBoxAnswerer answerer;
    settings_.Settings().WriteWindowRect({100, 80, 1100, 780});
    CZovDlg window(VlcEngine::Process(), settings_.Settings());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(answerer.Seen().isEmpty()) << answerer.Seen().join(", ").toStdString();
    EXPECT_TRUE(window.FrontChannel().IsEngineAvailable());

    EXPECT_EQ(window.geometry(), QRect(100, 80, 1000, 700));
    EXPECT_EQ(window.windowTitle(), "Orvan Player");
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(window.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(window.mask().contains(QPoint(500, 350)));

    CHtmlMapDlg* map = window.MapWindow();
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(maptest::WaitUntil([map] { return map->Handler()->GetBrowser() != nullptr; }))
        << "the map page did not load";
    EXPECT_EQ(map->geometry(), QRect(755, 48, 240, 240));

    auto* graph = window.ControlAs<CGSensorCtrl>(kGraph);
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(graph->isVisible());
    EXPECT_EQ(graph->SampleCount(), 0);

    for (const ButtonSetup& setup : kButtonSetups) {
        auto* button = window.ControlAs<CGdipButton>(setup.id);
        ASSERT_NE(button, nullptr) << setup.id;
        EXPECT_TRUE(button->isVisible()) << setup.id;
        EXPECT_FALSE(button->RenderingPixmap(CGdipButton::StdNormal).isNull()) << setup.id;
    }
    // Both panes idle: the logo on the backgrounds, the video windows hidden.
    for (int id : {kFrontBackground, kRearBackground}) {
        auto* background = window.ControlAs<CVideoStaticBg>(id);
        ASSERT_NE(background, nullptr);
        EXPECT_TRUE(background->isVisible());
        EXPECT_EQ(background->GetBgImage(), 1);
    }
    EXPECT_FALSE(window.Control(kFrontPane)->isVisible());
    EXPECT_FALSE(window.Control(kRearPane)->isVisible());
    EXPECT_EQ(window.ControlAs<CZovGroupListCtrl>(kGroupList)->rowCount(), 0);
    EXPECT_GT(window.ControlAs<CZovGroupListCtrl>(kGroupList)->columnCount(), 0);
    EXPECT_EQ(window.ControlAs<CZovFileListCtrl>(kFileList)->rowCount(), 0);
    EXPECT_EQ(window.Control(kStop)->toolTip(), "Stop");
    EXPECT_FALSE(window.Control(kFlip)->isVisible());
    EXPECT_FALSE(window.Control(kFlip)->isEnabled());
    EXPECT_EQ(window.Control(kClose)->geometry(), QRect(968, 2, 25, 25));
    EXPECT_TRUE(window.SeekTimer().isActive());
    EXPECT_EQ(window.SeekTimer().interval(), 500);
    EXPECT_TRUE(window.DelayedStartTimer().isActive());
    EXPECT_EQ(window.DelayedStartTimer().interval(), 100);
}

TEST_F(MainWindowTest, CloseButtonStopsTheFrontChannelAndStoresTheRectangle) {
    auto window = Open(QRect(200, 150, 900, 640));
    window->SetSizePreset(SizePreset::Medium);
    QTest::qWait(50);
    const QRect where = window->frameGeometry();
    EXPECT_EQ(where, QRect(240, 135, 1536, 864));
    fakevlc::Get().calls.clear();

    QTest::mouseClick(window->Control(kClose), Qt::LeftButton);
    EXPECT_TRUE(maptest::WaitUntil([&] { return !window->isVisible(); }, 5000));
    EXPECT_EQ(window->result(), QDialog::Rejected);
    const ::WindowRect stored = settings_.Settings().ReadWindowRect(1920, 1080);
    EXPECT_EQ(QRect(stored.left, stored.top, stored.right - stored.left, stored.bottom - stored.top), where);
    EXPECT_EQ(fakevlc::Count("libvlc_media_player_stop"), 1) << "only the front channel stops";
}

TEST_F(MainWindowTest, EscapeNeverClosesAndACancelOnlyStores) {
    auto window = Open(QRect(300, 200, 800, 560));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(window->Control(kPlay), Qt::Key_Escape);
    window->reject();
    QTest::qWait(50);
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(settings_.ReadIni().find("LEFT=300"), std::string::npos) << settings_.ReadIni();
}

TEST_F(MainWindowTest, ModesOnTheScreen) {
    auto window = Open(QRect(300, 200, 900, 600));
    const QRect normal = window->frameGeometry();
    const struct {
        const char* what;
        std::function<void()> act;
        QRect expected;
    } steps[] = {
        {"maximise", [&] { window->RunCommand(kMaximize); }, QRect(0, 0, 1920, 1080)},
        {"back", [&] { window->RunCommand(kMaximize); }, normal},
        {"S", [&] { window->RunCommand(kSizeS); }, QRect(560, 260, 800, 560)},
        {"double click on the background",
         [&] {
             windowtest::DoubleClick(window.get(), {520, 40});
         },
         QRect(0, 0, 1920, 1080)},
        {"double click again",
         [&] {
             windowtest::DoubleClick(window.get(), {520, 40});
         },
         QRect(560, 260, 800, 560)},
        {"L", [&] { window->RunCommand(kSizeL); }, QRect(0, 0, 1920, 1080)},
        {"M", [&] { window->RunCommand(kSizeM); }, QRect(240, 135, 1536, 864)},
    };
    for (const auto& step : steps) {
        step.act();
        QTest::qWait(30);
        EXPECT_EQ(window->frameGeometry(), step.expected) << step.what;
        // Laid out for the new size.
        EXPECT_EQ(window->Control(kClose)->geometry().left(), step.expected.width() - 32) << step.what;
    }
}

TEST_F(MainWindowTest, GripAndSplittersResizeWithTheirClamps) {
    auto window = Open(QRect(100, 100, 1000, 700));
    using windowtest::MoveTo;
    using windowtest::Press;
    using windowtest::Release;

    Press(window.get(), {990, 690});
    MoveTo(window.get(), {300, 200});
    EXPECT_EQ(window->geometry(), QRect(100, 100, 800, 560)) << "never below 800 x 560";
    MoveTo(window.get(), {1100, 750});
    Release(window.get(), {1100, 750});
    EXPECT_EQ(window->geometry(), QRect(100, 100, 1100, 750));

    // The column splitter lies 5 px left of the right column: 1100 - 5 - 240 = 855.
    Press(window.get(), {852, 300});
    MoveTo(window.get(), {600, 300});
    Release(window.get(), {600, 300});
    EXPECT_EQ(window->RequestedSizes().rightColumnWidth, 1100 - 600 - 10);
    EXPECT_EQ(window->Control(kFileList) ? window->Control(kFileList)->geometry().left()
                                         : window->MapWindow()->geometry().left(),
              600 - 5 + 10);

    // The right splitter above the top bar: a map of 20 px.
    const int mapBottom = window->MapWindow()->geometry().bottom() + 1;
    Press(window.get(), {800, mapBottom + 2});
    MoveTo(window.get(), {800, 30});
    Release(window.get(), {800, 30});
    EXPECT_EQ(window->MapWindow()->geometry().height(), 20);
    EXPECT_EQ(window->geometry(), QRect(100, 100, 1100, 750)) << "a splitter drag never moves the window";
}

// Every child's place and visibility, to compare after a round trip.
std::map<QString, std::pair<QRect, bool>> Snapshot(CZovDlg& window) {
    std::map<QString, std::pair<QRect, bool>> controls;
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->objectName().isEmpty())
            controls[child->objectName()] = {child->geometry(), child->isVisible()};
    }
    return controls;
}

TEST_F(MainWindowTest, FullPaneInAndOutRestoresTheWindowAndEveryControl) {
    const struct {
        const char* what;
        int preset;  // 0: none
        int paneId;
        QRect fullPane;
    } cases[] = {
        {"front, from a normal window", 0, kFrontBackground, QRect(0, 0, 1920, 1080)},
        {"rear, from L", kSizeL, kRearBackground, QRect(0, 0, 1920, 1079)},
    };
    for (const auto& c : cases) {
        auto window = Open(QRect(300, 200, 900, 600));
        window->Catalogue().Append(VideoFileInfo{});
        if (c.preset) window->RunCommand(c.preset);
        QTest::qWait(30);
        const QRect before = window->frameGeometry();
        const auto controls = Snapshot(*window);

        QWidget* pane = window->Control(c.paneId);
        QCursor::setPos(pane->mapToGlobal(pane->rect().center()));
        ZovMessageEvent toggle(ZovMessage::ToggleFullPane);
        QCoreApplication::sendEvent(window.get(), &toggle);
        QTest::qWait(30);
        EXPECT_EQ(window->frameGeometry(), c.fullPane) << c.what;
        EXPECT_EQ(window->Modes().FullPaneId(), c.paneId == kFrontBackground ? 1 : 2) << c.what;
        EXPECT_EQ(window->mask(), QRegion(0, 0, c.fullPane.width(), c.fullPane.height())) << c.what;
        // The background covers the monitor, also where the window is a pixel shorter.
        EXPECT_EQ(pane->geometry(), QRect(0, 0, 1920, 1080)) << c.what;
        const int other = c.paneId == kFrontBackground ? kRearBackground : kFrontBackground;
        EXPECT_FALSE(window->Control(other)->isVisible()) << c.what;
        EXPECT_FALSE(window->Control(kOpen)->isVisible()) << c.what;
        EXPECT_FALSE(window->Control(kGraph)->isVisible()) << c.what;
        EXPECT_EQ(window->MapWindow()->geometry(), QRect(0, 0, 1, 1)) << "parked, " << c.what;

        QCoreApplication::sendEvent(window.get(), &toggle);
        QTest::qWait(30);
        EXPECT_EQ(window->frameGeometry(), before) << c.what;
        EXPECT_FALSE(window->Modes().IsFullPane());
        EXPECT_EQ(Snapshot(*window), controls) << c.what;
    }
}

TEST_F(MainWindowTest, FullPaneWithAnEmptyCatalogueOnlyRemembersThePane) {
    auto window = Open(QRect(300, 200, 900, 600));
    QWidget* rear = window->Control(kRearBackground);
    QCursor::setPos(rear->mapToGlobal(rear->rect().center()));
    ZovMessageEvent toggle(ZovMessage::ToggleFullPane);
    QCoreApplication::sendEvent(window.get(), &toggle);
    EXPECT_EQ(window->Modes().FullPaneId(), 2);
    EXPECT_FALSE(window->Modes().IsFullPane());
    EXPECT_EQ(window->frameGeometry(), QRect(300, 200, 900, 600));
}

}  // namespace
