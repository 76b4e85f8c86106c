// The binding's calls into the engine, checked against a recording stand-in for the library: which entry
// points, in which order, how often, and what happens after each kind of failure.

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fakevlc.h"
#include "playback/videoplayer.h"

namespace {

using Strings = std::vector<std::string>;

class BindingTest : public ::testing::Test {
  protected:
    void SetUp() override { fakevlc::Reset(); }
    std::unique_ptr<VlcEngine> MakeEngine(std::string missingSymbol = {}) {
        return std::make_unique<VlcEngine>(fakevlc::MakeLibrary(std::move(missingSymbol)),
                                           std::vector<std::string>{"--aout=dummy"});
    }
};

bool OnXcb() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

TEST_F(BindingTest, TwoPlayersShareOneInstanceReleasedOnceAfterTheLast) {
    auto engine = MakeEngine();
    {
        auto front = std::make_unique<VideoPlayer>(*engine);
        auto rear = std::make_unique<VideoPlayer>(*engine);
        EXPECT_TRUE(front->IsEngineAvailable());
        EXPECT_TRUE(rear->IsEngineAvailable());
        EXPECT_EQ(fakevlc::Get().liveInstances, 1);
        rear.reset();
        EXPECT_EQ(fakevlc::Get().liveInstances, 1) << "the front channel still uses the instance";
    }
    const std::string argc = std::to_string(engine->Arguments().size());
    const Strings perPlayer = {"libvlc_media_player_new(ptr)", "libvlc_media_player_event_manager(ptr)",
                               "libvlc_audio_set_volume(ptr,200)"};
    Strings expected = {"open", "libvlc_new(" + argc + ",ptr)"};
    expected.insert(expected.end(), perPlayer.begin(), perPlayer.end());
    expected.insert(expected.end(), perPlayer.begin(), perPlayer.end());
    expected.insert(expected.end(), {"libvlc_media_player_release(ptr)", "libvlc_media_player_release(ptr)",
                                     "libvlc_release(ptr)", "close"});
    EXPECT_EQ(fakevlc::Get().calls, expected);

    // A later player starts the engine afresh.
    { VideoPlayer again(*engine); }
    EXPECT_EQ(fakevlc::Count("open"), 2);
    EXPECT_EQ(fakevlc::Count("libvlc_release"), 2);
    EXPECT_EQ(fakevlc::Get().liveInstances, 0);
}

TEST_F(BindingTest, InstanceArgumentsFollowThePlatform) {
    auto engine = MakeEngine();
    VideoPlayer player(*engine);
    Strings expected = {"-I", "dummy", "--ignore-config", "--no-video-title", "--no-snapshot-preview"};
    if (!OnXcb()) expected.push_back("--vout=dummy");
    expected.push_back("--aout=dummy");
    EXPECT_EQ(engine->Arguments(), expected);
    EXPECT_EQ(engine->BindsWindows(), OnXcb());

    player.SetWindow(0x2a00007);
    EXPECT_EQ(fakevlc::Calls("libvlc_media_player_set_xwindow"),
              OnXcb() ? Strings{"libvlc_media_player_set_xwindow(ptr,44040199)"} : Strings{});
}

TEST_F(BindingTest, OpenSequenceAndReopenKeepsOneLiveMedia) {
    auto engine = MakeEngine();
    {
        VideoPlayer player(*engine);
        fakevlc::Get().calls.clear();
        player.Open("/cards/F/20220101_120000F.MP4");
        const Strings open = {"libvlc_audio_set_volume(ptr,200)",
                              "libvlc_media_new_path(ptr,\"/cards/F/20220101_120000F.MP4\")",
                              "libvlc_media_add_option(ptr,\":avcodec-threads=1\")",
                              "libvlc_media_player_set_media(ptr,ptr)",
                              "libvlc_video_set_key_input(ptr,0)",
                              "libvlc_video_set_mouse_input(ptr,0)"};
        EXPECT_EQ(fakevlc::Get().calls, open);
        EXPECT_EQ(fakevlc::Count("libvlc_media_player_play"), 0) << "Open must not start playback";

        fakevlc::Get().calls.clear();
        player.Open("/cards/F/20220101_120000F.MP4");
        Strings reopen = open;
        reopen.insert(reopen.begin() + 1, "libvlc_media_release(ptr)");
        EXPECT_EQ(fakevlc::Get().calls, reopen);
        EXPECT_EQ(fakevlc::Get().liveMedia, 1);
        EXPECT_EQ(player.MediaPath(), "/cards/F/20220101_120000F.MP4");
    }
    EXPECT_EQ(fakevlc::Get().liveMedia, 0) << "the destructor releases the open media";
}

TEST_F(BindingTest, VolumeIsDoubledKeptAndReappliedAtOpenAndClose) {
    auto engine = MakeEngine();
    VideoPlayer player(*engine);
    fakevlc::Get().calls.clear();

    EXPECT_EQ(player.Close(), 0) << "nothing open";
    EXPECT_TRUE(fakevlc::Get().calls.empty()) << "Close without media changes nothing";

    player.SetVolume(100);
    EXPECT_EQ(player.Volume(), 200);
    player.SetVolume(0);
    EXPECT_EQ(player.Volume(), 0);
    player.Open("/a.mp4");
    EXPECT_EQ(player.Close(), 1);
    EXPECT_EQ(player.Close(), 0);
    EXPECT_EQ(fakevlc::Calls("libvlc_audio_set_volume"),
              (Strings{"libvlc_audio_set_volume(ptr,200)", "libvlc_audio_set_volume(ptr,0)",
                       "libvlc_audio_set_volume(ptr,0)", "libvlc_audio_set_volume(ptr,0)"}));
    const Strings tail(fakevlc::Get().calls.end() - 2, fakevlc::Get().calls.end());
    EXPECT_EQ(tail, (Strings{"libvlc_media_release(ptr)", "libvlc_audio_set_volume(ptr,0)"}));
    EXPECT_EQ(fakevlc::Count("libvlc_media_player_stop"), 0) << "Close does not stop the player";
    EXPECT_EQ(fakevlc::Get().liveMedia, 0);
}

TEST_F(BindingTest, PlayPauseStopFlagsAreTheChannelsOwnRecord) {
    auto engine = MakeEngine();
    VideoPlayer player(*engine);
    struct Step {
        const char* what;
        void (*act)(VideoPlayer&);
        bool playing;
        bool paused;
    };
    const Step steps[] = {
        {"fresh", [](VideoPlayer&) {}, false, true},
        {"pause when fresh", [](VideoPlayer& p) { p.Pause(); }, false, true},
        {"play without media", [](VideoPlayer& p) { p.Play(); }, false, true},
        {"open", [](VideoPlayer& p) { p.Open("/a.mp4"); }, false, true},
        {"play", [](VideoPlayer& p) { p.Play(); }, true, false},
        {"pause", [](VideoPlayer& p) { p.Pause(); }, false, true},
        {"play again", [](VideoPlayer& p) { p.Play(); }, true, false},
        {"stop", [](VideoPlayer& p) { p.Stop(); }, false, false},
    };
    for (const Step& step : steps) {
        step.act(player);
        EXPECT_EQ(player.IsPlaying(), step.playing) << step.what;
        EXPECT_EQ(player.IsPaused(), step.paused) << step.what;
    }
    EXPECT_EQ(fakevlc::Count("libvlc_media_player_play"), 2);
    EXPECT_EQ(fakevlc::Count("libvlc_media_player_pause"), 2);
    EXPECT_EQ(fakevlc::Count("libvlc_media_player_stop"), 1);
}

TEST_F(BindingTest, EventsAttachedInOrderAndReplacedOnSecondAttach) {
    auto engine = MakeEngine();
    VideoPlayer player(*engine);
    fakevlc::Get().calls.clear();
    auto callback = [](const libvlc_event_t*, void*) {};
    int context = 0;
    player.AttachEvents(callback, &context);
    const int order[] = {268, 269, 267, 5, 256, 258, 259, 260, 261, 262, 265, 266};
    Strings attach;
    for (int type : order) attach.push_back("libvlc_event_attach(ptr," + std::to_string(type) + ",ptr,ptr)");
    EXPECT_EQ(fakevlc::Get().calls, attach);

    fakevlc::Get().calls.clear();
    player.AttachEvents(callback, &context);
    EXPECT_EQ(fakevlc::Count("libvlc_event_detach"), 12);
    EXPECT_EQ(fakevlc::Calls("libvlc_event_attach"), attach);
}

TEST_F(BindingTest, MarqueeSendsTextFirstAndEnableLast) {
    auto engine = MakeEngine();
    VideoPlayer player(*engine);
    fakevlc::Get().calls.clear();
    EXPECT_EQ(player.SetMarquee(0, 0, "1.0 X", 48, 0x1FF, static_cast<int>(0xFF00FF00), -1, 0), 1);
    EXPECT_EQ(
        fakevlc::Get().calls,
        (Strings{"libvlc_video_set_marquee_string(ptr,1,\"1.0 X\")", "libvlc_video_set_marquee_int(ptr,6,48)",
                 "libvlc_video_set_marquee_int(ptr,3,255)", "libvlc_video_set_marquee_int(ptr,2,-16711936)",
                 "libvlc_video_set_marquee_int(ptr,7,-1)", "libvlc_video_set_marquee_int(ptr,8,0)",
                 "libvlc_video_set_marquee_int(ptr,9,0)", "libvlc_video_set_marquee_int(ptr,0,0)"}));
}

TEST_F(BindingTest, ClockRateAndSnapshotPassThrough) {
    auto engine = MakeEngine();
    VideoPlayer player(*engine);
    fakevlc::Get().calls.clear();
    EXPECT_EQ(player.GetLength(), 61500);
    EXPECT_EQ(player.GetTime(), 1234);
    player.SetTime(30500);
    EXPECT_EQ(player.SetRate(2.4f), 0);
    EXPECT_FLOAT_EQ(player.Rate(), 2.4f);
    player.SetMute(1);
    EXPECT_EQ(player.TakeSnapshot("/tmp/x.png", 0), 0);
    EXPECT_EQ(
        fakevlc::Get().calls,
        (Strings{"libvlc_media_player_get_length(ptr)", "libvlc_media_player_get_time(ptr)",
                 "libvlc_media_player_set_time(ptr,30500)", "libvlc_media_player_set_rate(ptr,2.4)",
                 "libvlc_audio_set_mute(ptr,1)", "libvlc_video_take_snapshot(ptr,0,\"/tmp/x.png\",0,0)"}));
}

TEST_F(BindingTest, JpegSnapshotGoesThroughAPrivatePngAndFailsCleanly) {
    auto engine = MakeEngine();
    VideoPlayer player(*engine);
    const std::string target = "/tmp/orvan-fake-snapshot-" + std::to_string(::getpid()) + ".JPG";
    // The stand-in reports success but writes no picture: there is nothing to re-encode.
    EXPECT_EQ(player.TakeSnapshot(target, 0), -1);
    EXPECT_FALSE(std::filesystem::exists(target));
    const Strings snapshot = fakevlc::Calls("libvlc_video_take_snapshot");
    ASSERT_EQ(snapshot.size(), 1u);
    EXPECT_EQ(snapshot[0].find(target), std::string::npos) << "the engine writes only the private PNG";
    EXPECT_NE(snapshot[0].find(".png\",0,0)"), std::string::npos) << snapshot[0];
}

// Every operation of a player on an unavailable engine: the "unavailable" answers, and not one engine call.
void ExpectUnavailable(VideoPlayer& player, const char* why) {
    SCOPED_TRACE(why);
    const std::size_t before = fakevlc::Get().calls.size();
    EXPECT_FALSE(player.IsEngineAvailable());
    player.SetWindow(0x2a00007);
    player.AttachEvents([](const libvlc_event_t*, void*) {}, nullptr);
    player.Open("/a.mp4");
    player.Play();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_FALSE(player.IsPaused());
    player.Pause();
    EXPECT_FALSE(player.IsPaused());
    player.SetTime(1000);
    player.SetVolume(50);
    player.SetMute(1);
    EXPECT_EQ(player.GetLength(), -1);
    EXPECT_EQ(player.GetTime(), -1);
    EXPECT_EQ(player.SetRate(2.0f), -1);
    EXPECT_EQ(player.TakeSnapshot("/tmp/orvan-never-written.png", 0), -1);
    EXPECT_EQ(player.SetMarquee(0, 0, "1.0 X", 48, 255, 0, -1, 1), 0);
    EXPECT_EQ(player.Close(), 0);
    player.Stop();
    EXPECT_EQ(fakevlc::Get().calls.size(), before) << "an unavailable engine is never called";
}

TEST_F(BindingTest, EveryFailureLeavesTheEngineOffAndReleasesWhatWasMade) {
    struct Case {
        const char* what;
        std::string missingSymbol;
        bool failInstance;
        bool failPlayer;
        std::string errorNames;
    };
    const Case cases[] = {
        {"missing entry point", "libvlc_media_player_set_rate", false, false, "libvlc_media_player_set_rate"},
        {"instance refused", "", true, false, "libvlc_new"},
        {"no player", "", false, true, "libvlc_media_player_new"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fakevlc::Reset();
        fakevlc::Get().failInstance = c.failInstance;
        fakevlc::Get().failPlayer = c.failPlayer;
        auto engine = MakeEngine(c.missingSymbol);
        {
            VideoPlayer front(*engine);
            VideoPlayer rear(*engine);
            ExpectUnavailable(front, "front");
            ExpectUnavailable(rear, "rear");
            EXPECT_NE(engine->Error().find(c.errorNames), std::string::npos) << engine->Error();
        }
        EXPECT_EQ(fakevlc::Count("open"), 1);
        EXPECT_EQ(fakevlc::Count("libvlc_media_player_new"), c.failPlayer ? 1 : 0);
        EXPECT_EQ(fakevlc::Get().liveInstances, 0);
        EXPECT_EQ(fakevlc::Count("close"), c.missingSymbol.empty() ? 1 : 0);

        // The flag never comes back, and the library is not tried again.
        VideoPlayer later(*engine);
        EXPECT_FALSE(later.IsEngineAvailable());
        EXPECT_EQ(fakevlc::Count("open"), 1);
    }
}

TEST_F(BindingTest, PlayerMadeBeforeALaterFailureStillReleasesItsOwnObjects) {
    auto engine = MakeEngine();
    {
        VideoPlayer front(*engine);
        front.Open("/a.mp4");
        fakevlc::Get().failPlayer = true;
        VideoPlayer rear(*engine);
        EXPECT_FALSE(front.IsEngineAvailable()) << "one flag for the whole engine";
        EXPECT_FALSE(rear.IsEngineAvailable());
    }
    EXPECT_EQ(fakevlc::Get().livePlayers, 0);
    EXPECT_EQ(fakevlc::Get().liveMedia, 0);
    EXPECT_EQ(fakevlc::Count("libvlc_release"), 1);
    EXPECT_EQ(fakevlc::Get().calls.back(), "close");
}

}  // namespace
