#pragma once
#include <condition_variable>
#include <mutex>

namespace emu::web {

// Whether the page's device has ended: the device's thread says so once its folder is
// complete, and the page's main thread may wait for it when the page goes away.
class DeviceEnd {
public:
    void announce();
    void wait();

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
};

DeviceEnd& device_end();

}  // namespace emu::web
