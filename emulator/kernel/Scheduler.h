#pragma once
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "kernel/DeviceThread.h"

namespace emu {

class Clock;

// The device's one CPU. Device threads are host threads, but only the thread holding the
// CPU runs, and it holds the device mutex while it does; it hands the CPU over only where
// it waits (for a message, a reply, a timeout or an object). The next thread is chosen
// round-robin among those whose wait is over, so a run is deterministic, and device state
// needs no other lock. The host (tests, runners, front-ends) takes the mutex to inject
// input or read state; it gets it only while no device thread is running.
class Scheduler {
public:
    Scheduler(Device& device, Clock& clock) : device_(device), clock_(clock) {}
    ~Scheduler();

    std::mutex& mutex() { return mutex_; }

    // Creates a ready thread that runs `body` once it gets the CPU. Caller holds the mutex.
    DeviceThread& create(Process* process, std::function<DWORD()> body);

    // The running device thread waits until `ready` holds or the deadline passes (false).
    // A stopped thread never returns from here: it unwinds with ThreadStopped.
    bool wait(const std::function<bool()>& ready, std::optional<std::uint64_t> deadline = {});

    // Host, holding the mutex, after changing device state: let a thread run if the CPU is free.
    void kick();
    // Host: blocks until no device thread can run.
    void wait_idle(std::unique_lock<std::mutex>& lock);
    // Host: blocks until the CPU is free or `timeout_ms` of host time passed; true when idle.
    bool wait_idle_for(std::unique_lock<std::mutex>& lock, std::uint64_t timeout_ms);
    bool idle() const { return running_ == nullptr; }
    // The earliest deadline among waiting threads.
    std::optional<std::uint64_t> next_deadline() const;

    // Stops a thread at once: it never runs program code again. Caller holds the mutex.
    void stop(DeviceThread& thread, DWORD exit_code);
    // Host: stops every thread and joins them all.
    void stop_all(std::unique_lock<std::mutex>& lock);

    DeviceThread* find(DWORD id) const;
    const std::vector<std::unique_ptr<DeviceThread>>& threads() const { return threads_; }
    bool all_finished() const;

    // The device thread the caller runs on, or null on a host thread.
    static DeviceThread* current();

    // Called on the exiting thread, holding the mutex, after its body has ended.
    std::vector<std::function<void(DeviceThread&)>> exit_hooks;
    // Called when a waiting thread is stopped, so that subsystems withdraw what it left pending.
    std::vector<std::function<void(DeviceThread&)>> stop_hooks;

private:
    void run(DeviceThread& thread);
    bool can_run(const DeviceThread& thread) const;
    // Picks the next thread to run after `after` and makes it the running one; null when
    // none can run (the device is idle).
    DeviceThread* choose_next(const DeviceThread* after);

    Device& device_;
    Clock& clock_;
    std::mutex mutex_;
    std::condition_variable idle_changed_;
    std::vector<std::unique_ptr<DeviceThread>> threads_;
    DeviceThread* running_ = nullptr;
    const DeviceThread* last_ran_ = nullptr;
    DWORD next_id_ = 0x100;
};

}  // namespace emu
