// The real engine under the offscreen Qt platform: window ids there are not X11 windows, so nothing is bound
// and the engine renders to its dummy output; playback, events and snapshots still work.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QWindow>

#include <algorithm>
#include <filesystem>

#include "playback/videoplayer.h"
#include "playertestsupport.h"

namespace {

using namespace playbacktest;

TEST(OffscreenTest, PlaysOnTheDummyOutputWithoutBindingTheWindow) {
    ASSERT_EQ(QGuiApplication::platformName(), QLatin1String("offscreen"));
    QWindow pane;
    pane.resize(320, 240);
    pane.show();

    VideoPlayer player;
    ASSERT_TRUE(player.IsEngineAvailable()) << VlcEngine::Process().Error();
    EXPECT_FALSE(VlcEngine::Process().BindsWindows());
    const auto& arguments = VlcEngine::Process().Arguments();
    EXPECT_NE(std::find(arguments.begin(), arguments.end(), "--vout=dummy"), arguments.end());

    EventQueue events;
    player.SetWindow(pane.winId());
    player.AttachEvents(&EventQueue::Callback, &events);
    player.Open(FrontClip().path);
    player.Play();
    ASSERT_TRUE(events.WaitFor(libvlc_MediaPlayerPlaying));
    ASSERT_TRUE(events.WaitFor(libvlc_MediaPlayerTimeChanged, 2));

    const std::string path = TempFile(".png");
    ASSERT_EQ(player.TakeSnapshot(path, 0), 0);
    const QImage picture(QString::fromStdString(path));
    EXPECT_EQ(picture.size(), QSize(FrontClip().width, FrontClip().height));

    EXPECT_EQ(player.SetRate(4.0f), 0);
    EXPECT_TRUE(events.WaitFor(libvlc_MediaPlayerEndReached));
}

}  // namespace
