#include "host/RealTimeWaker.h"

#include <chrono>
#include <mutex>

#include "kernel/Device.h"

namespace emu {

RealTimeWaker::RealTimeWaker(Device& device) : device_(device), thread_([this] { run(); }) {}

RealTimeWaker::~RealTimeWaker() {
    {
        std::lock_guard lock(device_.scheduler.mutex());
        stopping_ = true;
        changed_.notify_one();
    }
    thread_.join();
}

void RealTimeWaker::run() {
    auto& scheduler = device_.scheduler;
    std::unique_lock lock(scheduler.mutex());
    while (!stopping_) {
        auto deadline = scheduler.next_deadline();
        auto now = device_.clock.now_ms();
        if (!deadline) {
            changed_.wait(lock);
        } else if (now < *deadline) {
            changed_.wait_for(lock, std::chrono::milliseconds(*deadline - now));
        } else {
            scheduler.wait_idle(lock);
            if (listener_) listener_();
        }
    }
}

}  // namespace emu
