#include <windows.h>

#include "device/DeviceStatus.h"

namespace emu {

namespace {

// The device has one language, so the system and user defaults agree.
LANGID default_language() {
    const auto status = current_device_status();
    return status ? status->current().language : DeviceSettings().language;
}

}  // namespace

}  // namespace emu

LANGID WINAPI GetSystemDefaultLangID(void) { return emu::default_language(); }

LANGID WINAPI GetUserDefaultLangID(void) { return emu::default_language(); }
