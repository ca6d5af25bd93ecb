#include <windows.h>

#include "device/DeviceStatus.h"
#include "device/StatusReports.h"

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
