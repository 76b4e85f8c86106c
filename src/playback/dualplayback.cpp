#include "playback/dualplayback.h"

#include <algorithm>
#include <cmath>

namespace {

// String ids of the boxes shown here.
constexpr int kNoFilesText = 136;        // "No files in list."
constexpr int kOkCaption = 145;          // "OK"
constexpr int kEngineMissingText = 133;  // "Loading video component failed. ..."
constexpr int kWarningCaption = 131;     // "Warning"

// The list starts stop both channels and give the engine this long before the next media is opened; the end
// handling pauses a restarted channel this long after Play so that it waits at its first picture.
constexpr int kListStartWaitMs = 200;
constexpr int kRestartPauseMs = 50;
// The delayed start of the OPEN command: ticks of timer 105.
constexpr int kDelayedStartTicks = 5;
constexpr int kOverlayRepeats = 10;

}  // namespace

int SliderPositionFor(std::int64_t timeMs, std::int64_t lengthMs) {
    if (lengthMs <= 0) return 0;
    return static_cast<int>(std::trunc(static_cast<double>(timeMs) / static_cast<double>(lengthMs) * 1000.0));
}

DualPlayback::DualPlayback(VideoPlayer& front, VideoPlayer& rear, PlaybackCatalogue& catalogue,
                           PlaybackSurface& surface, PlaybackTimers& timers)
    : front_(front), rear_(rear), catalogue_(catalogue), surface_(surface), timers_(timers) {}

DualPlayback::~DualPlayback() {
    *alive_ = false;
}

void DualPlayback::Initialise(VideoPlayer::EventCallback onFront, VideoPlayer::EventCallback onRear,
                              void* context) {
    AttachChannels(onFront, onRear, context);
    SetUpChannels();
}

void DualPlayback::AttachChannels(VideoPlayer::EventCallback onFront, VideoPlayer::EventCallback onRear,
                                  void* context) {
    const struct {
        Channel channel;
        VideoPlayer::EventCallback callback;
    } channels[] = {{Channel::Front, onFront}, {Channel::Rear, onRear}};
    for (const auto& c : channels) {
        VideoPlayer& player = Player(c.channel);
        if (!player.IsEngineAvailable()) continue;
        // Without a pane window the engine would open a window of its own.
        if (const WId pane = surface_.PaneWindow(c.channel)) player.SetWindow(pane);
        if (c.callback) player.AttachEvents(c.callback, context);
    }
    timers_.StartTimer(playback_timer::kApplySeek, playback_timer::kApplySeekMs);
    timers_.StartTimer(playback_timer::kDelayedStart, playback_timer::kDelayedStartMs);
}

void DualPlayback::SetUpChannels() {
    rateIndex_ = kNormalRateIndex;
    for (Channel c : {Channel::Front, Channel::Rear}) {
        VideoPlayer& player = Player(c);
        if (player.IsEngineAvailable()) {
            player.SetRate(static_cast<float>(kRateTable[rateIndex_].rate));
        } else {
            surface_.ShowMessage(kEngineMissingText, kWarningCaption);
        }
    }
    surface_.SetVolumeSlider(100);
    front_.SetVolume(100);
    rear_.SetVolume(0);
}

void DualPlayback::RevealPane(Channel channel) {
    if (surface_.IsPlaceholderShown(channel)) {
        surface_.SetPlaceholderShown(channel, false);
        surface_.ShowPane(channel, true);
    }
}

void DualPlayback::Later(int delayMs, std::function<void()> step) {
    timers_.RunLater(delayMs, [alive = alive_, step = std::move(step)] {
        if (*alive) step();
    });
}

// ---- Starting a recording ----

void DualPlayback::StartEntry(int index, Trigger trigger) {
    if (trigger != Trigger::FrontEnded) RevealPane(Channel::Front);
    if (trigger == Trigger::OpenCommand) index = 0;
    catalogue_.Select(index);
    catalogue_.LoadTelemetry(index);
    currentPath_ = trigger == Trigger::OpenCommand ? catalogue_.GetCurrentPath() : catalogue_.GetPath(index);
    front_.Open(currentPath_);
    if (trigger == Trigger::OpenCommand) surface_.SetPlayButtonState(1);
    surface_.FitVideoPanes();
    if (trigger == Trigger::GroupList || trigger == Trigger::DelayedStart) surface_.InitMap();
    front_.Play();
    if (trigger != Trigger::OpenCommand) ShowRateOverlay();
    PlayRearChannel(currentPath_);
    // Without the engine no time report ever comes to lift the guard: OPEN and the lists would be deaf to
    // the user until timer 106, 100 s later.
    if (!front_.IsEngineAvailable()) shared_.switchGuard.store(0);
}

void DualPlayback::PlayRearChannel(const std::string& frontPath) {
    const std::string rearPath =
        surface_.HasPane(Channel::Rear) ? catalogue_.RearPath(frontPath) : std::string();
    if (rearPath.empty()) {
        rear_.Close();
        return;
    }
    RevealPane(Channel::Rear);
    rear_.SetWindow(surface_.PaneWindow(Channel::Rear));
    rear_.Open(rearPath);
    rear_.Play();
}

void DualPlayback::BeginListStart(std::function<int()> choose, Trigger trigger) {
    front_.Stop();
    rear_.Stop();
    // The engine gets its moment between the stop and the next media without the window freezing; until the
    // start has run, a further choice in a list is ignored as the guard would ignore it.
    sequencePending_ = true;
    Later(kListStartWaitMs, [this, choose = std::move(choose), trigger] {
        if (!sequencePending_) return;  // STOP came in between
        sequencePending_ = false;
        const int index = choose();
        if (index < 0) return;
        ArmSwitchGuard();
        StartEntry(index, trigger);
    });
}

void DualPlayback::OnGroupActivated(int group) {
    if (shared_.switchGuard.load() || sequencePending_ || group == -1) return;
    BeginListStart(
        [this, group] {
            catalogue_.SelectGroupEntry(group, 0);
            return catalogue_.GetCurrentIndex();
        },
        Trigger::GroupList);
}

void DualPlayback::OnFileActivated(int index) {
    if (shared_.switchGuard.load() || sequencePending_ || index == -1) return;
    BeginListStart([this, index] { return catalogue_.Select(index) ? index : -1; }, Trigger::FileList);
}

void DualPlayback::ArmSwitchGuard() {
    shared_.switchGuard.store(1);
    timers_.StartTimer(playback_timer::kSwitchGuard, playback_timer::kSwitchGuardMs);
}

void DualPlayback::ClearSwitchGuard() {
    shared_.switchGuard.store(0);
}

bool DualPlayback::PrepareOpen() {
    if (catalogue_.GetCount() != 0 && (shared_.switchGuard.load() || sequencePending_)) return false;
    shared_.pendingSeek.store(0);
    front_.Stop();
    rear_.Stop();
    rateIndex_ = kNormalRateIndex;
    ApplyRate();
    return true;
}

void DualPlayback::StartFirstEntry() {
    StartEntry(0, Trigger::OpenCommand);
}

void DualPlayback::ArmDelayedStart() {
    delayedEntry_ = 0;
    delayedCountdown_ = kDelayedStartTicks;
}

// ---- Commands ----

void DualPlayback::Play() {
    shared_.pendingSeek.store(0);
    surface_.SetGraphDimmed(false);
    if (catalogue_.GetCount() == 0) {
        surface_.SetPlayButtonState(0);
        return;
    }
    if (front_.IsPlaying()) {
        front_.Pause();
    } else {
        RevealPane(Channel::Front);
        front_.Play();
        ShowRateOverlay();
    }
    if (rear_.IsPlaying()) {
        rear_.Pause();
    } else {
        RevealPane(Channel::Rear);
        rear_.Play();
    }
}

void DualPlayback::Stop() {
    shared_.pendingSeek.store(0);
    sequencePending_ = false;
    surface_.SetPlayButtonState(0);
    front_.Stop();
    rear_.Stop();
    rateIndex_ = kNormalRateIndex;
    ApplyRate();
    surface_.SetPositionSlider(0);
    surface_.SetGraphPosition(0);
    surface_.SetGraphDimmed(true);
    ShowPlaceholders();
}

void DualPlayback::ShowPlaceholders() {
    for (Channel c : {Channel::Front, Channel::Rear}) {
        if (!surface_.IsPlaceholderShown(c)) {
            surface_.SetPlaceholderShown(c, true);
            surface_.ShowPane(c, false);
        }
    }
}

void DualPlayback::StopForFileOperation() {
    // A start still counting down would open a file that is about to be deleted.
    sequencePending_ = false;
    delayedCountdown_ = 0;
    front_.Stop();
    rear_.Stop();
    surface_.SetPlayButtonState(0);
    ShowPlaceholders();
}

void DualPlayback::ApplyRate() {
    const float rate = static_cast<float>(kRateTable[rateIndex_].rate);
    front_.SetRate(rate);
    rear_.SetRate(rate);
}

void DualPlayback::Faster() {
    rateIndex_ = std::min(rateIndex_ + 1, static_cast<int>(kRateTable.size()) - 1);
    ApplyRate();
    UpdateRateOverlay();
}

void DualPlayback::Slower() {
    rateIndex_ = std::max(rateIndex_ - 1, 0);
    ApplyRate();
    UpdateRateOverlay();
}

void DualPlayback::UpdateRateOverlay() {
    int size = 48;
    const VideoSize video = catalogue_.GetCurrentVideoSize();
    if (video.ok && video.height != 0) size = static_cast<int>(video.height * 0.1);
    const RateStep& step = kRateTable[rateIndex_];
    const int enable = step.rate == 1.0 ? 0 : 1;
    for (VideoPlayer* p : {&front_, &rear_}) {
        p->SetMarquee(0, 0, step.label, size, 255, static_cast<int>(0xFF00FF00u), -1, enable);
    }
}

void DualPlayback::ShowRateOverlay() {
    UpdateRateOverlay();
    overlayRepeats_ = kOverlayRepeats;
    timers_.StartTimer(playback_timer::kRateOverlay, playback_timer::kRateOverlayMs);
}

void DualPlayback::Snapshot() {
    if (catalogue_.GetCount() == 0) {
        surface_.ShowMessage(kNoFilesText, kOkCaption);
        return;
    }
    const bool wasPlaying = front_.IsPlaying();
    if (wasPlaying) front_.Pause();
    const std::string path = surface_.AskSnapshotPath();
    const bool written = !path.empty() && front_.TakeSnapshot(path, 0) == 0;
    if (wasPlaying) front_.Play();
    if (!path.empty()) surface_.SnapshotResult(path, written);
}

void DualPlayback::SetMute(bool mute) {
    front_.SetMute(mute ? 1 : 0);
}

bool DualPlayback::ToggleAutoNext() {
    autoNext_ = !autoNext_;
    return autoNext_;
}

void DualPlayback::SetVolume(int level) {
    front_.SetVolume(level);
}

void DualPlayback::StepVolume(int delta) {
    const int level = std::clamp(surface_.VolumeSlider() + delta, 0, 100);
    surface_.SetVolumeSlider(level);
    SetVolume(level);
}

// ---- Seeking and the clock ----

std::int64_t DualPlayback::TargetFor(int sliderPosition) const {
    return front_.GetLength() / 1000 * sliderPosition;
}

void DualPlayback::RequestSeek(int sliderPosition) {
    shared_.pendingSeek.store(TargetFor(sliderPosition));
}

void DualPlayback::DragSeek(int sliderPosition) {
    const std::int64_t target = TargetFor(sliderPosition);
    shared_.pendingSeek.store(target);
    surface_.SetGpsLamp(catalogue_.SyncToTime(target, surface_.GraphShown(), surface_.MapShown()) != 0);
}

void DualPlayback::SeekBy(std::int64_t deltaMs) {
    const std::int64_t length = front_.GetLength();
    const std::int64_t pending = shared_.pendingSeek.load();
    const std::int64_t from = pending != 0 ? pending : front_.GetTime();
    if (length <= 0 || from < 0) return;
    // 0 would mean "no seek": the start of the recording is asked for as its first millisecond.
    const std::int64_t target =
        std::clamp<std::int64_t>(from + deltaMs, 1, std::max<std::int64_t>(1, length - 1));
    shared_.pendingSeek.store(target);
    surface_.SetPositionSlider(SliderPositionFor(target, length));
    surface_.SetGpsLamp(catalogue_.SyncToTime(target, surface_.GraphShown(), surface_.MapShown()) != 0);
}

void DualPlayback::OnTimeReport(std::uint32_t timeMs, int sliderPosition) {
    surface_.SetGpsLamp(catalogue_.SyncToTime(timeMs, surface_.GraphShown(), surface_.MapShown()) != 0);
    // The position was worked out on the engine's thread; a seek asked for since then wins.
    if (sliderPosition >= 0 && shared_.pendingSeek.load() == 0) surface_.SetPositionSlider(sliderPosition);
}

void DualPlayback::OnPlayState(std::intptr_t state) {
    if (state == 1 || state == 4) surface_.SetPlayButtonState(0);
    if (state == 2 || state == 3) surface_.SetPlayButtonState(1);
}

void DualPlayback::OnGpsLampOff() {
    surface_.SetGpsLamp(false);
}

void DualPlayback::ApplyPendingSeek() {
    const std::int64_t target = shared_.pendingSeek.load();
    if (target == 0) {
        KeepRearInStep();
        return;
    }
    front_.SetTime(target);
    rear_.SetTime(target);
    catalogue_.DrawDrivenPath(static_cast<std::uint32_t>(target));
    shared_.pendingSeek.store(0);
}

void DualPlayback::KeepRearInStep() {
    if (!front_.IsPlaying() || !rear_.IsPlaying() || !rear_.HasMedia()) return;
    const std::int64_t frontTime = front_.GetTime();
    const std::int64_t rearTime = rear_.GetTime();
    // Before the first picture both clocks read 0 or -1; past its own end the rear has nothing to seek to.
    if (frontTime <= 0 || rearTime <= 0 || frontTime >= rear_.GetLength()) return;
    const std::int64_t drift = std::abs(frontTime - rearTime);
    ++drift_.samples;
    drift_.sumAbsMs += drift;
    drift_.maxAbsMs = std::max(drift_.maxAbsMs, drift);
    if (driftCorrection_ && drift > kMaxDriftMs) {
        rear_.SetTime(frontTime);
        ++drift_.reseeks;
    }
}

// ---- Ends of the recordings ----

void DualPlayback::RestartPaused(Channel channel, std::function<void()> after) {
    VideoPlayer& player = Player(channel);
    player.Play();
    Later(kRestartPauseMs, [this, channel, after = std::move(after)] {
        // PLAY may have paused the channel in the meantime; the engine's pause toggles, so leave it then.
        VideoPlayer& p = Player(channel);
        if (p.IsPlaying()) p.Pause();
        if (after) after();
    });
}

void DualPlayback::OnFrontEnded() {
    if (!autoNext_) {
        front_.Stop();
        RestartPaused(Channel::Front, [this] {
            surface_.SetPositionSlider(0);
            surface_.SetGraphPosition(0);
        });
        return;
    }
    const int next = catalogue_.GetNextIndex();
    if (next != -1) {
        StartEntry(next, Trigger::FrontEnded);
        return;
    }
    front_.Stop();
    catalogue_.Select(0);
    catalogue_.LoadTelemetry(0);
    currentPath_ = catalogue_.GetPath(0);
    front_.Open(currentPath_);
    surface_.FitVideoPanes();
    RestartPaused(Channel::Front, [this] { surface_.SetPositionSlider(0); });
}

void DualPlayback::OnRearEnded() {
    rear_.Stop();
    RestartPaused(Channel::Rear, nullptr);
}

// ---- Timers ----

bool DualPlayback::OnTimer(int id) {
    switch (id) {
        case playback_timer::kRateOverlay:
            UpdateRateOverlay();
            if (overlayRepeats_ == 0) {
                timers_.KillTimer(playback_timer::kRateOverlay);
            } else {
                --overlayRepeats_;
            }
            return true;
        case playback_timer::kApplySeek:
            ApplyPendingSeek();
            return true;
        case playback_timer::kDelayedStart:
            if (delayedCountdown_ != 0 && delayedCountdown_ != -1) {
                --delayedCountdown_;
                if (delayedCountdown_ == 0 && delayedEntry_ != -1)
                    StartEntry(delayedEntry_, Trigger::DelayedStart);
            }
            return true;
        case playback_timer::kSwitchGuard:
            shared_.switchGuard.store(0);
            timers_.KillTimer(playback_timer::kSwitchGuard);
            return true;
        default:
            return false;
    }
}
