#include <windows.h>
#include <projects.h>

#include "device/DeviceStatus.h"
#include "device/StatusReports.h"

// Without a device the program sees an empty status rather than stale stack contents.
void WINAPI GlobalMemoryStatus(LPMEMORYSTATUS lpBuffer) {
    if (!lpBuffer) return;
    const auto status = emu::current_device_status();
    if (status) {
        *lpBuffer = emu::memory_status(status->current());
    } else {
        *lpBuffer = MEMORYSTATUS{};
        lpBuffer->dwLength = sizeof(MEMORYSTATUS);
    }
}

BOOL WINAPI GetStoreInformation(LPSTORE_INFORMATION lpsi) {
    const auto status = emu::current_device_status();
    if (!lpsi || !status) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto settings = status->current();
    lpsi->dwStoreSize = settings.store_size;
    lpsi->dwFreeSize = settings.store_free;
    return TRUE;
}
