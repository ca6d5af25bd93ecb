#pragma once
#include <windows.h>

#include "kernel/Device.h"
#include "window/WindowManager.h"

namespace emu {

// The window manager of the calling thread's device, or null.
inline WindowManager* window_manager() {
    auto device = current_device();
    return device ? device->windows.get() : nullptr;
}

// The window a handle names; sets ERROR_INVALID_WINDOW_HANDLE when it names none.
inline Window* window_of(HWND handle) {
    auto manager = window_manager();
    auto window = manager ? manager->window(handle) : nullptr;
    if (!window) SetLastError(refuse_handle(ERROR_INVALID_WINDOW_HANDLE));
    return window;
}

}  // namespace emu
