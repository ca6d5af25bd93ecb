// Any settings file either gives settings the platform can report, or is refused naming
// the file and leaves the settings as they were.
#include <cstdint>
#include <string>

#include "device/DeviceSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const emu::DeviceSettings defaults;
    emu::DeviceSettings settings;
    std::string error;
    if (!emu::parse_device_settings({reinterpret_cast<const char*>(data), size}, settings, error)) {
        if (error.rfind("settings.ini", 0) != 0) __builtin_trap();
        if (settings.battery_percent != defaults.battery_percent || settings.oem_info != defaults.oem_info ||
            settings.store_size != defaults.store_size || settings.language != defaults.language)
            __builtin_trap();
        return 0;
    }
    if ((settings.battery_percent > 100 && settings.battery_percent != BATTERY_PERCENTAGE_UNKNOWN) ||
        settings.memory_load > 100 || settings.store_free > settings.store_size)
        __builtin_trap();
    return 0;
}
