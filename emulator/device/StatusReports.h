#pragma once
#include <windows.h>

#include "device/DeviceSettings.h"

namespace emu {

// What the power driver and the memory manager report for these settings.
SYSTEM_POWER_STATUS_EX power_status(const DeviceSettings& settings);
MEMORYSTATUS memory_status(const DeviceSettings& settings);

}  // namespace emu
