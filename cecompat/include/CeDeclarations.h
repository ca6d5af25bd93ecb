// Forced ahead of every source of the Windows build (-include): what Windows CE's
// <windows.h> declares and desktop Win32's lacks, over mingw-w64's own <windows.h>.
#pragma once
#include <windows.h>

#include <cedevice.h>

#ifdef __cplusplus
// Windows CE names exports in wide text.
FARPROC WINAPI GetProcAddressW(HMODULE hModule, LPCWSTR lpProcName);
inline FARPROC GetProcAddress(HMODULE hModule, LPCWSTR lpProcName) { return GetProcAddressW(hModule, lpProcName); }
#endif

// Windows CE's entry function takes its command line in wide text, as desktop Win32's
// wWinMain does (the build links with -municode, whose start-up code calls wWinMain).
#define WinMain wWinMain
