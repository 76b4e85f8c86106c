#pragma once

#include <QtGui/qwindowdefs.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "library/recordingcatalogue.h"
#include "playback/videoplayer.h"

// The front and rear playback channels driven as one: starting a recording of the catalogue on both, play and
// pause, stop, the playback rate and its on-video label, seeking, volume, snapshots, the ends of the
// recordings, and the playback clock's step from a time report to the instruments. The front channel is the
// master: its clock drives the position slider and the telemetry; the rear channel is silent and follows.
//
// Everything here runs on the GUI thread, except that the engine callbacks (mainwindow/channelevents) read
// and write the values in PlaybackShared from the engine's threads.

enum class Channel { Front = 0, Rear = 1 };

// What the controller asks of the recording catalogue (RecordingCatalogue through CataloguePlayback, or a
// test's recorder).
class PlaybackCatalogue {
  public:
    virtual ~PlaybackCatalogue() = default;
    virtual int GetCount() const = 0;
    virtual int GetCurrentIndex() const = 0;
    virtual int GetNextIndex() const = 0;
    virtual int Select(int index) = 0;
    virtual int SelectGroupEntry(int group, int offset) = 0;
    virtual std::string GetPath(int index) const = 0;
    virtual std::string GetCurrentPath() const = 0;
    virtual VideoSize GetCurrentVideoSize() const = 0;
    virtual int LoadTelemetry(int index) = 0;
    virtual int SyncToTime(std::int64_t timeMs, bool graphShown, bool mapShown) = 0;
    virtual void DrawDrivenPath(std::uint32_t timeMs) = 0;
    // The rear recording of a front recording; empty when there is none.
    virtual std::string RearPath(const std::string& frontPath) const = 0;
};

// The window's side: the two panes over their backgrounds, the controls the channels move, the map and the
// boxes the user answers. The main window implements it with its widgets.
class PlaybackSurface {
  public:
    virtual ~PlaybackSurface() = default;
    // The placeholder a pane's background shows while its channel has nothing to show.
    virtual bool IsPlaceholderShown(Channel channel) const = 0;
    virtual void SetPlaceholderShown(Channel channel, bool shown) = 0;
    virtual void ShowPane(Channel channel, bool show) = 0;
    // Whether the pane has a window at all (the rear channel plays only into an existing pane).
    virtual bool HasPane(Channel channel) const = 0;
    // The native window the channel draws into.
    virtual WId PaneWindow(Channel channel) const = 0;
    // Lays the panes over their backgrounds in the shape of the current recording's picture.
    virtual void FitVideoPanes() = 0;

    // 0: the play picture, 1: the pause picture.
    virtual void SetPlayButtonState(int state) = 0;
    // 0..1000; ignored while the slider has no window.
    virtual void SetPositionSlider(int position) = 0;
    virtual int VolumeSlider() const = 0;
    virtual void SetVolumeSlider(int position) = 0;
    virtual void SetGraphPosition(int ms) = 0;
    virtual void SetGraphDimmed(bool dimmed) = 0;
    virtual void SetGpsLamp(bool lit) = 0;
    virtual bool GraphShown() const = 0;
    virtual bool MapShown() const = 0;
    // "init_map(0, 0)" on the map page.
    virtual void InitMap() = 0;

    // A plain OK box with two texts of the string table.
    virtual void ShowMessage(int textId, int captionId) = 0;
    // The snapshot's save dialog; the chosen path, empty when cancelled.
    virtual std::string AskSnapshotPath() = 0;
    // Tells the user where the snapshot was written, or that it could not be.
    virtual void SnapshotResult(const std::string& /*path*/, bool /*written*/) {}
};

// The window's timers by their ids, and the continuation of a sequence after a short wait, without blocking
// the GUI thread. Ticks come back through DualPlayback::OnTimer.
class PlaybackTimers {
  public:
    virtual ~PlaybackTimers() = default;
    virtual void StartTimer(int id, int periodMs) = 0;
    virtual void KillTimer(int id) = 0;
    virtual void RunLater(int delayMs, std::function<void()> step) = 0;
};

namespace playback_timer {
constexpr int kRateOverlay = 102;   // 300 ms while the overlay repeats
constexpr int kApplySeek = 103;     // 500 ms, always
constexpr int kDelayedStart = 105;  // 100 ms, always
constexpr int kSwitchGuard = 106;   // 100 s, once
constexpr int kRateOverlayMs = 300;
constexpr int kApplySeekMs = 500;
constexpr int kDelayedStartMs = 100;
constexpr int kSwitchGuardMs = 100000;
}  // namespace playback_timer

// The values the engine callbacks share with the GUI thread, each read and written whole.
struct PlaybackShared {
    // A seek the position slider asked for and timer 103 has not applied yet; 0 means none.
    std::atomic<std::int64_t> pendingSeek{0};
    // 1 from a list's choice of a recording until the front channel's first time report (or timer 106).
    std::atomic<int> switchGuard{0};
    static_assert(std::atomic<std::int64_t>::is_always_lock_free && std::atomic<int>::is_always_lock_free);
};

struct RateStep {
    double rate;
    const char* label;
};
inline constexpr std::array<RateStep, 18> kRateTable{{
    {0.3, "0.3 X"},
    {0.4, "0.4 X"},
    {0.5, "0.5 X"},
    {0.6, "0.6 X"},
    {0.7, "0.7 X"},
    {0.8, "0.8 X"},
    {0.9, "0.9 X"},
    {1.0, "1.0 X"},
    {1.2, "1.2 X"},
    {1.4, "1.4 X"},
    {1.6, "1.6 X"},
    {1.8, "1.8 X"},
    {2.0, "2.0 X"},
    {2.4, "2.4 X"},
    {2.8, "2.8 X"},
    {3.2, "3.2 X"},
    {3.6, "3.6 X"},
    {4.0, "4.0 X"},
}};
inline constexpr int kNormalRateIndex = 7;

// Position slider (0..1000) for a time of a recording of the given length; 0 when the length is not positive.
int SliderPositionFor(std::int64_t timeMs, std::int64_t lengthMs);

class DualPlayback {
  public:
    // How StartEntry was reached; the triggers differ in a few steps.
    enum class Trigger { GroupList, FileList, DelayedStart, FrontEnded, OpenCommand };

    DualPlayback(VideoPlayer& front, VideoPlayer& rear, PlaybackCatalogue& catalogue,
                 PlaybackSurface& surface, PlaybackTimers& timers);
    DualPlayback(const DualPlayback&) = delete;
    DualPlayback& operator=(const DualPlayback&) = delete;
    ~DualPlayback();

    // Binds both channels to their panes and attaches the engine callbacks (context: the window's), sets the
    // volumes (the rear channel stays silent for good) and starts timers 103 and 105. A missing engine is
    // told once per channel.
    void Initialise(VideoPlayer::EventCallback onFront, VideoPlayer::EventCallback onRear, void* context);
    // Its two halves, for a window that sets up the channels' volumes, rates and warnings itself.
    void AttachChannels(VideoPlayer::EventCallback onFront, VideoPlayer::EventCallback onRear, void* context);
    void SetUpChannels();

    PlaybackShared& Shared() { return shared_; }
    const VideoPlayer& Front() const { return front_; }
    const VideoPlayer& Rear() const { return rear_; }

    // Commands.
    void Play();
    void Stop();
    // Both channels stopped and their panes back to the placeholder, before files are deleted or copied
    // (an open file could not be removed cleanly from some cards), without STOP's reset of rate and clock.
    void StopForFileOperation();
    void Faster();
    void Slower();
    void Snapshot();
    void SetMute(bool mute);
    // Loop: whether the end of a recording starts the next one. Returns the new value.
    bool ToggleAutoNext();
    bool AutoNext() const { return autoNext_; }
    int RateIndex() const { return rateIndex_; }
    const std::string& CurrentPath() const { return currentPath_; }

    // Sliders: a seek request from a position (released or scrolled), one while dragged (also shows the
    // telemetry at the target at once), the volume.
    void RequestSeek(int sliderPosition);
    void DragSeek(int sliderPosition);
    void SetVolume(int level);
    // Keys: seek by deltaMs from where playback is (or is about to be), through the same pending seek; the
    // volume by a step of the slider.
    void SeekBy(std::int64_t deltaMs);
    void StepVolume(int delta);

    // Private messages of the window.
    void OnTimeReport(std::uint32_t timeMs, int sliderPosition);  // 0x0C07; sliderPosition -1: none
    void OnPlayState(std::intptr_t state);                        // 0x0C06
    void OnGroupActivated(int group);                             // 0x0C09
    void OnFileActivated(int index);                              // 0x0C0A
    void OnFrontEnded();                                          // 0x0C08
    void OnRearEnded();                                           // 0x0C0E
    void OnGpsLampOff();
    // A tick of one of the window's timers; false when the id is not one of the controller's.
    bool OnTimer(int id);

    // The OPEN command's playback side. Prepare returns false when the command must do nothing (a recording
    // chosen in a list is still loading); otherwise playback is stopped and the rate reset.
    bool PrepareOpen();
    void StartFirstEntry();   // entry 0 at once, as OPEN does for a single file
    void ArmDelayedStart();   // entry 0 after 5 ticks of timer 105
    void ArmSwitchGuard();    // guard on, timer 106
    void ClearSwitchGuard();  // a failure inside OPEN
    bool SequencePending() const { return sequencePending_; }

    void StartEntry(int index, Trigger trigger);
    void PlayRearChannel(const std::string& frontPath);
    void UpdateRateOverlay();
    void ShowRateOverlay();

    // The rear channel's distance from the front one, measured on timer 103 while both play.
    struct DriftStats {
        int samples = 0;
        std::int64_t maxAbsMs = 0;
        std::int64_t sumAbsMs = 0;
        int reseeks = 0;
    };
    const DriftStats& Drift() const { return drift_; }
    // Off: the rear is only measured, never re-seeked (for measuring what the correction buys).
    void SetDriftCorrection(bool on) { driftCorrection_ = on; }
    static constexpr std::int64_t kMaxDriftMs = 300;

  private:
    VideoPlayer& Player(Channel c) { return c == Channel::Front ? front_ : rear_; }
    void RevealPane(Channel channel);
    // Each pane that shows a picture goes back to its placeholder and is hidden.
    void ShowPlaceholders();
    void ApplyRate();
    void BeginListStart(std::function<int()> choose, Trigger trigger);
    // Play, then pause after 50 ms: the channel waits at the start of its recording.
    void RestartPaused(Channel channel, std::function<void()> after);
    void Later(int delayMs, std::function<void()> step);
    void ApplyPendingSeek();
    void KeepRearInStep();
    std::int64_t TargetFor(int sliderPosition) const;

    VideoPlayer& front_;
    VideoPlayer& rear_;
    PlaybackCatalogue& catalogue_;
    PlaybackSurface& surface_;
    PlaybackTimers& timers_;
    PlaybackShared shared_;

    std::string currentPath_;
    int rateIndex_ = kNormalRateIndex;
    bool autoNext_ = true;
    int delayedEntry_ = -1;
    int delayedCountdown_ = 0;
    int overlayRepeats_ = 10;
    bool sequencePending_ = false;
    bool driftCorrection_ = true;
    DriftStats drift_;
    // Continuations check it, so none runs after the controller is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
