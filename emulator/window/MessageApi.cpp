// Sending, posting and the message loop.
#include "window/ApiSupport.h"

using namespace emu;

extern "C" {

LRESULT WINAPI SendMessageW(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
    auto window = window_of(handle);
    return window ? window_manager()->send(*window, message, wparam, lparam) : 0;
}

BOOL WINAPI PostMessageW(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
    auto manager = window_manager();
    if (!manager) return FALSE;
    DeviceThread* thread = Scheduler::current();
    if (handle) {
        auto window = window_of(handle);
        if (!window) return FALSE;
        thread = window->thread;
    }
    if (!thread) return FALSE;
    manager->post(*thread, MSG{handle, message, wparam, lparam, GetTickCount()});
    return TRUE;
}

void WINAPI PostQuitMessage(int exit_code) {
    auto manager = window_manager();
    auto self = Scheduler::current();
    if (!manager || !self) return;
    auto& queue = manager->queue(*self);
    queue.quit = true;
    queue.quit_code = exit_code;
}

BOOL WINAPI GetMessageW(LPMSG message, HWND filter, UINT first, UINT last) {
    auto manager = window_manager();
    auto self = Scheduler::current();
    if (!manager || !self || !message) return -1;
    while (!manager->take_message(*self, *message, filter, first, last, true))
        self->device.scheduler.wait([&] { return manager->has_work(*self); });
    return message->message != WM_QUIT;
}

BOOL WINAPI PeekMessageW(LPMSG message, HWND filter, UINT first, UINT last, UINT remove) {
    auto manager = window_manager();
    auto self = Scheduler::current();
    if (!manager || !self || !message) return FALSE;
    return manager->take_message(*self, *message, filter, first, last, (remove & PM_REMOVE) != 0);
}

BOOL WINAPI TranslateMessage(const MSG*) { return FALSE; }

LRESULT WINAPI DispatchMessageW(const MSG* message) {
    if (!message || !message->hwnd) return 0;
    auto window = window_of(message->hwnd);
    if (!window) return 0;
    return window_manager()->call(*window, message->message, message->wParam, message->lParam);
}

LRESULT WINAPI DefWindowProcW(HWND handle, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(handle, &ps);
        EndPaint(handle, &ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        auto window = window_of(handle);
        if (!window || !window->window_class->background) return 0;
        RECT client = window->client_rect();
        FillRect(reinterpret_cast<HDC>(wparam), &client, window->window_class->background);
        return 1;
    }
    case WM_CLOSE: DestroyWindow(handle); return 0;
    default: return 0;
    }
}

}  // extern "C"
