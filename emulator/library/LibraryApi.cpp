// Run-time libraries: loading, export lookup and freeing, over the calling device's table.
#include <winbase.h>

#include "kernel/Device.h"
#include "library/Libraries.h"

using namespace emu;

namespace {

Libraries* device_libraries() {
    auto device = current_device();
    return device ? device->libraries.get() : nullptr;
}

// Sets the last error on failure only, as the platform does.
bool succeeded(DWORD error) {
    if (error != ERROR_SUCCESS) SetLastError(error);
    return error == ERROR_SUCCESS;
}

}  // namespace

extern "C" {

HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName) {
    auto libraries = device_libraries();
    HMODULE module = nullptr;
    if (!libraries || !lpLibFileName)
        succeeded(ERROR_MOD_NOT_FOUND);
    else
        succeeded(libraries->load(lpLibFileName, module));
    return module;
}

FARPROC WINAPI GetProcAddressW(HMODULE hModule, LPCWSTR lpProcName) {
    auto libraries = device_libraries();
    FARPROC function = nullptr;
    if (!libraries || !lpProcName)
        succeeded(ERROR_INVALID_PARAMETER);
    else
        succeeded(libraries->find_export(hModule, lpProcName, function));
    return function;
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
    auto libraries = device_libraries();
    return succeeded(libraries ? libraries->free(hLibModule) : refuse_handle(ERROR_INVALID_HANDLE));
}

}  // extern "C"
