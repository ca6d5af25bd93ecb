// What Windows CE declares for the device and desktop Win32 lacks: the application keys,
// the device's OEM text, the battery report with the backup battery, and replacing a file
// in one step. The kernel, file and USER headers include it where Windows CE declares
// these; the Windows build of the program, over desktop Win32, includes it alone.
#pragma once
#include <windef.h>

#ifdef __cplusplus
extern "C" {
#endif

// The application keys of a Pocket PC.
#define VK_APP1 0xC1
#define VK_APP2 0xC2
#define VK_APP3 0xC3
#define VK_APP4 0xC4
#define VK_APP5 0xC5
#define VK_APP6 0xC6

// The device's OEM text, through SystemParametersInfo.
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

BOOL WINAPI GetSystemPowerStatusEx(PSYSTEM_POWER_STATUS_EX pstatus, BOOL fUpdate);

// Replaces the existing file lpszDestFile by lpszSourceFile in one step; on failure both stay as they were.
BOOL WINAPI DeleteAndRenameFile(LPCWSTR lpszDestFile, LPCWSTR lpszSourceFile);

#ifdef __cplusplus
}
#endif
