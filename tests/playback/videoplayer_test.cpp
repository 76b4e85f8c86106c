// VideoPlayer on the real libvlc, drawing into a real X11 window (the tests run under Xvfb).

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWindow>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "playback/videoplayer.h"
#include "playertestsupport.h"

namespace {

using namespace playbacktest;
using namespace std::chrono_literals;

class RealEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
        ASSERT_TRUE(std::filesystem::exists(FrontClip().path));
        ASSERT_TRUE(std::filesystem::exists(RearClip().path));
    }

    // A native window standing in for a video pane.
    std::unique_ptr<QWindow> MakePane(int width, int height) {
        auto pane = std::make_unique<QWindow>();
        // Away from the screen's corner, where a window of the engine's own would appear.
        pane->setGeometry(700, 400, width, height);
        pane->show();
        QCoreApplication::processEvents();
        return pane;
    }

    // Opens clip on player bound to pane and plays it until the first time change.
    void StartPlaying(VideoPlayer& player, EventQueue& events, const Clip& clip, QWindow* pane) {
        player.SetWindow(pane->winId());
        player.AttachEvents(&EventQueue::Callback, &events);
        player.Open(clip.path);
        player.Play();
        ASSERT_TRUE(events.WaitFor(libvlc_MediaPlayerPlaying)) << clip.path;
        ASSERT_TRUE(events.WaitFor(libvlc_MediaPlayerTimeChanged)) << clip.path;
    }
};

// Pixels of the picture that are far from its first pixel: a plain black or unfilled pane has none.
int VariedPixels(const QImage& image) {
    if (image.isNull()) return 0;
    const QRgb first = image.pixel(0, 0);
    int varied = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            const QRgb p = image.pixel(x, y);
            varied += std::abs(qRed(p) - qRed(first)) + std::abs(qGreen(p) - qGreen(first)) +
                          std::abs(qBlue(p) - qBlue(first)) >
                      60;
        }
    }
    return varied;
}

std::string FirstBytes(const std::string& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(n));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

TEST_F(RealEngineTest, PlaysIntoThePaneWithTimeEventsUntilStop) {
    auto pane = MakePane(320, 240);
    VideoPlayer player;
    ASSERT_TRUE(player.IsEngineAvailable()) << VlcEngine::Process().Error();
    EventQueue events;
    StartPlaying(player, events, FrontClip(), pane.get());
    EXPECT_TRUE(player.IsPlaying());
    EXPECT_FALSE(player.IsPaused());
    ASSERT_TRUE(events.WaitFor(libvlc_MediaPlayerTimeChanged, 2));
    EXPECT_NEAR(player.GetLength(), FrontClip().lengthMs, 100);
    EXPECT_GT(player.GetTime(), 0);
    EXPECT_LE(player.GetTime(), FrontClip().lengthMs);

    // The picture is in our window, not in one the engine made for itself.
    const QImage shown = pane->screen()->grabWindow(pane->winId()).toImage();
    EXPECT_GT(VariedPixels(shown), 100);

    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_FALSE(player.IsPaused());
    EXPECT_TRUE(events.WaitFor(libvlc_MediaPlayerStopped));
    events.Clear();
    // Time changes come every 250-500 ms while playing; a full second without one shows the clock stopped.
    EXPECT_FALSE(events.WaitFor(libvlc_MediaPlayerTimeChanged, 1, 1000ms));
}

TEST_F(RealEngineTest, PauseSeekAndRate) {
    auto pane = MakePane(320, 240);
    VideoPlayer player;
    EventQueue events;
    StartPlaying(player, events, FrontClip(), pane.get());

    player.Pause();
    EXPECT_TRUE(events.WaitFor(libvlc_MediaPlayerPaused));
    EXPECT_TRUE(player.IsPaused());
    player.Play();
    ASSERT_TRUE(events.WaitFor(libvlc_MediaPlayerPlaying, 2));

    events.Clear();
    player.SetTime(2000);
    EXPECT_TRUE(events.WaitForTimeAtLeast(2000, 3s));
    EXPECT_GE(player.GetTime(), 1900);

    // From the start again at four times the speed: the 3 s clip ends well before 2 s of wall time.
    player.SetTime(0);
    EXPECT_EQ(player.SetRate(4.0f), 0);
    EXPECT_FLOAT_EQ(player.Rate(), 4.0f);
    events.Clear();
    EXPECT_TRUE(events.WaitFor(libvlc_MediaPlayerEndReached, 1, 2000ms));
}

TEST_F(RealEngineTest, SnapshotsWritePngAndJpegAtThePicturesOwnSize) {
    auto pane = MakePane(160, 120);  // smaller than the picture: the snapshot keeps the picture's size
    VideoPlayer player;
    EventQueue events;
    StartPlaying(player, events, FrontClip(), pane.get());
    EXPECT_EQ(player.SetMarquee(0, 0, "4.0 X", 24, 255, static_cast<int>(0xFF00FF00), -1, 1), 1);

    struct Case {
        const char* extension;
        const char* format;
        std::string magic;
    };
    const Case cases[] = {{".png", "PNG", "\x89PNG"}, {".jpg", "JPEG", "\xFF\xD8\xFF"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.extension);
        const std::string path = TempFile(c.extension);
        ASSERT_EQ(player.TakeSnapshot(path, 0), 0);
        EXPECT_EQ(FirstBytes(path, c.magic.size()), c.magic);
        QImage picture;
        ASSERT_TRUE(picture.load(QString::fromStdString(path), c.format));
        EXPECT_EQ(picture.width(), FrontClip().width);
        EXPECT_EQ(picture.height(), FrontClip().height);
        EXPECT_GT(VariedPixels(picture), 100);
    }
}

TEST_F(RealEngineTest, TwoPlayersPlaySideBySide) {
    auto frontPane = MakePane(320, 240);
    auto rearPane = MakePane(176, 144);
    VideoPlayer front;
    VideoPlayer rear;
    EventQueue frontEvents;
    EventQueue rearEvents;
    StartPlaying(front, frontEvents, FrontClip(), frontPane.get());
    StartPlaying(rear, rearEvents, RearClip(), rearPane.get());
    // The rear clip has sound; the channel is silenced the way the main window silences its rear channel.
    rear.SetVolume(0);
    rear.SetMute(1);
    EXPECT_EQ(rear.Volume(), 0);

    EXPECT_TRUE(frontEvents.WaitFor(libvlc_MediaPlayerTimeChanged, 3));
    EXPECT_TRUE(rearEvents.WaitFor(libvlc_MediaPlayerTimeChanged, 3));
    EXPECT_NEAR(front.GetLength(), FrontClip().lengthMs, 100);
    EXPECT_NEAR(rear.GetLength(), RearClip().lengthMs, 100);
    EXPECT_TRUE(rearEvents.WaitFor(libvlc_MediaPlayerEndReached, 1, 4s));
    EXPECT_EQ(frontEvents.Count(libvlc_MediaPlayerEndReached), 0) << "the longer front clip is still playing";
}

TEST_F(RealEngineTest, OpenReplacesTheMediaAndCloseReleasesIt) {
    auto pane = MakePane(320, 240);
    VideoPlayer player;
    EXPECT_EQ(player.Close(), 0) << "no media yet";
    player.Pause();  // the engine is asked to pause with nothing open; the channel counts as paused
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_TRUE(player.IsPaused());
    player.Stop();
    EXPECT_FALSE(player.IsPaused());
    EventQueue events;
    player.SetWindow(pane->winId());
    player.AttachEvents(&EventQueue::Callback, &events);
    player.Open(FrontClip().path);
    player.Open(RearClip().path);
    player.Play();
    ASSERT_TRUE(events.WaitFor(libvlc_MediaPlayerTimeChanged));
    EXPECT_NEAR(player.GetLength(), RearClip().lengthMs, 100) << "the second Open's media plays";
    EXPECT_EQ(player.MediaPath(), RearClip().path);

    player.Stop();
    EXPECT_EQ(player.Close(), 1);
    EXPECT_EQ(player.Close(), 0);
    EXPECT_FALSE(player.HasMedia());
    events.Clear();
    player.Play();  // nothing open: nothing happens
    EXPECT_FALSE(player.IsPlaying());
}

TEST_F(RealEngineTest, AMissingFileIsReportedByAnErrorEvent) {
    auto pane = MakePane(320, 240);
    VideoPlayer player;
    EventQueue events;
    player.SetWindow(pane->winId());
    player.AttachEvents(&EventQueue::Callback, &events);
    player.Open("/nonexistent/orvan/20220101_120000F.MP4");
    player.Play();
    EXPECT_TRUE(events.WaitFor(libvlc_MediaPlayerEncounteredError));
}

TEST_F(RealEngineTest, EngineStartsAgainAfterTheLastPlayerWent) {
    auto pane = MakePane(320, 240);
    for (int generation = 0; generation < 2; ++generation) {
        SCOPED_TRACE(generation);
        VideoPlayer player;
        ASSERT_TRUE(player.IsEngineAvailable());
        ASSERT_NE(VlcEngine::Process().Instance(), nullptr);
        EventQueue events;
        StartPlaying(player, events, RearClip(), pane.get());
    }
    EXPECT_EQ(VlcEngine::Process().Instance(), nullptr) << "released with the last player";
}

// The real loader and the real library, outside the process engine.
TEST(RealLibraryTest, LoadFailuresNameTheFileOrTheEntryPoint) {
    VlcApi api;
    EXPECT_EQ(MakeVlcLibrary(kVlcLibraryFile)->Open(api), "");
    EXPECT_NE(api.libvlc_video_set_marquee_int, nullptr);

    VlcApi none;
    const std::string noFile = MakeVlcLibrary("/nonexistent/libvlc.so.5")->Open(none);
    EXPECT_NE(noFile.find("/nonexistent/libvlc.so.5"), std::string::npos) << noFile;
    const std::string noSymbol = MakeVlcLibrary("libm.so.6")->Open(none);
    EXPECT_EQ(noSymbol, "libm.so.6 has no entry point libvlc_new");
    EXPECT_EQ(none.libvlc_new, nullptr);
}

TEST(RealLibraryTest, AnArgumentTheEngineRefusesLeavesItUnavailable) {
    VlcEngine engine(MakeVlcLibrary(kVlcLibraryFile), {"--aout=dummy", "--no-such-orvan-option"});
    VideoPlayer player(engine);
    EXPECT_FALSE(player.IsEngineAvailable());
    EXPECT_EQ(player.GetTime(), -1);
    EXPECT_NE(engine.Error().find("libvlc_new"), std::string::npos) << engine.Error();
}

}  // namespace
