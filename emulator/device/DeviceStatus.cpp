#include "device/DeviceStatus.h"

#include "kernel/Device.h"

namespace emu {

DeviceStatus::DeviceStatus(Device& device) : device_(device) {
    load_device_settings(device.image_root, settings_, settings_error_);
}

DeviceSettings DeviceStatus::current() const {
    std::lock_guard lock(mutex_);
    return settings_;
}

// Logs outside the lock: a log listener may read the status back.
template <class Change>
void DeviceStatus::update(Change change, std::vector<EventField> logged) {
    {
        std::lock_guard lock(mutex_);
        change(settings_);
    }
    device_.log.record("device-status", std::move(logged));
}

bool DeviceStatus::set_battery(int percent) {
    if ((percent < 0 || percent > 100) && percent != BATTERY_PERCENTAGE_UNKNOWN) return false;
    update([percent](DeviceSettings& s) { s.battery_percent = static_cast<BYTE>(percent); },
           {{"battery", static_cast<long long>(percent)}});
    return true;
}

void DeviceStatus::set_ac_line(AcLine line) {
    update([line](DeviceSettings& s) { s.ac_line = line; }, {{"ac", static_cast<long long>(line)}});
}

bool DeviceStatus::set_memory_load(int percent) {
    if (percent < 0 || percent > 100) return false;
    update([percent](DeviceSettings& s) { s.memory_load = static_cast<DWORD>(percent); },
           {{"memory", static_cast<long long>(percent)}});
    return true;
}

bool DeviceStatus::set_store(DWORD size, DWORD free) {
    if (free > size) return false;
    update([size, free](DeviceSettings& s) {
        s.store_size = size;
        s.store_free = free;
    }, {{"store_size", static_cast<long long>(size)}, {"store_free", static_cast<long long>(free)}});
    return true;
}

void DeviceStatus::set_oem_info(std::wstring text) {
    const auto logged = utf8(text);
    update([&text](DeviceSettings& s) { s.oem_info = std::move(text); }, {{"oem", logged}});
}

void DeviceStatus::set_language(LANGID language) {
    update([language](DeviceSettings& s) { s.language = language; }, {{"language", static_cast<long long>(language)}});
}

}  // namespace emu

namespace emu {

DeviceStatus* current_device_status() {
    auto device = current_device();
    return device ? device->status.get() : nullptr;
}

}  // namespace emu
