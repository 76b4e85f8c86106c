#include "dualplaybacktestsupport.h"

#include <algorithm>

namespace playbacktest {

namespace {
std::string Flag(bool b) {
    return b ? "1" : "0";
}
}  // namespace

void Note(const std::string& call) {
    fakevlc::Get().calls.push_back(call);
}

const char* Name(Channel c) {
    return c == Channel::Front ? "front" : "rear";
}

int FakeCatalogue::Select(int index) {
    Note("Select(" + std::to_string(index) + ")");
    if (index < 0 || index >= GetCount()) return 0;
    current = index;
    return 1;
}

int FakeCatalogue::SelectGroupEntry(int group, int offset) {
    Note("SelectGroupEntry(" + std::to_string(group) + "," + std::to_string(offset) + ")");
    if (group < 0 || group >= static_cast<int>(firstOfGroup.size())) return 0;
    current = firstOfGroup[static_cast<std::size_t>(group)] + offset;
    return 1;
}

int FakeCatalogue::LoadTelemetry(int index) {
    Note("LoadTelemetry(" + std::to_string(index) + ")");
    return 1;
}

int FakeCatalogue::SyncToTime(std::int64_t timeMs, bool, bool) {
    Note("SyncToTime(" + std::to_string(timeMs) + ")");
    return lamp;
}

void FakeCatalogue::DrawDrivenPath(std::uint32_t timeMs) {
    Note("DrawDrivenPath(" + std::to_string(timeMs) + ")");
}

std::string FakeCatalogue::RearPath(const std::string& frontPath) const {
    if (!rearExists) return {};
    if (!rearPath.empty()) return rearPath;
    std::string rear = frontPath;
    const std::size_t dot = rear.rfind('.');
    if (dot == std::string::npos || dot == 0) return {};
    rear[dot - 1] = 'R';
    return rear;
}

void FakeSurface::SetPlaceholderShown(Channel c, bool shown) {
    placeholder[static_cast<int>(c)] = shown;
    Note(std::string("SetPlaceholderShown(") + Name(c) + "," + Flag(shown) + ")");
}

void FakeSurface::ShowPane(Channel c, bool show) {
    Note(std::string("ShowPane(") + Name(c) + "," + Flag(show) + ")");
}

void FakeSurface::FitVideoPanes() {
    Note("FitVideoPanes()");
}

void FakeSurface::SetPlayButtonState(int state) {
    Note("SetPlayButtonState(" + std::to_string(state) + ")");
}

void FakeSurface::SetPositionSlider(int position) {
    slider = position;
    Note("SetPositionSlider(" + std::to_string(position) + ")");
}

void FakeSurface::SetVolumeSlider(int position) {
    volumeSlider = position;
    Note("SetVolumeSlider(" + std::to_string(position) + ")");
}

void FakeSurface::SetGraphPosition(int ms) {
    Note("SetGraphPosition(" + std::to_string(ms) + ")");
}

void FakeSurface::SetGraphDimmed(bool dimmed) {
    Note("SetGraphDimmed(" + Flag(dimmed) + ")");
}

void FakeSurface::SetGpsLamp(bool lit) {
    Note("SetGpsLamp(" + Flag(lit) + ")");
}

void FakeSurface::InitMap() {
    Note("InitMap()");
}

void FakeSurface::ShowMessage(int textId, int captionId) {
    Note("ShowMessage(" + std::to_string(textId) + "," + std::to_string(captionId) + ")");
}

std::string FakeSurface::AskSnapshotPath() {
    Note("AskSnapshotPath()");
    return snapshotAnswer;
}

RealPanes::RealPanes(const QRect& frontPane) {
    for (int i = 0; i < 2; ++i) {
        windows[i].setGeometry(frontPane.translated(i * (frontPane.width() + 20), 0));
        windows[i].show();
    }
}

bool MessageWindow::event(QEvent* e) {
    if (e->type() == static_cast<QEvent::Type>(ZovMessage::TimeChanged) && onTime) onTime();
    return (dispatch && dispatch->Message(e)) || QObject::event(e);
}

void FakeTimers::StartTimer(int id, int periodMs) {
    Note("StartTimer(" + std::to_string(id) + "," + std::to_string(periodMs) + ")");
    if (!Active(id)) active_.push_back(id);
}

void FakeTimers::KillTimer(int id) {
    Note("KillTimer(" + std::to_string(id) + ")");
    active_.erase(std::remove(active_.begin(), active_.end(), id), active_.end());
}

void FakeTimers::RunLater(int delayMs, std::function<void()> step) {
    Note("wait(" + std::to_string(delayMs) + ")");
    pending_.push_back(std::move(step));
}

void FakeTimers::RunPending() {
    while (!pending_.empty()) {
        auto step = std::move(pending_.front());
        pending_.pop_front();
        step();
    }
}

bool FakeTimers::Active(int id) const {
    return std::find(active_.begin(), active_.end(), id) != active_.end();
}

}  // namespace playbacktest
