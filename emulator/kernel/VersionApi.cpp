// The system's version: the device is a Windows CE 3.0 one, so that a program can tell the
// platform's rules apart where Windows CE differs from desktop Windows.
#include <windows.h>

extern "C" BOOL WINAPI GetVersionExW(LPOSVERSIONINFOW info) {
    if (!info || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOW)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->dwMajorVersion = 3;
    info->dwMinorVersion = 0;
    info->dwBuildNumber = 9348;
    info->dwPlatformId = VER_PLATFORM_WIN32_CE;
    info->szCSDVersion[0] = L'\0';
    return TRUE;
}
