// The exports of ppcutil.dll: DWORD values of the registry in one call each.
#include <winreg.h>

#include "library/PpcUtil.h"

namespace {

// Gives non-zero when the value exists as a DWORD and was stored at `data`.
BOOL WINAPI ReadREGDW(HKEY root, LPCWSTR sub_key, LPCWSTR value_name, DWORD* data) {
    HKEY key = nullptr;
    if (!data || RegOpenKeyExW(root, sub_key, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return FALSE;
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG result = RegQueryValueExW(key, value_name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return FALSE;
    *data = value;
    return TRUE;
}

// Creates the key when needed; gives non-zero when the value was written.
BOOL WINAPI WriteREGDW(HKEY root, LPCWSTR sub_key, LPCWSTR value_name, DWORD value) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(root, sub_key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return FALSE;
    LONG result = RegSetValueExW(key, value_name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

}  // namespace

namespace emu {

LibraryDefinition ppcutil_library() {
    return {L"\\Windows\\ppcutil.dll",
            {{L"ReadREGDW", as_export(&ReadREGDW)}, {L"WriteREGDW", as_export(&WriteREGDW)}}};
}

}  // namespace emu
