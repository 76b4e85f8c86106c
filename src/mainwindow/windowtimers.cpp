#include "mainwindow/windowtimers.h"

#include <QTimer>
#include <QTimerEvent>

#include <algorithm>
#include <iterator>

WindowTimers::WindowTimers(std::function<void(int id)> onTick, QObject* parent)
    : QObject(parent), onTick_(std::move(onTick)) {}

bool WindowTimers::Start(int id) {
    const auto* t = std::find_if(std::begin(kWindowTimers), std::end(kWindowTimers),
                                 [id](const WindowTimer& w) { return w.id == id; });
    if (t == std::end(kWindowTimers)) return false;
    StartTimer(id, t->periodMs);
    return true;
}

void WindowTimers::Adopt(int id, QTimer& timer) {
    adopted_[id] = &timer;
    connect(&timer, &QTimer::timeout, this, [this, id] {
        if (onTick_) onTick_(id);
    });
}

void WindowTimers::StartTimer(int id, int periodMs) {
    if (auto it = adopted_.find(id); it != adopted_.end()) return it->second->start(periodMs);
    timers_[id].start(periodMs, Qt::PreciseTimer, this);
}

void WindowTimers::KillTimer(int id) {
    if (auto a = adopted_.find(id); a != adopted_.end()) return a->second->stop();
    auto it = timers_.find(id);
    if (it != timers_.end()) it->second.stop();
}

void WindowTimers::RunLater(int delayMs, std::function<void()> step) {
    QTimer::singleShot(delayMs, Qt::PreciseTimer, this, std::move(step));
}

bool WindowTimers::IsActive(int id) const {
    if (auto a = adopted_.find(id); a != adopted_.end()) return a->second->isActive();
    auto it = timers_.find(id);
    return it != timers_.end() && it->second.isActive();
}

void WindowTimers::timerEvent(QTimerEvent* event) {
    for (const auto& [id, timer] : timers_) {
        if (timer.timerId() == event->timerId()) {
            if (onTick_) onTick_(id);
            return;
        }
    }
    QObject::timerEvent(event);
}
