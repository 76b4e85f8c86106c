// The program without its video engine: ORVAN_LIBVLC names a file that does not exist.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "playback/videoplayer.h"

namespace {

TEST(MissingEngineTest, EveryOperationAnswersUnavailableAndNothingIsWritten) {
    const std::string missing = std::getenv("ORVAN_LIBVLC");
    ASSERT_FALSE(std::filesystem::exists(missing));
    const std::string snapshot = "/tmp/orvan-missing-engine-" + std::to_string(::getpid()) + ".png";

    VideoPlayer front;
    VideoPlayer rear;
    for (VideoPlayer* player : {&front, &rear}) {
        EXPECT_FALSE(player->IsEngineAvailable());
        player->SetWindow(1);
        player->AttachEvents([](const libvlc_event_t*, void*) {}, nullptr);
        player->Open("/tmp/whatever.mp4");
        player->Play();
        EXPECT_FALSE(player->IsPlaying());
        player->Pause();
        EXPECT_FALSE(player->IsPaused());
        player->SetTime(1000);
        player->SetVolume(100);
        player->SetMute(1);
        EXPECT_EQ(player->GetLength(), -1);
        EXPECT_EQ(player->GetTime(), -1);
        EXPECT_EQ(player->SetRate(1.0f), -1);
        EXPECT_EQ(player->TakeSnapshot(snapshot, 0), -1);
        EXPECT_EQ(player->SetMarquee(0, 0, "1.0 X", 48, 255, 0, -1, 0), 0);
        EXPECT_EQ(player->Close(), 0);
        player->Stop();
    }
    EXPECT_FALSE(std::filesystem::exists(snapshot));
    EXPECT_NE(VlcEngine::Process().Error().find(missing), std::string::npos) << VlcEngine::Process().Error();
}

}  // namespace
