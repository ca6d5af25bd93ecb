#pragma once
#include <condition_variable>
#include <mutex>

namespace emu {

// A one-slot signal a device thread sleeps on until it is handed the CPU. It sleeps in the
// kernel at once: std::binary_semaphore first spins and calls sched_yield, and on a busy
// host a yielding thread queues behind other programs' time slices, so that a hand-over
// between two device threads (a send to another thread's window) took milliseconds instead
// of microseconds. A sleeping thread is woken ahead of them.
class WakeSignal {
public:
    void release() {
        {
            std::lock_guard lock(mutex_);
            signalled_ = true;
        }
        changed_.notify_one();
    }

    void acquire() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return signalled_; });
        signalled_ = false;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool signalled_ = false;
};

}  // namespace emu
