#include "apps/RegistryValues.h"

#include <wchar.h>

#include <vector>

HKEY OpenOrCreateKey(HKEY root, const WCHAR* path) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyEx(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

bool ReadTextValue(HKEY key, const WCHAR* name, std::wstring& text) {
    DWORD type = 0, size = 0;
    if (RegQueryValueEx(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    // One character more than the value, so the text ends even if the value lacks its terminator.
    std::vector<WCHAR> buffer(size / sizeof(WCHAR) + 1, 0);
    if (RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
        return false;
    text = buffer.data();
    return true;
}

bool WriteDefaultText(HKEY key, const WCHAR* text) {
    auto size = static_cast<DWORD>((wcslen(text) + 1) * sizeof(WCHAR));
    return RegSetValueEx(key, L"", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size) == ERROR_SUCCESS;
}

WCHAR* NewTextBuffer(const std::wstring& text, size_t room) {
    WCHAR* buffer = new WCHAR[room]();
    text.copy(buffer, room - 1);
    return buffer;
}
