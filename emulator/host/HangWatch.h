#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace emu {

// Catches a device that does not come back: virtual time stands still while a device
// thread spins, so only the host's clock can tell. Between begin() and end() the caller
// has `limit` of host time; when it runs out, `on_hang` runs on the watch's own thread and
// the process ends with status 1, since a spinning device thread can be neither stopped
// nor waited for.
class HangWatch {
public:
    HangWatch(std::chrono::milliseconds limit, std::function<void()> on_hang);
    ~HangWatch();
    HangWatch(const HangWatch&) = delete;
    HangWatch& operator=(const HangWatch&) = delete;

    void begin();
    void end();

private:
    void watch();

    const std::chrono::milliseconds limit_;
    const std::function<void()> on_hang_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::chrono::steady_clock::time_point> deadline_;
    bool quit_ = false;
    std::thread thread_;
};

}  // namespace emu
