#include "frontend/web/DeviceEnd.h"

namespace emu::web {

void DeviceEnd::announce() {
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    ended_.notify_all();
}

void DeviceEnd::wait() {
    std::unique_lock lock(mutex_);
    ended_.wait(lock, [this] { return done_; });
}

DeviceEnd& device_end() {
    static DeviceEnd end;
    return end;
}

}  // namespace emu::web
