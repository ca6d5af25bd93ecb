// The device path of a module: of the calling process's executable for a null handle.
#include <algorithm>

#include <windows.h>

#include "kernel/Device.h"

using namespace emu;

extern "C" DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
    auto device = current_device();
    auto thread = Scheduler::current();
    const Module* module = nullptr;
    if (device) module = hModule ? device->module_of(reinterpret_cast<HINSTANCE>(hModule))
                                 : (thread && thread->process ? thread->process->module : nullptr);
    if (!module || !lpFilename || nSize == 0) {
        SetLastError(module ? ERROR_INSUFFICIENT_BUFFER : ERROR_MOD_NOT_FOUND);
        return 0;
    }
    // A path that does not fit is cut to the buffer, as the platform does.
    auto count = std::min<std::size_t>(module->path.size(), nSize - 1);
    module->path.copy(lpFilename, count);
    lpFilename[count] = L'\0';
    return static_cast<DWORD>(count);
}
