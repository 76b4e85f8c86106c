// The two-channel controller on the real libvlc, drawing into real X11 windows: a choice in the file list
// plays both channels and the clock follows, a seek moves both, the end of a recording rewinds and pauses.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <chrono>
#include <functional>
#include <memory>

#include "dualplaybacktestsupport.h"
#include "mainwindow/channelevents.h"
#include "mainwindow/commands.h"
#include "mainwindow/windowtimers.h"
#include "playback/dualplayback.h"
#include "playertestsupport.h"

namespace {

using namespace playbacktest;

bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

class RealDualPlaybackTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
        fakevlc::Reset();
        catalogue.paths = {FrontClip().path};
        catalogue.rearPath = RearClip().path;
        catalogue.videoSize = {1, FrontClip().width, FrontClip().height};
        panes = std::make_unique<RealPanes>(QRect(700, 400, 320, 240));
        front = std::make_unique<VideoPlayer>();
        rear = std::make_unique<VideoPlayer>();
        timers = std::make_unique<WindowTimers>([this](int id) { playback->OnTimer(id); });
        playback = std::make_unique<DualPlayback>(*front, *rear, catalogue, *panes, *timers);
        dispatch = std::make_unique<ZovDispatch>(*playback, WindowActions{});
        window.dispatch = dispatch.get();
        context = {front.get(), &playback->Shared(), &window};
        playback->Initialise(&channel_events::OnFrontPlayerEvent, &channel_events::OnRearPlayerEvent,
                             &context);
    }
    void TearDown() override {
        // The players go first: no event may reach a context or a window that is gone.
        rear.reset();
        front.reset();
        QCoreApplication::removePostedEvents(&window);
        playback.reset();
    }

    FakeCatalogue catalogue;
    std::unique_ptr<RealPanes> panes;
    std::unique_ptr<VideoPlayer> front, rear;
    std::unique_ptr<WindowTimers> timers;
    std::unique_ptr<DualPlayback> playback;
    std::unique_ptr<ZovDispatch> dispatch;
    MessageWindow window;
    ChannelEventContext context;
};

TEST_F(RealDualPlaybackTest, AListChoicePlaysBothChannelsAndTheClockFollows) {
    playback->OnFileActivated(0);
    playback->OnFileActivated(0);  // still loading: ignored
    ASSERT_TRUE(WaitUntil([&] { return panes->slider > 0; })) << "no time report moved the slider";
    EXPECT_EQ(playback->Shared().switchGuard.load(), 0) << "the first time report ends the guard";
    EXPECT_EQ(fakevlc::Count("LoadTelemetry"), 1);
    EXPECT_GE(fakevlc::Count("SyncToTime"), 1);
    EXPECT_TRUE(rear->HasMedia());
    EXPECT_TRUE(WaitUntil([&] { return rear->GetTime() > 0; })) << "the rear channel plays too";
    EXPECT_EQ(fakevlc::Calls("SetPlayButtonState").back(), "SetPlayButtonState(1)");

    // A seek to the middle moves both channels within one period of timer 103 (and the engine's own time).
    const std::int64_t target = front->GetLength() / 1000 * 500;
    playback->RequestSeek(500);
    ASSERT_TRUE(WaitUntil([&] { return fakevlc::Count("DrawDrivenPath") == 1; }, 700));
    EXPECT_TRUE(WaitUntil([&] { return std::abs(front->GetTime() - target) < 400; }, 1500))
        << front->GetTime();
    EXPECT_TRUE(WaitUntil([&] { return std::abs(rear->GetTime() - target) < 400; }, 1500)) << rear->GetTime();

    // STOP: lamp out, slider back, graph dimmed.
    playback->Stop();
    EXPECT_TRUE(WaitUntil([&] { return fakevlc::Calls("SetGpsLamp").back() == "SetGpsLamp(0)"; }));
    EXPECT_EQ(panes->slider, 0);
    EXPECT_FALSE(front->IsPlaying());
}

TEST_F(RealDualPlaybackTest, WithoutLoopTheEndOfTheRecordingWaitsPausedAtItsStart) {
    playback->ToggleAutoNext();
    playback->StartEntry(0, DualPlayback::Trigger::FileList);
    ASSERT_TRUE(WaitUntil([&] { return front->GetTime() > 0; }));
    playback->RequestSeek(900);
    ASSERT_TRUE(WaitUntil([&] { return fakevlc::Count("SetGraphPosition") > 0; }, 5000)) << "no end handled";
    EXPECT_TRUE(front->IsPaused());
    EXPECT_EQ(panes->slider, 0);
    EXPECT_TRUE(front->HasMedia());
}

}  // namespace
