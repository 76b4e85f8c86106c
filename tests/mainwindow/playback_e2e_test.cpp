// The player end to end under X: the main window on the real libvlc and the real map page, playing recordings
// of the sample card, driven as a user would (the lists' double clicks, the buttons, the slider, the keys).

#include <gtest/gtest.h>

#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "../map/maptestsupport.h"
#include "controls/gdipbutton.h"
#include "controls/gsensorctrl.h"
#include "controls/pngstatic.h"
#include "mainwindow/controltable.h"
#include "mainwindow/windowplayback.h"
#include "mainwindow/zovdlg.h"
#include "map/cefbrowsereventhandler.h"
#include "map/htmlmapdlg.h"
#include "playback/vlcengine.h"
#include "windowtestsupport.h"

namespace {

namespace fs = std::filesystem;
using namespace ControlId;

const std::string& SampleCard() {
    static const std::string card = windowtest::MakeSampleCard(SAMPLE_CARD_TOOL, SAMPLE_CARD_DIR);
    return card;
}

class PlaybackEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!windowtest::HasDisplay()) GTEST_SKIP() << "no X display";
        ASSERT_FALSE(SampleCard().empty()) << "the sample card could not be made";
        settings_.Settings().WriteWindowRect({40, 40, 1240, 840});
        window = std::make_unique<CZovDlg>(VlcEngine::Process(), settings_.Settings());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(
            maptest::WaitUntil([&] { return window->MapWindow()->Handler()->GetBrowser() != nullptr; }));
        ASSERT_EQ(window->Catalogue().OpenSource(SampleCard(), ""), 1);
        ASSERT_GT(window->Catalogue().GetCount(), 3);
        playback = &window->Playback()->Playback();
    }
    void TearDown() override {
        if (window) window->Playback()->Playback().Stop();
        window.reset();
    }

    // What the file list sends on a double click.
    void DoubleClickFile(int index) {
        ZovMessageEvent activated(ZovMessage::FileActivated, index);
        QCoreApplication::sendEvent(window.get(), &activated);
    }
    bool Playing(int timeoutMs = 5000) {
        return maptest::WaitUntil([&] { return window->FrontChannel().GetTime() > 0; }, timeoutMs);
    }
    QVariantMap MapState() { return maptest::State(window->MapWindow()->BrowserView()->page()); }

    windowtest::SettingsFolder settings_;
    windowtest::MessageBoxAnswerer answerer_;
    std::unique_ptr<CZovDlg> window;
    DualPlayback* playback = nullptr;
};

TEST_F(PlaybackEndToEndTest, ARecordingPlaysAndTheGraphTheLampAndTheMapCarFollowIt) {
    // The second minute of the first trip: the car is under way.
    int moving = -1;
    for (int i = 0; i < window->Catalogue().GetCount() && moving < 0; ++i) {
        if (window->Catalogue().GetPath(i).ends_with("FILE0002F.mp4")) moving = i;
    }
    ASSERT_GE(moving, 0);
    DoubleClickFile(moving);
    DoubleClickFile(0);  // still loading: ignored
    ASSERT_TRUE(Playing());
    EXPECT_EQ(window->Catalogue().GetCurrentIndex(), moving);
    EXPECT_EQ(playback->CurrentPath(), window->Catalogue().GetPath(moving));

    auto* graph = window->ControlAs<CGSensorCtrl>(kGraph);
    auto* lamp = window->ControlAs<CPngStatic>(kGpsLamp);
    ASSERT_TRUE(maptest::WaitUntil([&] { return graph->Position() >= 1000 && lamp->IsLit(); }, 5000))
        << "graph at " << graph->Position() << " ms, lamp " << lamp->IsLit();
    EXPECT_FALSE(graph->IsDimmed());
    const QVariant car = MapState().value("carMarker");
    EXPECT_TRUE(car.isValid() && !car.isNull()) << "the car is on the map";
    ASSERT_TRUE(maptest::WaitUntil([&] { return graph->Position() >= 3500; }, 5000));
    EXPECT_NE(MapState().value("carMarker").toList(), car.toList()) << "the car moved on";
    if (window->Control(kRearPane)) {
        EXPECT_TRUE(maptest::WaitUntil([&] { return window->RearChannel().GetTime() > 0; }));
    }
    EXPECT_TRUE(answerer_.Seen().isEmpty()) << answerer_.Seen().join(", ").toStdString();
}

TEST_F(PlaybackEndToEndTest, FastTwentyTimesEndsAtFourAndStopDimsTheGraphAndResetsTheRate) {
    DoubleClickFile(0);
    ASSERT_TRUE(Playing());
    for (int i = 0; i < 20; ++i) window->RunCommand(kFast);
    EXPECT_EQ(playback->RateIndex(), 17);
    EXPECT_EQ(window->FrontChannel().Rate(), 4.0f);
    EXPECT_EQ(window->RearChannel().Rate(), 4.0f);
    const std::int64_t t0 = window->FrontChannel().GetTime();
    QTest::qWait(1000);
    EXPECT_GT(window->FrontChannel().GetTime() - t0, 2000) << "four times as fast";

    window->RunCommand(kStop);
    EXPECT_EQ(playback->RateIndex(), 7);
    EXPECT_EQ(window->FrontChannel().Rate(), 1.0f);
    EXPECT_TRUE(window->ControlAs<CGSensorCtrl>(kGraph)->IsDimmed());
    EXPECT_FALSE(window->FrontChannel().IsPlaying());
    EXPECT_TRUE(maptest::WaitUntil([&] { return !window->ControlAs<CPngStatic>(kGpsLamp)->IsLit(); }));
}

TEST_F(PlaybackEndToEndTest, ASeekMovesBothChannelsWithinHalfASecondAndRedrawsTheDrivenRoute) {
    DoubleClickFile(0);
    ASSERT_TRUE(Playing());
    const std::int64_t target = window->FrontChannel().GetLength() / 1000 * 500;
    QElapsedTimer clock;
    clock.start();
    window->Playback()->Dispatch().PositionScrolled(500);
    ASSERT_TRUE(maptest::WaitUntil([&] { return playback->Shared().pendingSeek.load() == 0; }, 600));
    EXPECT_LE(clock.elapsed(), 550) << "timer 103 applies the seek within its period";
    EXPECT_TRUE(maptest::WaitUntil([&] {
        return std::abs(window->FrontChannel().GetTime() - target) < 1000;
    })) << window->FrontChannel().GetTime()
        << " for " << target;
    if (window->RearChannel().HasMedia()) {
        EXPECT_TRUE(
            maptest::WaitUntil([&] { return std::abs(window->RearChannel().GetTime() - target) < 1000; }));
    }
    // The driven part of the route runs up to the half of the recording: about 30 of its 60 samples.
    const int driven = static_cast<int>(maptest::Points(MapState().value("drivenLine")).size());
    EXPECT_GE(driven, 25);
    EXPECT_LE(driven, 35);
}

TEST_F(PlaybackEndToEndTest, TheEndOfARecordingStartsTheNextOrWaitsAtItsStartWithoutLoop) {
    DoubleClickFile(0);
    ASSERT_TRUE(Playing());
    window->Playback()->Dispatch().PositionScrolled(995);
    ASSERT_TRUE(maptest::WaitUntil([&] { return window->Catalogue().GetCurrentIndex() == 1; }, 6000))
        << "Loop on: the next recording";
    ASSERT_TRUE(Playing());

    window->RunCommand(kLoop);
    ASSERT_FALSE(playback->AutoNext());
    window->Playback()->Dispatch().PositionScrolled(995);
    ASSERT_TRUE(maptest::WaitUntil([&] { return window->FrontChannel().IsPaused(); }, 6000))
        << "Loop off: rewound and paused";
    EXPECT_EQ(window->Catalogue().GetCurrentIndex(), 1);
    QTest::qWait(300);
    EXPECT_LT(window->FrontChannel().GetTime(), 1000);
}

TEST_F(PlaybackEndToEndTest, EscapeAndTheKeysLeaveThePlayerRunning) {
    DoubleClickFile(0);
    ASSERT_TRUE(Playing());
    QWidget* stop = window->Control(kStop);
    QTest::keyClick(stop, Qt::Key_Escape);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->FrontChannel().IsPlaying());
    // Space on the focused STOP button is PLAY (pause), not a click of STOP.
    QTest::keyClick(stop, Qt::Key_Space);
    EXPECT_TRUE(window->FrontChannel().IsPaused());
    EXPECT_TRUE(window->Catalogue().GetCount() > 0);
    // The engine's Paused event drops a pending seek: the key comes after it, as a user's would.
    auto* play = window->ControlAs<CGdipButton>(kPlay);
    ASSERT_TRUE(maptest::WaitUntil([&] { return play->ImageState() == 0; }));
    QTest::keyClick(stop, Qt::Key_Right);
    EXPECT_GT(playback->Shared().pendingSeek.load(), 5000);
}

}  // namespace
