// The two-channel controller against the recording stand-in of the engine and recording stand-ins of the
// catalogue, the window and its timers: the order of every step of starting, stopping, the rate, seeking and
// the ends of the recordings.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "dualplaybacktestsupport.h"
#include "fakevlc.h"
#include "mainwindow/channelevents.h"
#include "mainwindow/zovmessages.h"
#include "playback/dualplayback.h"

namespace {

using namespace playbacktest;
using Strings = std::vector<std::string>;
using Trigger = DualPlayback::Trigger;

Strings operator+(Strings a, const Strings& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class DualPlaybackTest : public ::testing::Test {
  protected:
    // Tests that run several cases call SetUp again for each: it starts from nothing.
    void SetUp() override {
        TearDown();
        fakevlc::Reset();
        fakevlc::Get().playerNames = {"front", "rear"};
        engine_ =
            std::make_unique<VlcEngine>(fakevlc::MakeLibrary(), std::vector<std::string>{"--aout=dummy"});
        front_ = std::make_unique<VideoPlayer>(*engine_);
        rear_ = std::make_unique<VideoPlayer>(*engine_);
        catalogue.paths = {"/card/F/A_0F.MP4", "/card/F/A_1F.MP4", "/card/F/A_2F.MP4"};
        catalogue.firstOfGroup = {0, 2};
        playback = std::make_unique<DualPlayback>(*front_, *rear_, catalogue, surface, timers);
        playback->Initialise(nullptr, nullptr, nullptr);
        fakevlc::Get().calls.clear();
    }
    void TearDown() override {
        playback.reset();
        rear_.reset();
        front_.reset();
        engine_.reset();
        catalogue = FakeCatalogue{};
        surface = FakeSurface{};
        timers = FakeTimers{};
    }

    // The calls that make the order: channel operations, catalogue steps, window changes, timers and waits.
    static Strings Steps() {
        static const std::set<std::string> kept = {
            "libvlc_media_player_stop",     "libvlc_media_player_play",        "libvlc_media_player_pause",
            "libvlc_media_new_path",        "libvlc_video_set_marquee_string", "libvlc_media_release",
            "libvlc_media_player_set_time", "libvlc_media_player_set_rate",    "libvlc_video_take_snapshot",
            "libvlc_audio_set_mute"};
        Strings out;
        for (const std::string& c : fakevlc::Get().calls) {
            const std::string name = c.substr(0, c.find('('));
            if (name.rfind("libvlc_", 0) != 0 || kept.count(name)) out.push_back(c);
        }
        fakevlc::Get().calls.clear();
        return out;
    }

    // Steps of StartEntry after its first one (showing the front pane).
    static Strings EntrySteps(int index, bool initMap, bool overlay, bool playButton,
                              bool revealRear = true) {
        const std::string front = "/card/F/A_" + std::to_string(index) + "F.MP4";
        const std::string rear = "/card/F/A_" + std::to_string(index) + "R.MP4";
        Strings s = {"Select(" + std::to_string(index) + ")", "LoadTelemetry(" + std::to_string(index) + ")",
                     "libvlc_media_new_path(ptr,\"" + front + "\")"};
        if (playButton) s.push_back("SetPlayButtonState(1)");
        s.push_back("FitVideoPanes()");
        if (initMap) s.push_back("InitMap()");
        s.push_back("libvlc_media_player_play(front)");
        if (overlay) s = s + Overlay("1.0 X") + Strings{"StartTimer(102,300)"};
        if (revealRear) s = s + Reveal(Channel::Rear);
        return s + Strings{"libvlc_media_new_path(ptr,\"" + rear + "\")", "libvlc_media_player_play(rear)"};
    }
    static Strings Overlay(const std::string& label) {
        return {"libvlc_video_set_marquee_string(front,1,\"" + label + "\")",
                "libvlc_video_set_marquee_string(rear,1,\"" + label + "\")"};
    }
    static Strings Reveal(Channel c) {
        return {std::string("SetPlaceholderShown(") + Name(c) + ",0)",
                std::string("ShowPane(") + Name(c) + ",1)"};
    }

    // The marquee switches of the last overlay: {front, rear}.
    static Strings MarqueeInts(int option) {
        Strings out;
        const std::string tail = "," + std::to_string(option) + ",";
        for (const std::string& c : fakevlc::Calls("libvlc_video_set_marquee_int(")) {
            if (c.find(tail) != std::string::npos) out.push_back(c);
        }
        return out;
    }

    FakeCatalogue catalogue;
    FakeSurface surface;
    FakeTimers timers;
    std::unique_ptr<DualPlayback> playback;

  private:
    std::unique_ptr<VlcEngine> engine_;
    std::unique_ptr<VideoPlayer> front_;
    std::unique_ptr<VideoPlayer> rear_;
};

TEST_F(DualPlaybackTest, InitialisationSilencesTheRearForGoodAndStartsTheAlwaysOnTimers) {
    fakevlc::Reset();
    fakevlc::Get().playerNames = {"front", "rear"};
    auto engine = std::make_unique<VlcEngine>(fakevlc::MakeLibrary(), std::vector<std::string>{});
    VideoPlayer front(*engine), rear(*engine);
    DualPlayback p(front, rear, catalogue, surface, timers);
    fakevlc::Get().calls.clear();
    p.Initialise(nullptr, nullptr, nullptr);
    EXPECT_EQ(fakevlc::Calls("libvlc_audio_set_volume"),
              (Strings{"libvlc_audio_set_volume(front,200)", "libvlc_audio_set_volume(rear,0)"}));
    EXPECT_EQ(fakevlc::Calls("libvlc_media_player_set_rate"),
              (Strings{"libvlc_media_player_set_rate(front,1)", "libvlc_media_player_set_rate(rear,1)"}));
    EXPECT_TRUE(timers.Active(103));
    EXPECT_TRUE(timers.Active(105));
    EXPECT_EQ(surface.volumeSlider, 100);

    // Every later media of the rear channel gets the silent volume again.
    p.PlayRearChannel("/card/F/A_0F.MP4");
    EXPECT_EQ(fakevlc::Calls("libvlc_audio_set_volume").back(), "libvlc_audio_set_volume(rear,0)");
    p.SetMute(true);
    p.StepVolume(-5);
    EXPECT_EQ(fakevlc::Calls("libvlc_audio_set_mute"), Strings{"libvlc_audio_set_mute(front,1)"});
    EXPECT_EQ(fakevlc::Calls("libvlc_audio_set_volume").back(), "libvlc_audio_set_volume(front,190)");
    EXPECT_EQ(surface.volumeSlider, 95);
}

TEST_F(DualPlaybackTest, TheFiveWaysToStartARecording) {
    const std::string stopBoth[] = {"libvlc_media_player_stop(front)", "libvlc_media_player_stop(rear)"};
    const Strings listWait = {stopBoth[0], stopBoth[1], "wait(200)"};
    const Strings guard = {"StartTimer(106,100000)"};
    struct Case {
        const char* trigger;
        std::function<void()> act;
        Strings expected;
    };
    const Case cases[] = {
        {"file list", [&] { playback->OnFileActivated(1); },
         listWait + Strings{"Select(1)"} + guard + Reveal(Channel::Front) +
             EntrySteps(1, false, true, false)},
        {"group list", [&] { playback->OnGroupActivated(1); },
         listWait + Strings{"SelectGroupEntry(1,0)"} + guard + Reveal(Channel::Front) +
             EntrySteps(2, true, true, false)},
        {"delayed start",
         [&] {
             playback->ArmDelayedStart();
             for (int i = 0; i < 6; ++i) playback->OnTimer(105);
         },
         Reveal(Channel::Front) + EntrySteps(0, true, true, false)},
        {"end of the front recording",
         [&] {
             catalogue.current = 0;
             surface.placeholder[0] = surface.placeholder[1] = false;
             playback->OnFrontEnded();
         },
         EntrySteps(1, false, true, false, false)},
        {"OPEN", [&] { playback->StartFirstEntry(); },
         Reveal(Channel::Front) + EntrySteps(0, false, false, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.trigger);
        SetUp();
        c.act();
        timers.RunPending();
        EXPECT_EQ(Steps(), c.expected);
        TearDown();
    }
}

TEST_F(DualPlaybackTest, AChoiceInAListIsIgnoredWhileTheLastOneIsStillLoading) {
    playback->OnFileActivated(0);
    playback->OnFileActivated(1);  // during the wait before the start
    timers.RunPending();
    EXPECT_EQ(playback->CurrentPath(), "/card/F/A_0F.MP4");
    EXPECT_EQ(playback->Shared().switchGuard.load(), 1);
    Steps();
    playback->OnGroupActivated(1);  // guard set: the first time report has not come yet
    playback->OnFileActivated(2);
    EXPECT_EQ(Steps(), Strings{});
    EXPECT_FALSE(playback->PrepareOpen()) << "OPEN does nothing either";

    // The guard ends with the first time report of the front channel, or with timer 106.
    QObject window;
    ChannelEventContext context{&playback->Front(), &playback->Shared(), &window};
    libvlc_event_t event{};
    event.type = libvlc_MediaPlayerTimeChanged;
    channel_events::OnFrontPlayerEvent(&event, &context);
    EXPECT_EQ(playback->Shared().switchGuard.load(), 0);
    playback->ArmSwitchGuard();
    EXPECT_TRUE(timers.Active(106));
    playback->OnTimer(106);
    EXPECT_EQ(playback->Shared().switchGuard.load(), 0);
    EXPECT_FALSE(timers.Active(106));

    // -1 (below the last row) and a failed Select start nothing; STOP during the wait cancels the start.
    playback->OnFileActivated(-1);
    playback->OnGroupActivated(-1);
    playback->OnFileActivated(7);
    timers.RunPending();
    playback->OnFileActivated(2);
    playback->Stop();
    timers.RunPending();
    EXPECT_EQ(fakevlc::Count("LoadTelemetry"), 0);
    EXPECT_EQ(playback->Shared().switchGuard.load(), 0);
}

TEST_F(DualPlaybackTest, StopAfterFastResetsTheRateAndShowsThePlaceholders) {
    playback->StartFirstEntry();
    playback->Faster();
    playback->Faster();
    playback->Shared().pendingSeek = 5000;
    Steps();
    playback->Stop();
    EXPECT_EQ(Steps(), (Strings{"SetPlayButtonState(0)", "libvlc_media_player_stop(front)",
                                "libvlc_media_player_stop(rear)", "libvlc_media_player_set_rate(front,1)",
                                "libvlc_media_player_set_rate(rear,1)", "SetPositionSlider(0)",
                                "SetGraphPosition(0)", "SetGraphDimmed(1)", "SetPlaceholderShown(front,1)",
                                "ShowPane(front,0)", "SetPlaceholderShown(rear,1)", "ShowPane(rear,0)"}));
    EXPECT_EQ(playback->RateIndex(), 7);
    EXPECT_EQ(playback->Shared().pendingSeek.load(), 0);
    // PLAY after STOP plays at normal speed and shows the panes again.
    playback->Play();
    EXPECT_EQ(Steps(), Strings{"SetGraphDimmed(0)"} + Reveal(Channel::Front) +
                           Strings{"libvlc_media_player_play(front)"} + Overlay("1.0 X") +
                           Strings{"StartTimer(102,300)"} + Reveal(Channel::Rear) +
                           Strings{"libvlc_media_player_play(rear)"});
    playback->Play();
    EXPECT_EQ(Steps(), (Strings{"SetGraphDimmed(0)", "libvlc_media_player_pause(front)",
                                "libvlc_media_player_pause(rear)"}));
}

TEST_F(DualPlaybackTest, RateStepsClampAndTheOverlayIsOnOnlyAwayFromNormalSpeed) {
    for (int i = 0; i < 20; ++i) playback->Faster();
    EXPECT_EQ(playback->RateIndex(), 17);
    EXPECT_EQ(fakevlc::Calls("libvlc_media_player_set_rate").back(), "libvlc_media_player_set_rate(rear,4)");
    EXPECT_EQ(fakevlc::Calls("libvlc_video_set_marquee_string").back(),
              "libvlc_video_set_marquee_string(rear,1,\"4.0 X\")");
    // Enable (option 0) last; size (option 6) is a tenth of the picture's height.
    EXPECT_EQ(MarqueeInts(0).back(), "libvlc_video_set_marquee_int(rear,0,1)");
    EXPECT_EQ(MarqueeInts(6).back(), "libvlc_video_set_marquee_int(rear,6,108)");
    EXPECT_EQ(fakevlc::Calls("libvlc_video_set_marquee_int(front").size(), 20u * 7);

    for (int i = 0; i < 20; ++i) playback->Slower();
    EXPECT_EQ(playback->RateIndex(), 0);
    EXPECT_EQ(fakevlc::Calls("libvlc_video_set_marquee_string").back(),
              "libvlc_video_set_marquee_string(rear,1,\"0.3 X\")");
    for (int i = 0; i < 7; ++i) playback->Faster();
    const Strings enables = MarqueeInts(0);
    EXPECT_EQ(Strings(enables.end() - 2, enables.end()),
              (Strings{"libvlc_video_set_marquee_int(front,0,0)", "libvlc_video_set_marquee_int(rear,0,0)"}));

    // Without a picture size the size is 48; the overlay repeats 12 times, then its timer stops.
    catalogue.videoSize = VideoSize{};
    fakevlc::Get().calls.clear();
    playback->ShowRateOverlay();
    int ticks = 0;
    while (timers.Active(102) && ticks < 50) {
        playback->OnTimer(102);
        ++ticks;
    }
    EXPECT_EQ(fakevlc::Calls("libvlc_video_set_marquee_string(front").size(), 12u);
    EXPECT_EQ(MarqueeInts(6).back(), "libvlc_video_set_marquee_int(rear,6,48)");
}

TEST_F(DualPlaybackTest, ASeekWaitsForTimer103AndMovesBothChannels) {
    // The stand-in's recording is 61 500 ms long: slider 500 asks for 61 × 500.
    playback->RequestSeek(500);
    EXPECT_EQ(playback->Shared().pendingSeek.load(), 30500);
    EXPECT_EQ(Steps(), Strings{});
    playback->OnTimer(103);
    EXPECT_EQ(Steps(), (Strings{"libvlc_media_player_set_time(front,30500)",
                                "libvlc_media_player_set_time(rear,30500)", "DrawDrivenPath(30500)"}));
    EXPECT_EQ(playback->Shared().pendingSeek.load(), 0);
    playback->OnTimer(103);
    EXPECT_EQ(Steps(), Strings{}) << "nothing pending, nothing playing";

    // Dragging shows the telemetry at once; slider 0 asks for nothing.
    playback->DragSeek(10);
    EXPECT_EQ(Steps(), (Strings{"SyncToTime(610)", "SetGpsLamp(1)"}));
    playback->RequestSeek(0);
    playback->OnTimer(103);
    EXPECT_EQ(Steps(), Strings{});

    // Keys seek from where playback is (1234 ms), never to 0 and never past the end.
    playback->SeekBy(5000);
    EXPECT_EQ(playback->Shared().pendingSeek.load(), 6234);
    playback->SeekBy(-20000);
    EXPECT_EQ(playback->Shared().pendingSeek.load(), 1);
    playback->SeekBy(100000);
    EXPECT_EQ(playback->Shared().pendingSeek.load(), 61499);
    EXPECT_EQ(surface.slider, 999);

    // A time report made before a seek was asked for does not pull the slider back.
    surface.slider = -1;
    playback->OnTimeReport(1234, 20);
    EXPECT_EQ(surface.slider, -1);
    playback->Shared().pendingSeek = 0;
    catalogue.lamp = 0;
    Steps();
    playback->OnTimeReport(1234, 20);
    EXPECT_EQ(Steps(), (Strings{"SyncToTime(1234)", "SetGpsLamp(0)", "SetPositionSlider(20)"}));
}

TEST_F(DualPlaybackTest, EndsOfTheRecordingsWithAndWithoutLoop) {
    struct Case {
        const char* name;
        bool loop;
        int current;
        bool rear;
        Strings expected;
    };
    const Strings restartFront = {"libvlc_media_player_stop(front)", "libvlc_media_player_play(front)",
                                  "wait(50)", "libvlc_media_player_pause(front)"};
    const Case cases[] = {
        {"loop off: the same recording waits at its start", false, 1, false,
         restartFront + Strings{"SetPositionSlider(0)", "SetGraphPosition(0)"}},
        {"loop on at the last: back to the first, paused, rear left alone", true, 2, false,
         Strings{"libvlc_media_player_stop(front)", "Select(0)", "LoadTelemetry(0)",
                 "libvlc_media_release(ptr)", "libvlc_media_new_path(ptr,\"/card/F/A_0F.MP4\")",
                 "FitVideoPanes()", "libvlc_media_player_play(front)", "wait(50)",
                 "libvlc_media_player_pause(front)", "SetPositionSlider(0)"}},
        {"rear: waits at its start while the front goes on", true, 1, true,
         Strings{"libvlc_media_player_stop(rear)", "libvlc_media_player_play(rear)", "wait(50)",
                 "libvlc_media_player_pause(rear)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        playback->StartEntry(c.current, Trigger::FileList);
        if (!c.loop) playback->ToggleAutoNext();
        Steps();
        c.rear ? playback->OnRearEnded() : playback->OnFrontEnded();
        timers.RunPending();
        EXPECT_EQ(Steps(), c.expected);
        TearDown();
    }
    // PLAY within the 50 ms pauses the channel itself; the wait's pause must not toggle it back on.
    SetUp();
    playback->StartEntry(0, Trigger::FileList);
    playback->ToggleAutoNext();
    playback->OnFrontEnded();
    playback->Play();
    Steps();
    timers.RunPending();
    EXPECT_EQ(Steps(), (Strings{"SetPositionSlider(0)", "SetGraphPosition(0)"}));
}

TEST_F(DualPlaybackTest, WithoutARearFileTheRearChannelIsClosedAndTheFrontPlaysAlone) {
    playback->PlayRearChannel("/card/F/A_0F.MP4");
    catalogue.rearExists = false;
    Steps();
    playback->StartEntry(1, Trigger::FileList);
    const Strings steps = Steps();
    EXPECT_EQ(steps.back(), "libvlc_media_release(ptr)");
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "libvlc_media_player_play(rear)"), 0);
    EXPECT_FALSE(playback->Rear().HasMedia());
    catalogue.rearExists = true;
    surface.rearPane = false;
    playback->PlayRearChannel("/card/F/A_1F.MP4");
    EXPECT_FALSE(playback->Rear().HasMedia());
}

TEST_F(DualPlaybackTest, SnapshotOfTheFrontChannelOnly) {
    catalogue.paths.clear();
    playback->Snapshot();
    EXPECT_EQ(Steps(), Strings{"ShowMessage(136,145)"});
    catalogue.paths = {"/card/F/A_0F.MP4"};
    playback->StartEntry(0, Trigger::FileList);
    Steps();
    surface.snapshotAnswer = "/tmp/shot.png";
    playback->Snapshot();
    EXPECT_EQ(Steps(), (Strings{"libvlc_media_player_pause(front)", "AskSnapshotPath()",
                                "libvlc_video_take_snapshot(front,0,\"/tmp/shot.png\",0,0)",
                                "libvlc_media_player_play(front)"}));
    surface.snapshotAnswer.clear();
    playback->Play();  // pauses both
    Steps();
    playback->Snapshot();
    EXPECT_EQ(Steps(), Strings{"AskSnapshotPath()"});
}

TEST(SliderPositionTest, TruncatedThousandthsOfTheLength) {
    EXPECT_EQ(SliderPositionFor(30750, 61500), 500);
    EXPECT_EQ(SliderPositionFor(61499, 61500), 999);
    EXPECT_EQ(SliderPositionFor(5, 0), 0);
    EXPECT_EQ(SliderPositionFor(-1, -1), 0);
}

// The engine callbacks post and write the shared values, nothing else.
class PostedEvents : public QObject {
  public:
    std::vector<std::pair<ZovMessage, std::pair<std::intptr_t, std::intptr_t>>> got;
    bool event(QEvent* e) override {
        if (!ZovMessageEvent::IsZovMessage(e)) return QObject::event(e);
        const auto* m = static_cast<ZovMessageEvent*>(e);
        got.push_back({m->message(), {m->wParam(), m->lParam()}});
        return true;
    }
};

TEST_F(DualPlaybackTest, EngineEventsBecomePostedMessages) {
    PostedEvents window;
    ChannelEventContext context{&playback->Front(), &playback->Shared(), &window};
    struct Case {
        int type;
        bool rear;
        std::int64_t pendingBefore;
        std::vector<ZovMessage> posted;
        std::int64_t pendingAfter;
    };
    using M = ZovMessage;
    const Case cases[] = {
        {libvlc_MediaPlayerOpening, false, 700, {M::GpsLampOff}, 0},
        {libvlc_MediaPlayerPlaying, false, 700, {M::PlayState}, 700},
        {libvlc_MediaPlayerPaused, false, 700, {M::PlayState}, 0},
        {libvlc_MediaPlayerStopped, false, 700, {M::GpsLampOff}, 700},
        {libvlc_MediaPlayerEndReached, false, 700, {M::FrontEnded}, 0},
        {libvlc_MediaPlayerEncounteredError, false, 700, {M::EngineError}, 700},
        {libvlc_MediaPlayerTimeChanged, false, 700, {}, 700},
        {libvlc_MediaPlayerTimeChanged, false, 0, {M::TimeChanged}, 0},
        {libvlc_MediaPlayerPositionChanged, false, 700, {}, 700},
        {libvlc_MediaPlayerEndReached, true, 700, {M::RearEnded}, 700},
        {libvlc_MediaPlayerTimeChanged, true, 0, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        window.got.clear();
        playback->Shared().pendingSeek = c.pendingBefore;
        libvlc_event_t event{};
        event.type = c.type;
        (c.rear ? channel_events::OnRearPlayerEvent : channel_events::OnFrontPlayerEvent)(&event, &context);
        QCoreApplication::sendPostedEvents(&window);
        std::vector<ZovMessage> posted;
        for (const auto& g : window.got) posted.push_back(g.first);
        EXPECT_EQ(posted, c.posted);
        EXPECT_EQ(playback->Shared().pendingSeek.load(), c.pendingAfter);
    }
    // The time report carries the time and the slider's place worked out on the engine's thread.
    EXPECT_EQ(window.got.size(), 0u);
    playback->Shared().pendingSeek = 0;
    libvlc_event_t event{};
    event.type = libvlc_MediaPlayerTimeChanged;
    channel_events::OnFrontPlayerEvent(&event, &context);
    event.type = libvlc_MediaPlayerPlaying;
    channel_events::OnFrontPlayerEvent(&event, &context);
    QCoreApplication::sendPostedEvents(&window);
    ASSERT_EQ(window.got.size(), 2u);
    EXPECT_EQ(window.got[0].second, (std::pair<std::intptr_t, std::intptr_t>{1234, 20}));
    EXPECT_EQ(window.got[1].second.first, 3);
}

TEST_F(DualPlaybackTest, PlayButtonFollowsTheEngine) {
    const std::pair<int, const char*> cases[] = {{1, "SetPlayButtonState(0)"},
                                                 {2, "SetPlayButtonState(1)"},
                                                 {3, "SetPlayButtonState(1)"},
                                                 {4, "SetPlayButtonState(0)"},
                                                 {0, nullptr},
                                                 {5, nullptr}};
    for (const auto& [state, call] : cases) {
        playback->OnPlayState(state);
        EXPECT_EQ(Steps(), call ? Strings{call} : Strings{}) << state;
    }
}

}  // namespace
