#include <windows.h>

#include "device/DeviceStatus.h"

namespace emu {

namespace {

BYTE battery_flag(const DeviceSettings& settings) {
    const auto percent = settings.battery_percent;
    if (percent == BATTERY_PERCENTAGE_UNKNOWN) return BATTERY_FLAG_UNKNOWN;
    BYTE flag = percent > 66 ? BATTERY_FLAG_HIGH : percent < 5 ? BATTERY_FLAG_CRITICAL : percent < 33 ? BATTERY_FLAG_LOW : 0;
    if (settings.ac_line == AcLine::Online && percent < 100) flag |= BATTERY_FLAG_CHARGING;
    return flag;
}

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

}  // namespace

}  // namespace emu

// The emulated driver always answers with the current status, so fUpdate changes nothing.
BOOL WINAPI GetSystemPowerStatusEx(PSYSTEM_POWER_STATUS_EX pstatus, BOOL /*fUpdate*/) {
    const auto status = emu::current_device_status();
    if (!pstatus || !status) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *pstatus = emu::power_status(status->current());
    return TRUE;
}
