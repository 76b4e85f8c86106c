#pragma once

#include <QtGui/qwindowdefs.h>

#include <cstdint>
#include <string>

#include "playback/vlcengine.h"

// One playback channel on the video engine, bound to one video pane. It keeps a little state of its own
// beside the engine's (what it last asked for, the volume and rate it last set), and when the engine is
// unavailable every operation does nothing and answers with the "unavailable" value given below.
//
// All operations run on the GUI thread. The event callback runs on the engine's threads (a few events, such
// as Stopped and MediaChanged, are raised inside Stop and Open on the caller's thread); it receives the
// engine's own event record (of which only `type` is meant to be read) and the context given to
// AttachEvents, and must do nothing there but hand the event on, without waiting for the GUI thread, which
// may itself be waiting inside Stop for the engine's threads.
class VideoPlayer {
  public:
    using EventCallback = libvlc_callback_t;

    // The engine of the process (VlcEngine::Process()).
    VideoPlayer();
    // A player of the given engine, which must outlive it.
    explicit VideoPlayer(VlcEngine& engine);
    VideoPlayer(const VideoPlayer&) = delete;
    VideoPlayer& operator=(const VideoPlayer&) = delete;
    ~VideoPlayer();

    bool IsEngineAvailable() const;

    // Draws the video into the native window (QWidget::winId / QWindow::winId of the pane). Ignored on Qt
    // platforms other than xcb, where the engine renders to its dummy output.
    void SetWindow(WId window);
    // Attaches the callback for the player's twelve event types. A second call replaces the first.
    void AttachEvents(EventCallback callback, void* context);

    // Prepares the channel for the media at utf8Path, releasing the previous media; playback is not started.
    // A path that does not exist is reported later, by an EncounteredError event once playback starts.
    void Open(const std::string& utf8Path);
    // Releases the open media without stopping the player or unbinding its window. 1 when a media was
    // released, otherwise (and when unavailable) 0.
    int Close();

    void Play();
    // The engine's pause toggles; the channel is recorded as paused all the same, so callers pause only a
    // playing channel.
    void Pause();
    void Stop();
    // What the channel last asked the engine for, not read back from it. Unavailable: false.
    bool IsPlaying() const;
    bool IsPaused() const;

    // Length and time of the media in ms. Unavailable: -1.
    std::int64_t GetLength() const;
    std::int64_t GetTime() const;
    void SetTime(std::int64_t ms);
    // The engine's result (0 = accepted). Unavailable: -1.
    int SetRate(float rate);
    // level 0..100; the engine runs 0..200, so the level is doubled, kept, and sent again at every Open and
    // after every Close that released a media.
    void SetVolume(int level);
    void SetMute(int mute);
    // Writes the current picture at its own size to utf8Path: a JPEG when the name ends in ".jpg" or
    // ".jpeg", otherwise a PNG. The engine's result (0 = written), -1 when the JPEG could not be written.
    // Unavailable: -1.
    int TakeSnapshot(const std::string& utf8Path, unsigned output);
    // The text overlay. The text goes first and the enable switch last; only the low 8 bits of opacity
    // count. 1, unavailable: 0.
    int SetMarquee(int x, int y, const std::string& text, int size, int opacity, int color, int timeout,
                   int enable);

    // The channel's own record of what it last set.
    int Volume() const { return volume_; }
    float Rate() const { return rate_; }
    const std::string& MediaPath() const { return mediaPath_; }
    bool HasMedia() const { return media_ != nullptr; }

  private:
    bool Ready() const { return engine_.IsAvailable() && player_; }
    const VlcApi& Vlc() const { return engine_.Api(); }

    VlcEngine& engine_;
    libvlc_media_player_t* player_ = nullptr;
    libvlc_media_t* media_ = nullptr;
    libvlc_event_manager_t* events_ = nullptr;
    void* eventContext_ = nullptr;
    EventCallback eventCallback_ = nullptr;
    std::string mediaPath_;
    bool playing_ = false;
    bool paused_ = true;
    int volume_ = 200;
    float rate_ = 1.0f;
};
