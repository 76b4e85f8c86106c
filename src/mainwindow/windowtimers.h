#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <map>

#include "playback/dualplayback.h"

// The main window's timers, keyed by the ids the rest of the window uses. Every tick goes to one handler,
// which kills the one-shot timers itself.
struct WindowTimer {
    int id;
    int periodMs;
    const char* tick;
};
inline constexpr WindowTimer kWindowTimers[] = {
    {100, 800, "full pane: once, a nudge so the window takes the keys again"},
    {playback_timer::kRateOverlay, playback_timer::kRateOverlayMs,
     "rate overlay again, until its count runs out"},
    {playback_timer::kApplySeek, playback_timer::kApplySeekMs,
     "always: apply a pending seek; rear kept in step"},
    {playback_timer::kDelayedStart, playback_timer::kDelayedStartMs, "always: delayed-start countdown"},
    {playback_timer::kSwitchGuard, playback_timer::kSwitchGuardMs, "once: the file-switch guard gives up"},
};

class WindowTimers : public QObject, public PlaybackTimers {
    Q_OBJECT
  public:
    explicit WindowTimers(std::function<void(int id)> onTick, QObject* parent = nullptr);

    // Starting a running timer restarts it. Ids outside the table are refused (false).
    bool Start(int id);
    void StartTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    void RunLater(int delayMs, std::function<void()> step) override;
    bool IsActive(int id) const;
    // A timer the window runs itself under that id: starting and killing the id start and stop it, and its
    // ticks come to the same handler.
    void Adopt(int id, QTimer& timer);

  protected:
    void timerEvent(QTimerEvent* event) override;

  private:
    std::function<void(int)> onTick_;
    std::map<int, QBasicTimer> timers_;
    std::map<int, QTimer*> adopted_;
};
