#include "device/StatusReports.h"

namespace emu {

namespace {

// The program memory of the emulated device and the address space of one process slot.
constexpr DWORD kProgramMemoryBytes = 16 * 1024 * 1024;
constexpr DWORD kProcessSlotBytes = 32 * 1024 * 1024;

DWORD in_use(DWORD total, DWORD load_percent) {
    return static_cast<DWORD>(static_cast<unsigned long long>(total) * load_percent / 100);
}

BYTE battery_flag(const DeviceSettings& settings) {
    const auto percent = settings.battery_percent;
    if (percent == BATTERY_PERCENTAGE_UNKNOWN) return BATTERY_FLAG_UNKNOWN;
    BYTE flag = percent > 66 ? BATTERY_FLAG_HIGH : percent < 5 ? BATTERY_FLAG_CRITICAL : percent < 33 ? BATTERY_FLAG_LOW : 0;
    if (settings.ac_line == AcLine::Online && percent < 100) flag |= BATTERY_FLAG_CHARGING;
    return flag;
}

}  // namespace

// The main battery as the settings say; the backup battery is always full. The device
// keeps no discharge history, so it cannot estimate lifetimes.
SYSTEM_POWER_STATUS_EX power_status(const DeviceSettings& settings) {
    SYSTEM_POWER_STATUS_EX status = {};
    status.ACLineStatus = static_cast<BYTE>(settings.ac_line);
    status.BatteryFlag = battery_flag(settings);
    status.BatteryLifePercent = settings.battery_percent;
    status.BatteryLifeTime = BATTERY_LIFE_UNKNOWN;
    status.BatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
    status.BackupBatteryFlag = BATTERY_FLAG_HIGH;
    status.BackupBatteryLifePercent = 100;
    status.BackupBatteryLifeTime = BATTERY_LIFE_UNKNOWN;
    status.BackupBatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
    return status;
}

MEMORYSTATUS memory_status(const DeviceSettings& settings) {
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    status.dwMemoryLoad = settings.memory_load;
    status.dwTotalPhys = kProgramMemoryBytes;
    status.dwAvailPhys = kProgramMemoryBytes - in_use(kProgramMemoryBytes, settings.memory_load);
    status.dwTotalVirtual = kProcessSlotBytes;
    status.dwAvailVirtual = kProcessSlotBytes - in_use(kProgramMemoryBytes, settings.memory_load);
    return status;
}

}  // namespace emu
