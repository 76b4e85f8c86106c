#include "mainwindow/channelevents.h"

#include <QCoreApplication>

#include <cstdint>

#include "mainwindow/zovmessages.h"
#include "playback/dualplayback.h"

namespace channel_events {

namespace {

void Post(const ChannelEventContext& c, ZovMessage message, std::intptr_t wParam, std::intptr_t lParam = 0) {
    QCoreApplication::postEvent(c.window, new ZovMessageEvent(message, wParam, lParam));
}

}  // namespace

void OnFrontPlayerEvent(const libvlc_event_t* event, void* context) {
    const auto& c = *static_cast<const ChannelEventContext*>(context);
    switch (event->type) {
        case libvlc_MediaPlayerOpening:
            c.shared->pendingSeek.store(0);
            Post(c, ZovMessage::GpsLampOff, 0);
            break;
        case libvlc_MediaPlayerPlaying:
            Post(c, ZovMessage::PlayState, 3);
            break;
        case libvlc_MediaPlayerPaused:
            c.shared->pendingSeek.store(0);
            Post(c, ZovMessage::PlayState, 4);
            break;
        case libvlc_MediaPlayerStopped:
            Post(c, ZovMessage::GpsLampOff, 0);
            break;
        case libvlc_MediaPlayerEndReached:
            Post(c, ZovMessage::FrontEnded, 1);
            c.shared->pendingSeek.store(0);
            break;
        case libvlc_MediaPlayerEncounteredError:
            Post(c, ZovMessage::EngineError, 1);
            break;
        case libvlc_MediaPlayerTimeChanged: {
            // While a seek is pending the slider stays where the user put it.
            if (c.shared->pendingSeek.load() != 0) break;
            const std::int64_t length = c.front->GetLength();
            const std::int64_t time = c.front->GetTime();
            // The time travels as its low 32 bits, as the window's message always carried it.
            Post(c, ZovMessage::TimeChanged, static_cast<std::intptr_t>(static_cast<std::uint32_t>(time)),
                 SliderPositionFor(time, length));
            c.shared->switchGuard.store(0);
            break;
        }
        default:
            break;
    }
}

void OnRearPlayerEvent(const libvlc_event_t* event, void* context) {
    const auto& c = *static_cast<const ChannelEventContext*>(context);
    if (event->type == libvlc_MediaPlayerEndReached) Post(c, ZovMessage::RearEnded, 1);
}

}  // namespace channel_events
