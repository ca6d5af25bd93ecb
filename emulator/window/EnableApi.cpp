// Enabling and disabling windows: a disabled window, and everything inside it, takes no
// stylus input (a modal box disables its owner so).
#include "window/ApiSupport.h"

using namespace emu;

namespace {

bool inside(const Window* window, const Window& outer) {
    for (; window; window = window->parent)
        if (window == &outer) return true;
    return false;
}

// A window being disabled loses the focus and the capture, its own or its children's.
void take_input_from(WindowManager& manager, Window& window) {
    if (inside(manager.focus(), window)) manager.set_focus(nullptr);
    if (inside(manager.capture(), window)) manager.set_capture(nullptr);
}

}  // namespace

extern "C" {

// Answers whether the window was disabled before.
BOOL WINAPI EnableWindow(HWND handle, BOOL enable) {
    Window* window = window_of(handle);
    if (!window) return FALSE;
    const bool was_disabled = (window->style & WS_DISABLED) != 0;
    if (was_disabled == !enable) return was_disabled;
    if (enable) {
        window->style &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
        window->style |= WS_DISABLED;
        take_input_from(*window_manager(), *window);
    }
    window_manager()->send(*window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return was_disabled;
}

BOOL WINAPI IsWindowEnabled(HWND handle) {
    Window* window = window_of(handle);
    return window && !(window->style & WS_DISABLED);
}

}  // extern "C"
