#pragma once
#include <mutex>
#include <string>
#include <vector>

#include "device/DeviceSettings.h"
#include "kernel/EventLog.h"

namespace emu {

class Device;

// The device's power, memory, object-store, maker and language status. It starts from the
// image's settings file and follows the host's changes (the test driver, the headless
// script, the desktop panel), which take effect at the program's next query. Safe to use
// from any thread; every change is logged as "device-status".
class DeviceStatus {
public:
    explicit DeviceStatus(Device& device);

    // The settings file's problem, or "" when it was read (or absent). After a problem the
    // defaults stand, so a device can still run; the boot decides whether to go on.
    const std::string& settings_error() const { return settings_error_; }

    DeviceSettings current() const;

    // The setters refuse (false, nothing changed) a value the platform cannot report.
    bool set_battery(int percent);  // 0 to 100, or BATTERY_PERCENTAGE_UNKNOWN
    void set_ac_line(AcLine line);
    bool set_memory_load(int percent);  // 0 to 100
    bool set_store(DWORD size, DWORD free);  // free no larger than size
    void set_oem_info(std::wstring text);
    void set_language(LANGID language);

private:
    template <class Change>
    void update(Change change, std::vector<EventField> logged);

    Device& device_;
    mutable std::mutex mutex_;
    DeviceSettings settings_;
    std::string settings_error_;
};

}  // namespace emu

namespace emu {

// The status of the calling thread's device, or null when it has none (no device bound,
// or a device assembled without this subsystem).
DeviceStatus* current_device_status();

}  // namespace emu
