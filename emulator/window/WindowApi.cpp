// Window classes and windows.
#include <algorithm>

#include "window/ApiSupport.h"

using namespace emu;

extern "C" {

ATOM WINAPI RegisterClassW(const WNDCLASSW* wc) {
    auto manager = window_manager();
    return manager && wc ? manager->register_class(*wc) : 0;
}

BOOL WINAPI UnregisterClassW(LPCWSTR name, HINSTANCE) {
    auto manager = window_manager();
    return manager && name && manager->unregister_class(name);
}

HWND WINAPI CreateWindowExW(DWORD ex_style, LPCWSTR class_name, LPCWSTR title, DWORD style, int x, int y, int width,
                            int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    auto manager = window_manager();
    if (!manager || !class_name || !Scheduler::current()) return nullptr;
    CREATESTRUCTW cs{param, instance, menu, parent, height, width, y, x, static_cast<LONG>(style), title, class_name,
                     ex_style};
    return manager->create(cs, class_name);
}

BOOL WINAPI DestroyWindow(HWND handle) {
    auto window = window_of(handle);
    return window && window_manager()->destroy(*window);
}

BOOL WINAPI ShowWindow(HWND handle, int command) {
    auto window = window_of(handle);
    return window && window_manager()->show(*window, command);
}

// Windows CE ignores the repaint flag: what a move exposes is always painted.
BOOL WINAPI MoveWindow(HWND handle, int x, int y, int width, int height, BOOL) {
    auto window = window_of(handle);
    if (!window) return FALSE;
    window_manager()->move(*window, RECT{x, y, x + width, y + height}, 0);
    return TRUE;
}

BOOL WINAPI SetWindowPos(HWND handle, HWND insert_after, int x, int y, int cx, int cy, UINT flags) {
    auto window = window_of(handle);
    if (!window) return FALSE;
    auto manager = window_manager();
    RECT rect = window->rect;
    if (!(flags & SWP_NOMOVE)) rect = {x, y, x + (rect.right - rect.left), y + (rect.bottom - rect.top)};
    if (!(flags & SWP_NOSIZE)) rect.right = rect.left + cx, rect.bottom = rect.top + cy;
    manager->move(*window, rect, flags & (SWP_NOCOPYBITS | SWP_NOREDRAW));
    if (!(flags & SWP_NOZORDER) && (insert_after == HWND_TOP || insert_after == HWND_TOPMOST))
        manager->raise(*window, insert_after == HWND_TOPMOST);
    if (flags & SWP_SHOWWINDOW) manager->show(*window, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW) manager->show(*window, SW_HIDE);
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND handle, LPRECT rect) {
    auto window = window_of(handle);
    if (!window || !rect) return FALSE;
    *rect = window_manager()->screen_rect(*window);
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND handle, LPRECT rect) {
    auto window = window_of(handle);
    if (!window || !rect) return FALSE;
    *rect = window->client_rect();
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND handle, LPPOINT point) {
    auto window = window_of(handle);
    if (!window || !point) return FALSE;
    auto origin = window_manager()->client_origin(*window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND handle, LPPOINT point) {
    auto window = window_of(handle);
    if (!window || !point) return FALSE;
    auto origin = window_manager()->client_origin(*window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

HWND WINAPI GetParent(HWND handle) {
    auto window = window_of(handle);
    return window && window->parent ? window->parent->handle : nullptr;
}

HWND WINAPI FindWindowW(LPCWSTR class_name, LPCWSTR title) {
    auto manager = window_manager();
    auto found = manager ? manager->find_top_level(class_name, title) : nullptr;
    return found ? found->handle : nullptr;
}

int WINAPI GetWindowTextW(HWND handle, LPWSTR text, int size) {
    auto window = window_of(handle);
    if (!window || !text || size <= 0) return 0;
    auto count = std::min<std::size_t>(window->title.size(), static_cast<std::size_t>(size - 1));
    window->title.copy(text, count);
    text[count] = L'\0';
    return static_cast<int>(count);
}

BOOL WINAPI SetWindowTextW(HWND handle, LPCWSTR text) {
    auto window = window_of(handle);
    if (!window) return FALSE;
    window->title = text ? text : L"";
    return TRUE;
}

BOOL WINAPI IsWindow(HWND handle) {
    auto manager = window_manager();
    return manager && manager->window(handle) != nullptr;
}

BOOL WINAPI IsWindowVisible(HWND handle) {
    auto manager = window_manager();
    auto window = manager ? manager->window(handle) : nullptr;
    return window && manager->shown(*window);
}

BOOL WINAPI SetForegroundWindow(HWND handle) {
    auto window = window_of(handle);
    if (!window) return FALSE;
    window_manager()->set_foreground(window);
    return TRUE;
}

HWND WINAPI GetForegroundWindow(void) {
    auto manager = window_manager();
    auto window = manager ? manager->foreground() : nullptr;
    return window ? window->handle : nullptr;
}

HWND WINAPI SetFocus(HWND handle) {
    auto manager = window_manager();
    if (!manager) return nullptr;
    return manager->set_focus(handle ? window_of(handle) : nullptr);
}

HWND WINAPI GetFocus(void) {
    auto manager = window_manager();
    auto window = manager ? manager->focus() : nullptr;
    return window ? window->handle : nullptr;
}

HWND WINAPI SetCapture(HWND handle) {
    auto window = window_of(handle);
    return window ? window_manager()->set_capture(window) : nullptr;
}

BOOL WINAPI ReleaseCapture(void) {
    auto manager = window_manager();
    if (!manager) return FALSE;
    manager->set_capture(nullptr);
    return TRUE;
}

HWND WINAPI GetCapture(void) {
    auto manager = window_manager();
    auto window = manager ? manager->capture() : nullptr;
    return window ? window->handle : nullptr;
}

HWND WINAPI WindowFromPoint(POINT point) {
    auto manager = window_manager();
    auto window = manager ? manager->hit_test(point) : nullptr;
    return window ? window->handle : nullptr;
}

DWORD WINAPI GetWindowThreadProcessId(HWND handle, LPDWORD process_id) {
    auto window = window_of(handle);
    if (!window || !window->thread) return 0;
    if (process_id) *process_id = window->thread->process ? window->thread->process->id : 0;
    return window->thread->id;
}

int WINAPI GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN: return WindowManager::kScreenWidth;
    case SM_CYSCREEN: return WindowManager::kScreenHeight;
    default: return 0;
    }
}

}  // extern "C"
