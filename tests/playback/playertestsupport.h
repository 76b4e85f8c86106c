#pragma once

// Helpers for the tests that drive the real engine: a thread-safe record of the events it raises, waited on
// with a bounded timeout, and the test clips.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include <vlc/vlc.h>

namespace playbacktest {

using namespace std::chrono_literals;

struct Event {
    int type = 0;
    std::int64_t time = -1;  // new_time of a TimeChanged event
};

// The callback runs on the engine's threads and only appends to the list under the lock.
class EventQueue {
  public:
    static void Callback(const libvlc_event_t* event, void* context);

    // Waits until count events of type have arrived since the last Clear; false on timeout.
    bool WaitFor(int type, int count = 1, std::chrono::milliseconds timeout = 5s);
    // Waits for a TimeChanged event reporting at least ms.
    bool WaitForTimeAtLeast(std::int64_t ms, std::chrono::milliseconds timeout = 5s);
    int Count(int type) const;
    std::vector<Event> Events() const;
    void Clear();

  private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Event> events_;
};

struct Clip {
    std::string path;
    int width;
    int height;
    std::int64_t lengthMs;
};
// Made once per process in /tmp and removed at exit: 3 s 320x240 without sound, and 2 s 176x144 with sound.
const Clip& FrontClip();
const Clip& RearClip();

// A unique file name in /tmp with the given extension, removed at exit.
std::string TempFile(const std::string& extension);

}  // namespace playbacktest
