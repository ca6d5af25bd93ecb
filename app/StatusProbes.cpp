#include "app/StatusProbes.h"

#include <windows.h>
#include <projects.h>
#include <wchar.h>

#include "app/ApplicationState.h"

namespace {

const WCHAR kIpaqPrefix[] = L"Compaq iPAQ";
const size_t kIpaqPrefixLength = 11;

// The used share of the store in whole percent, truncated. A store reported without size,
// or with more free bytes than its size, counts as unused rather than dividing by zero or
// leaving the gauge's range.
int StorageUsedPercent(const STORE_INFORMATION& store) {
    if (store.dwStoreSize == 0 || store.dwFreeSize > store.dwStoreSize) return 0;
    double total = (double)store.dwStoreSize;
    double free = (double)store.dwFreeSize;
    double usedShare = (total - free) / total;
    return (int)(usedShare * 100.0);
}

}  // namespace

void ProbePower() {
    SYSTEM_POWER_STATUS_EX status = {};
    if (!GetSystemPowerStatusEx(&status, TRUE)) {
        status.ACLineStatus = AC_LINE_UNKNOWN;
        status.BatteryLifePercent = BATTERY_PERCENTAGE_UNKNOWN;
    }
    appState.acLineStatus = (unsigned)status.ACLineStatus;
    appState.batteryPercent = (unsigned)status.BatteryLifePercent;
}

int ProbeMemoryAndStorage() {
    MEMORYSTATUS memory = {};
    memory.dwLength = sizeof(memory);
    GlobalMemoryStatus(&memory);
    appState.memoryLoad = (int)memory.dwMemoryLoad;

    STORE_INFORMATION store = {};
    if (!GetStoreInformation(&store)) store = STORE_INFORMATION{};
    appState.storageUsed = StorageUsedPercent(store);
    return appState.storageUsed;
}

void TestDeviceModel() {
    WCHAR oemInfo[128] = {};
    if (!SystemParametersInfo(SPI_GETOEMINFO, sizeof(oemInfo), oemInfo, 0)) oemInfo[0] = L'\0';
    appState.ipaq = _wcsnicmp(oemInfo, kIpaqPrefix, kIpaqPrefixLength) == 0 ? 1 : 0;
}
