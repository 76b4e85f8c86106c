#pragma once

// Recording stand-ins for the controller's catalogue, window and timers. Each writes the calls that change
// something into the engine stand-in's call list (fakevlc), so one list shows the order of engine calls,
// catalogue steps and window changes together. Queries are answered from plain fields and not recorded. For
// the real engine, a window stand-in with real panes and the window's side of the private messages.

#include <QObject>
#include <QRect>
#include <QWindow>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "fakevlc.h"
#include "mainwindow/commands.h"
#include "playback/dualplayback.h"

namespace playbacktest {

void Note(const std::string& call);

class FakeCatalogue : public PlaybackCatalogue {
  public:
    std::vector<std::string> paths;
    int current = -1;
    bool rearExists = true;
    std::string rearPath;  // when set, the rear file of every front file
    VideoSize videoSize{1, 1920, 1080};
    int lamp = 1;
    // Group g starts at entry firstOfGroup[g].
    std::vector<int> firstOfGroup{0};

    int GetCount() const override { return static_cast<int>(paths.size()); }
    int GetCurrentIndex() const override { return current; }
    int GetNextIndex() const override { return current + 1 < GetCount() ? current + 1 : -1; }
    int Select(int index) override;
    int SelectGroupEntry(int group, int offset) override;
    std::string GetPath(int index) const override { return paths.at(static_cast<std::size_t>(index)); }
    std::string GetCurrentPath() const override { return current < 0 ? std::string() : GetPath(current); }
    VideoSize GetCurrentVideoSize() const override { return videoSize; }
    int LoadTelemetry(int index) override;
    int SyncToTime(std::int64_t timeMs, bool graphShown, bool mapShown) override;
    void DrawDrivenPath(std::uint32_t timeMs) override;
    // The rear file sits beside the front one with 'R' for the base name's last character.
    std::string RearPath(const std::string& frontPath) const override;
};

class FakeSurface : public PlaybackSurface {
  public:
    bool placeholder[2] = {true, true};
    bool rearPane = true;
    int volumeSlider = 0;
    int slider = -1;
    std::string snapshotAnswer;

    bool IsPlaceholderShown(Channel c) const override { return placeholder[static_cast<int>(c)]; }
    void SetPlaceholderShown(Channel c, bool shown) override;
    void ShowPane(Channel c, bool show) override;
    bool HasPane(Channel c) const override { return c == Channel::Front || rearPane; }
    WId PaneWindow(Channel c) const override { return c == Channel::Front ? 0x100 : 0x200; }
    void FitVideoPanes() override;
    void SetPlayButtonState(int state) override;
    void SetPositionSlider(int position) override;
    int VolumeSlider() const override { return volumeSlider; }
    void SetVolumeSlider(int position) override;
    void SetGraphPosition(int ms) override;
    void SetGraphDimmed(bool dimmed) override;
    void SetGpsLamp(bool lit) override;
    bool GraphShown() const override { return true; }
    bool MapShown() const override { return true; }
    void InitMap() override;
    void ShowMessage(int textId, int captionId) override;
    std::string AskSnapshotPath() override;
};

// The window's stand-in with two real windows, shown, for the engine to draw into: the front one at
// frontPane, the rear one beside it.
class RealPanes : public FakeSurface {
  public:
    explicit RealPanes(const QRect& frontPane);
    WId PaneWindow(Channel c) const override { return windows[static_cast<int>(c)].winId(); }
    QWindow windows[2];
};

// The window's side of the private messages: they go through the dispatch table. onTime, when set, hears of
// each time report first.
class MessageWindow : public QObject {
  public:
    ZovDispatch* dispatch = nullptr;
    std::function<void()> onTime;
    bool event(QEvent* e) override;
};

// Timers that tick only when the test says so; waits are held until RunPending.
class FakeTimers : public PlaybackTimers {
  public:
    void StartTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    void RunLater(int delayMs, std::function<void()> step) override;
    // Runs the held continuations (and any they add) in order.
    void RunPending();
    bool Active(int id) const;

  private:
    std::vector<int> active_;
    std::deque<std::function<void()>> pending_;
};

// "Ch(front)" / "Ch(rear)" suffixes the stand-ins use.
const char* Name(Channel c);

}  // namespace playbacktest
