// The device's power, memory and object store, as the image's settings.ini gives them
// (emulator/device/StatusReports.cpp computes the reports from the settings on both sides).
#include <windows.h>
#include <projects.h>

#include <algorithm>

#include "DeviceImage.h"
#include "LinkWraps.h"
#include "device/StatusReports.h"

CECOMPAT_REAL_IMPORT(SystemParametersInfoW);

// The settings are the device's driver, which always answers afresh: fUpdate changes nothing.
extern "C" BOOL WINAPI GetSystemPowerStatusEx(PSYSTEM_POWER_STATUS_EX pstatus, BOOL) {
    if (!pstatus) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *pstatus = emu::power_status(cecompat::device_settings());
    return TRUE;
}

extern "C" BOOL WINAPI GetStoreInformation(LPSTORE_INFORMATION lpsi) {
    if (!lpsi) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto settings = cecompat::device_settings();
    lpsi->dwStoreSize = settings.store_size;
    lpsi->dwFreeSize = settings.store_free;
    return TRUE;
}

namespace {

// Wrapped: desktop Win32 reports the host's memory, the device reports its own.
void WINAPI device_memory_status(LPMEMORYSTATUS lpBuffer) {
    if (lpBuffer) *lpBuffer = emu::memory_status(cecompat::device_settings());
}

// Wrapped: SPI_GETOEMINFO exists only on Windows CE; every other action is desktop Win32's.
BOOL WINAPI device_system_parameters(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni) {
    if (uiAction != SPI_GETOEMINFO) return CECOMPAT_REAL(SystemParametersInfoW)(uiAction, uiParam, pvParam, fWinIni);
    const std::size_t room = uiParam / sizeof(WCHAR);
    if (!pvParam || room == 0) {
        SetLastError(pvParam ? ERROR_INSUFFICIENT_BUFFER : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto oem = cecompat::device_settings().oem_info;
    const auto length = std::min(oem.size(), room - 1);
    auto text = static_cast<WCHAR*>(pvParam);
    oem.copy(text, length);
    text[length] = L'\0';
    return TRUE;
}

}  // namespace

CECOMPAT_WRAP(GlobalMemoryStatus, device_memory_status);
CECOMPAT_WRAP(SystemParametersInfoW, device_system_parameters);
