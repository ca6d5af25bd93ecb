#pragma once
#include <condition_variable>
#include <functional>
#include <thread>

namespace emu {

class Device;

// Under a real clock nobody moves time forward, so a device thread waiting with a
// deadline (Sleep, a wait with a time-out) would run again only when something else
// happened to kick the scheduler. This host thread sleeps until the earliest deadline,
// then lets the threads whose time has come run.
class RealTimeWaker {
public:
    explicit RealTimeWaker(Device& device);
    ~RealTimeWaker();
    RealTimeWaker(const RealTimeWaker&) = delete;
    RealTimeWaker& operator=(const RealTimeWaker&) = delete;

    // Caller holds the device mutex and may have let threads run: the deadlines may have
    // changed, so the waker looks at them again.
    void deadlines_changed() { changed_.notify_one(); }
    // Caller holds the device mutex. `listener` is called on the waker's thread, holding
    // the device mutex, each time the device is idle again after the waker woke threads.
    void set_listener(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    void run();

    Device& device_;
    std::condition_variable changed_;
    std::function<void()> listener_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace emu
