// Device contexts of windows, the paint cycle and update regions.
#include "gdi/Gdi.h"
#include "window/ApiSupport.h"

using namespace emu;

namespace {

Gdi* gdi() {
    auto device = current_device();
    return device ? device->gdi.get() : nullptr;
}

}  // namespace

extern "C" {

HDC WINAPI GetDC(HWND handle) {
    auto manager = window_manager();
    if (!manager || !gdi()) return nullptr;
    if (!handle) {
        Region screen(RECT{0, 0, WindowManager::kScreenWidth, WindowManager::kScreenHeight});
        return gdi()->create_screen_dc(POINT{0, 0}, screen);
    }
    auto window = window_of(handle);
    if (!window) return nullptr;
    return gdi()->create_screen_dc(manager->client_origin(*window), manager->visible_region(*window));
}

int WINAPI ReleaseDC(HWND, HDC dc) { return gdi() && gdi()->release_dc(dc) ? 1 : 0; }

HDC WINAPI BeginPaint(HWND handle, LPPAINTSTRUCT ps) {
    auto window = window_of(handle);
    if (!window || !ps || !gdi()) return nullptr;
    auto manager = window_manager();
    POINT origin = manager->client_origin(*window);
    Region update = window->update;
    update.offset(origin.x, origin.y);
    Region clip = manager->visible_region(*window);
    clip.intersect(update);
    *ps = PAINTSTRUCT{};
    ps->hdc = gdi()->create_screen_dc(origin, clip);
    ps->rcPaint = window->update.bounds();
    ps->fErase = window->erase;
    bool erase = window->erase;
    manager->validate(*window, nullptr);
    if (erase) ps->fErase = !manager->call(*window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0);
    return ps->hdc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* ps) {
    if (!ps || !gdi()) return FALSE;
    return gdi()->release_dc(ps->hdc);
}

BOOL WINAPI InvalidateRect(HWND handle, const RECT* rect, BOOL erase) {
    auto manager = window_manager();
    if (!manager) return FALSE;
    if (!handle) {
        manager->invalidate_screen(Region(RECT{0, 0, WindowManager::kScreenWidth, WindowManager::kScreenHeight}));
        return TRUE;
    }
    auto window = window_of(handle);
    if (!window) return FALSE;
    manager->invalidate(*window, rect, erase != FALSE);
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND handle, const RECT* rect) {
    auto window = window_of(handle);
    if (!window) return FALSE;
    window_manager()->validate(*window, rect);
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND handle, LPRECT rect, BOOL) {
    auto window = window_of(handle);
    if (!window) return FALSE;
    if (rect) *rect = window->update.bounds();
    return !window->update.empty();
}

BOOL WINAPI UpdateWindow(HWND handle) {
    auto window = window_of(handle);
    if (!window) return FALSE;
    if (!window->update.empty() && window_manager()->shown(*window))
        window_manager()->send(*window, WM_PAINT, 0, 0);
    return TRUE;
}

}  // extern "C"
