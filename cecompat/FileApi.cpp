// Windows CE's file calls that desktop Win32 lacks or names differently.
#include <windows.h>

#include <string>

// The destination must exist, as on Windows CE; the replacement is one rename.
extern "C" BOOL WINAPI DeleteAndRenameFile(LPCWSTR lpszDestFile, LPCWSTR lpszSourceFile) {
    if (!lpszDestFile || !lpszSourceFile) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (GetFileAttributesW(lpszDestFile) == INVALID_FILE_ATTRIBUTES) return FALSE;
    return MoveFileExW(lpszSourceFile, lpszDestFile, MOVEFILE_REPLACE_EXISTING);
}

// Export names are plain ASCII, so the narrow look-up finds the same export.
FARPROC WINAPI GetProcAddressW(HMODULE hModule, LPCWSTR lpProcName) {
    if (!lpProcName) return nullptr;
    std::string name;
    for (const WCHAR* c = lpProcName; *c; ++c) {
        if (*c > 0x7F) {
            SetLastError(ERROR_PROC_NOT_FOUND);
            return nullptr;
        }
        name += static_cast<char>(*c);
    }
    return GetProcAddress(hModule, name.c_str());
}
