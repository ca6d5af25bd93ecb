#pragma once
#include <condition_variable>
#include <mutex>

namespace emu {

// Where a device thread waits to be given the CPU: a binary semaphore. Not
// std::binary_semaphore, whose wait the web build's C++ library implements by polling,
// which would keep an idle device busy; a condition variable sleeps on every platform.
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
