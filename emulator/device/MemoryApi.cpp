#include <windows.h>
#include <projects.h>

#include "device/DeviceStatus.h"

namespace emu {

namespace {

// The program memory of the emulated device and the address space of one process slot.
constexpr DWORD kProgramMemoryBytes = 16 * 1024 * 1024;
constexpr DWORD kProcessSlotBytes = 32 * 1024 * 1024;

DWORD in_use(DWORD total, DWORD load_percent) {
    return static_cast<DWORD>(static_cast<unsigned long long>(total) * load_percent / 100);
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

}  // namespace

}  // namespace emu

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
