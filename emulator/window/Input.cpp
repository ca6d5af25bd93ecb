// Stylus and key input from the host, routed to the window that takes it.
#include "kernel/Device.h"
#include "window/WindowManager.h"

namespace emu {

namespace {

bool disabled(const Window* window) {
    for (; window; window = window->parent)
        if (window->style & WS_DISABLED) return true;
    return false;
}

}  // namespace

// A tap on a disabled window, or inside one, is dropped.
void WindowManager::stylus(UINT message, POINT screen) {
    stylus_position_ = screen;
    if (!accepts_input) return;
    Window* target = capture();
    if (!target) target = hit_test(screen);
    if (!target && message == WM_LBUTTONDOWN && desktop_pressed) return desktop_pressed(screen);
    if (!target || !target->thread || disabled(target)) return;
    if (message == WM_LBUTTONDOWN && !capture()) set_foreground(target);
    POINT origin = client_origin(*target);
    auto x = static_cast<WORD>(screen.x - origin.x);
    auto y = static_cast<WORD>(screen.y - origin.y);
    WPARAM buttons = message == WM_LBUTTONUP ? 0 : 1;  // MK_LBUTTON while the stylus is down
    queue(*target->thread)
        .input.push_back(MSG{target->handle, message, buttons, MAKELPARAM(x, y),
                             static_cast<DWORD>(device_.clock.now_ms()), screen});
}

Window* WindowManager::key_target() const {
    Window* target = focus();
    if (!target) target = foreground();
    return target && target->thread ? target : nullptr;
}

void WindowManager::key(UINT virtual_key, bool down) {
    if (key_filter && key_filter(virtual_key, down)) return;
    if (!accepts_input) return;
    Window* target = key_target();
    if (!target) return;
    LPARAM flags = down ? 1 : static_cast<LPARAM>(0xC0000001u);
    queue(*target->thread)
        .input.push_back(MSG{target->handle, static_cast<UINT>(down ? WM_KEYDOWN : WM_KEYUP), virtual_key, flags,
                             static_cast<DWORD>(device_.clock.now_ms())});
}

}  // namespace emu
