#pragma once
#include <windows.h>

namespace emu {

// Registers a class of the shell's own windows for the calling process. Each process that
// shows such a window registers it once; a second call finds it there and succeeds.
inline bool register_shell_class(const WCHAR* name, WNDPROC procedure, HBRUSH background = nullptr) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace emu
