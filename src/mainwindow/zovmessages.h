#pragma once

#include <QEvent>

#include <cstdint>

// The main window's private messages, one QEvent type each. Controls, dialogs and the video engine's
// callbacks talk to the window only through these. Posted ones (QCoreApplication::postEvent) are queued; sent
// ones (QCoreApplication::sendEvent) run the handler before the sender continues. The engine's threads may
// only post, never send. Keep every number here so the dispatch table stays in one place.
enum class ZovMessage : int {
    EngineError = QEvent::User + 0x801,      // posted by the front channel; wParam 1
    LanguageChanged = QEvent::User + 0x802,  // posted by the configuration dialog; wParam = language row
    Reserved = QEvent::User + 0x803,         // accepted and ignored
    ToggleFullPane = QEvent::User + 0x804,  // sent by the video panes and their backgrounds on a double click
    ShowControls = QEvent::User + 0x805,    // shows the main controls
    PlayState = QEvent::User + 0x806,       // posted by the front channel; wParam 1..4
    TimeChanged = QEvent::User + 0x807,     // posted by the front channel; wParam = time in ms,
                                            // lParam = the position slider's new place (0..1000)
    FrontEnded = QEvent::User + 0x808,      // posted by the front channel; wParam 1
    GroupActivated = QEvent::User + 0x809,  // sent by the group list; wParam = group, -1 below the last row
    FileActivated = QEvent::User + 0x80A,  // sent by the file list; wParam = recording, -1 below the last row
    MapProviderChanged = QEvent::User + 0x80B,  // posted by the configuration dialog; wParam = provider
    VolumeChanged = QEvent::User + 0x80C,       // sent by the volume slider
    PositionDragged = QEvent::User + 0x80D,     // sent by the position slider while dragged and on release
    RearEnded = QEvent::User + 0x80E,           // posted by the rear channel; wParam 1
    // The player's own: the front channel's Opening and Stopped put the GPS lamp out, and the engine's
    // threads may not touch the lamp themselves.
    GpsLampOff = QEvent::User + 0x80F,
};

// One private message with its two parameters.
class ZovMessageEvent : public QEvent {
  public:
    explicit ZovMessageEvent(ZovMessage message, std::intptr_t wParam = 0, std::intptr_t lParam = 0)
        : QEvent(static_cast<QEvent::Type>(message)), wParam_(wParam), lParam_(lParam) {}

    ZovMessage message() const { return static_cast<ZovMessage>(type()); }
    std::intptr_t wParam() const { return wParam_; }
    std::intptr_t lParam() const { return lParam_; }

    static bool IsZovMessage(const QEvent* event) {
        const int t = event->type();
        return t >= static_cast<int>(ZovMessage::EngineError) &&
               t <= static_cast<int>(ZovMessage::GpsLampOff);
    }

  private:
    std::intptr_t wParam_;
    std::intptr_t lParam_;
};
