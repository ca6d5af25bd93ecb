#include "host/HangWatch.h"

#include <cstdlib>

namespace emu {

HangWatch::HangWatch(std::chrono::milliseconds limit, std::function<void()> on_hang)
    : limit_(limit), on_hang_(std::move(on_hang)), thread_([this] { watch(); }) {}

HangWatch::~HangWatch() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void HangWatch::begin() {
    std::lock_guard lock(mutex_);
    deadline_ = std::chrono::steady_clock::now() + limit_;
    changed_.notify_all();
}

void HangWatch::end() {
    std::lock_guard lock(mutex_);
    deadline_.reset();
}

void HangWatch::watch() {
    std::unique_lock lock(mutex_);
    while (!quit_) {
        if (!deadline_) {
            changed_.wait(lock);
            continue;
        }
        auto deadline = *deadline_;
        if (changed_.wait_until(lock, deadline) == std::cv_status::timeout && deadline_ == deadline) {
            lock.unlock();
            on_hang_();
            std::_Exit(1);
        }
    }
}

}  // namespace emu
