// Forced ahead of every source of the Windows build (-include): what Windows CE's
// <windows.h> declares and desktop Win32's lacks, over mingw-w64's own <windows.h>.
#pragma once
#include <windows.h>

// The application keys of a Pocket PC.
#define VK_APP1 0xC1
#define VK_APP2 0xC2
#define VK_APP3 0xC3
#define VK_APP4 0xC4
#define VK_APP5 0xC5
#define VK_APP6 0xC6

// The device's OEM text (SystemParametersInfo; cecompat/SystemParameters.cpp answers it).
#define SPI_GETOEMINFO 258

typedef struct _SYSTEM_POWER_STATUS_EX {
    BYTE ACLineStatus;
    BYTE BatteryFlag;
    BYTE BatteryLifePercent;
    BYTE Reserved1;
    DWORD BatteryLifeTime;
    DWORD BatteryFullLifeTime;
    BYTE Reserved2;
    BYTE BackupBatteryFlag;
    BYTE BackupBatteryLifePercent;
    BYTE Reserved3;
    DWORD BackupBatteryLifeTime;
    DWORD BackupBatteryFullLifeTime;
} SYSTEM_POWER_STATUS_EX, *PSYSTEM_POWER_STATUS_EX, *LPSYSTEM_POWER_STATUS_EX;

#ifdef __cplusplus
extern "C" {
#endif

BOOL WINAPI GetSystemPowerStatusEx(PSYSTEM_POWER_STATUS_EX pstatus, BOOL fUpdate);
// Replaces the existing file lpszDestFile by lpszSourceFile in one step.
BOOL WINAPI DeleteAndRenameFile(LPCWSTR lpszDestFile, LPCWSTR lpszSourceFile);

#ifdef __cplusplus
}

// Windows CE names exports in wide text.
FARPROC WINAPI GetProcAddressW(HMODULE hModule, LPCWSTR lpProcName);
inline FARPROC GetProcAddress(HMODULE hModule, LPCWSTR lpProcName) { return GetProcAddressW(hModule, lpProcName); }
#endif

// Windows CE's entry function takes its command line in wide text, as desktop Win32's
// wWinMain does (the build links with -municode, whose start-up code calls wWinMain).
#define WinMain wWinMain
