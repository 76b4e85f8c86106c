#include "playertestsupport.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "video.h"

namespace playbacktest {

void EventQueue::Callback(const libvlc_event_t* event, void* context) {
    auto* queue = static_cast<EventQueue*>(context);
    Event e{event->type};
    if (event->type == libvlc_MediaPlayerTimeChanged) e.time = event->u.media_player_time_changed.new_time;
    {
        std::lock_guard lock(queue->mutex_);
        queue->events_.push_back(e);
    }
    queue->changed_.notify_all();
}

bool EventQueue::WaitFor(int type, int count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] {
        int n = 0;
        for (const Event& e : events_) n += e.type == type;
        return n >= count;
    });
}

bool EventQueue::WaitForTimeAtLeast(std::int64_t ms, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] {
        for (const Event& e : events_) {
            if (e.type == libvlc_MediaPlayerTimeChanged && e.time >= ms) return true;
        }
        return false;
    });
}

int EventQueue::Count(int type) const {
    std::lock_guard lock(mutex_);
    int n = 0;
    for (const Event& e : events_) n += e.type == type;
    return n;
}

std::vector<Event> EventQueue::Events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

void EventQueue::Clear() {
    std::lock_guard lock(mutex_);
    events_.clear();
}

namespace {

std::vector<std::string>& TempFiles() {
    static std::vector<std::string> files;
    static std::once_flag cleanup;
    // The engine tests end through quick_exit (qttestmain.cpp), which skips the atexit list.
    std::call_once(cleanup, [] {
        static constexpr void (*removeAll)() = [] {
            for (const std::string& f : TempFiles()) std::filesystem::remove(f);
        };
        std::atexit(removeAll);
        std::at_quick_exit(removeAll);
    });
    return files;
}

Clip MakeClip(const char* name, fixtures::VideoOptions options) {
    const std::string path = TempFile(std::string(name) + ".mp4");
    fixtures::MakeVideo(path, options);
    return Clip{path, options.width, options.height, static_cast<std::int64_t>(options.seconds * 1000)};
}

}  // namespace

std::string TempFile(const std::string& extension) {
    static std::atomic<int> counter = 0;
    std::string path =
        "/tmp/orvan-playback-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + extension;
    TempFiles().push_back(path);
    return path;
}

const Clip& FrontClip() {
    static const Clip clip = [] {
        fixtures::VideoOptions options;
        options.seconds = 3.0;
        return MakeClip("front", options);
    }();
    return clip;
}

const Clip& RearClip() {
    static const Clip clip = [] {
        fixtures::VideoOptions options;
        options.width = 176;
        options.height = 144;
        options.label = "REAR";
        options.audio = true;
        return MakeClip("rear", options);
    }();
    return clip;
}

}  // namespace playbacktest
