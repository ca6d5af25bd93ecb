// Moving and sizing a window. The pixels of the window (and its children) that were valid
// on screen travel with its client area, unless SWP_NOCOPYBITS; what the window shows now
// and did not show before becomes invalid in it, what it uncovered becomes invalid below it,
// and both are painted later through the queue. A pending update region stays in client
// coordinates, clipped to the new client area. A class with CS_HREDRAW/CS_VREDRAW has the
// whole window invalidated, its children included, when its width/height changes: none of
// its pixels travel, since they are all painted again. SWP_NOREDRAW leaves
// everything on screen as it was and invalidates nothing.
#include "gdi/Gdi.h"
#include "kernel/Device.h"
#include "window/WindowManager.h"

namespace emu {

namespace {

bool same_rect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

// The screen pixels of the window and its children that show and are not waiting to be painted.
Region WindowManager::valid_area(const Window& window) const {
    Region valid = visible_region(window);
    Region pending = window.update;
    POINT origin = client_origin(window);
    pending.offset(origin.x, origin.y);
    valid.subtract(pending);
    for (auto child : window.children)
        if (child->visible) valid.add(valid_area(*child));
    return valid;
}

void WindowManager::move(Window& window, const RECT& rect, UINT flags) {
    if (same_rect(rect, window.rect)) return;
    const bool width_changed = rect.right - rect.left != window.width();
    const bool height_changed = rect.bottom - rect.top != window.height();
    const bool visible = shown(window) && !(flags & SWP_NOREDRAW);
    Region before, kept;
    POINT old_origin = client_origin(window);
    const UINT class_style = window.window_class->style;
    const bool redraw_all =
        (width_changed && (class_style & CS_HREDRAW)) || (height_changed && (class_style & CS_VREDRAW));
    if (visible) {
        before = exposed_area(window);
        if (!(flags & SWP_NOCOPYBITS) && !redraw_all) kept = valid_area(window);
    }

    window.rect = rect;
    window.update.intersect(window.client_rect());
    if (window.update.empty()) window.erase = false;
    if (!visible) return;

    Region after = exposed_area(window);
    POINT new_origin = client_origin(window);
    POINT by{new_origin.x - old_origin.x, new_origin.y - old_origin.y};
    kept.offset(by.x, by.y);
    kept.intersect(after);
    if ((by.x || by.y) && device_.gdi) device_.gdi->move_screen_pixels(kept, by);

    Region exposed = after;
    exposed.subtract(kept);
    invalidate_screen(exposed);
    Region uncovered = before;
    uncovered.subtract(after);
    invalidate_screen(uncovered);
    if (redraw_all) invalidate(window, nullptr, true);
}

}  // namespace emu
