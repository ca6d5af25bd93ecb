// The registry's Win32 entry points, over the calling device's Registry.
#include <winerror.h>
#include <winreg.h>

#include "kernel/Device.h"
#include "registry/Registry.h"

namespace {

emu::Registry* device_registry() {
    auto device = emu::current_device();
    return device ? device->registry.get() : nullptr;
}

std::wstring_view text(LPCWSTR s) { return s ? std::wstring_view(s) : std::wstring_view(); }

}  // namespace

extern "C" {

LONG WINAPI RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES,
                            PHKEY phkResult, LPDWORD lpdwDisposition) {
    auto registry = device_registry();
    return registry ? registry->create_key(hKey, text(lpSubKey), phkResult, lpdwDisposition) : ERROR_NOT_READY;
}

LONG WINAPI RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult) {
    auto registry = device_registry();
    return registry ? registry->open_key(hKey, text(lpSubKey), phkResult) : ERROR_NOT_READY;
}

LONG WINAPI RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData,
                             LPDWORD lpcbData) {
    auto registry = device_registry();
    return registry ? registry->query_value(hKey, text(lpValueName), lpType, lpData, lpcbData) : ERROR_NOT_READY;
}

LONG WINAPI RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData) {
    auto registry = device_registry();
    return registry ? registry->set_value(hKey, text(lpValueName), dwType, lpData, cbData) : ERROR_NOT_READY;
}

LONG WINAPI RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName) {
    auto registry = device_registry();
    return registry ? registry->delete_value(hKey, text(lpValueName)) : ERROR_NOT_READY;
}

LONG WINAPI RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey) {
    auto registry = device_registry();
    if (!lpSubKey) return ERROR_INVALID_PARAMETER;
    return registry ? registry->delete_key(hKey, lpSubKey) : ERROR_NOT_READY;
}

LONG WINAPI RegCloseKey(HKEY hKey) {
    auto registry = device_registry();
    return registry ? registry->close_key(hKey) : ERROR_NOT_READY;
}

}  // extern "C"
