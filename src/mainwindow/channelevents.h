#pragma once

#include <vlc/vlc.h>

class QObject;
class VideoPlayer;
struct PlaybackShared;

// The only code that runs on the video engine's threads. It reads the front channel's clock, writes the
// pending seek and the file-switch guard, and posts private messages to the window; it never touches a widget
// or waits for the GUI thread (which may itself be waiting inside a Stop for these threads). The context must
// outlive both channels' event attachments: the window releases the players before it goes.
struct ChannelEventContext {
    const VideoPlayer* front = nullptr;
    PlaybackShared* shared = nullptr;
    QObject* window = nullptr;
};

namespace channel_events {
// Attach with a ChannelEventContext* as the context.
void OnFrontPlayerEvent(const libvlc_event_t* event, void* context);
void OnRearPlayerEvent(const libvlc_event_t* event, void* context);
}  // namespace channel_events
