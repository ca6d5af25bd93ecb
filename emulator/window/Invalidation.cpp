// Update regions: what each window has to repaint, and the desktop under the windows.
#include "gdi/Gdi.h"
#include "kernel/Device.h"
#include "window/WindowManager.h"

namespace emu {

void WindowManager::invalidate(Window& window, const RECT* client_rect, bool erase) {
    RECT whole = window.client_rect();
    Region area(client_rect ? rect_intersection(*client_rect, whole) : whole);
    if (area.empty()) return;
    window.update.add(area);
    window.erase = window.erase || erase;
}

void WindowManager::validate(Window& window, const RECT* client_rect) {
    if (client_rect) window.update.subtract(*client_rect);
    else window.update.clear();
    if (window.update.empty()) window.erase = false;
}

// Every window that shows in `area` gets that part added to its update region; frames are
// drawn at once, and what no window covers is the desktop's to paint.
void WindowManager::invalidate_screen(const Region& area) {
    if (area.empty()) return;
    Region uncovered = area;
    uncovered.intersect(RECT{0, 0, kScreenWidth, kScreenHeight});
    windows_.for_each([&](void*, Window& w) {
        if (!shown(w)) return;
        Region part = visible_region(w);
        part.intersect(area);
        if (part.empty()) return;
        POINT origin = client_origin(w);
        part.offset(-origin.x, -origin.y);
        w.update.add(part);
        w.erase = true;
    });
    for (auto w : top_level_)
        if (w->visible && !w->destroying) uncovered.subtract(screen_rect(*w));
    paint_borders(area);
    if (!uncovered.empty() && desktop_painter) desktop_painter(uncovered);
}

// The one-pixel frame of bordered windows is the system's to draw.
void WindowManager::paint_borders(const Region& area) {
    if (!device_.gdi) return;
    windows_.for_each([&](void*, Window& w) {
        if (!w.border() || !shown(w)) return;
        Region frame = exposed_area(w);
        RECT client = w.client_rect();
        POINT origin = client_origin(w);
        frame.subtract(RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom});
        frame.intersect(area);
        device_.gdi->fill_screen(frame, RGB(0, 0, 0));
    });
}

Window* WindowManager::next_to_paint(const DeviceThread& thread) const {
    Window* found = nullptr;
    windows_.for_each([&](void*, Window& w) {
        if (!found && w.thread == &thread && !w.update.empty() && shown(w)) found = &w;
    });
    return found;
}

}  // namespace emu
