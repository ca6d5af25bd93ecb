// Where windows are on the screen, what of them shows, and which window is under a point.
#include "kernel/Device.h"
#include "window/WindowManager.h"

namespace emu {

namespace {

RECT offset_rect(RECT r, POINT by) { return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y}; }

bool rect_contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

POINT WindowManager::client_origin(const Window& window) const {
    POINT origin{window.rect.left + window.border(), window.rect.top + window.border()};
    if (window.parent) {
        auto parent = client_origin(*window.parent);
        origin.x += parent.x;
        origin.y += parent.y;
    }
    return origin;
}

RECT WindowManager::screen_rect(const Window& window) const {
    POINT origin = window.parent ? client_origin(*window.parent) : POINT{0, 0};
    return offset_rect(window.rect, origin);
}

bool WindowManager::shown(const Window& window) const {
    for (auto w = &window; w; w = w->parent)
        if (!w->visible || w->destroying) return false;
    return true;
}

// The window's whole rectangle as far as it shows: clipped by its ancestors' client areas
// and by the higher siblings of itself and of every ancestor. Its own children are inside.
Region WindowManager::exposed_area(const Window& window) const {
    Region area(screen_rect(window));
    area.intersect(RECT{0, 0, kScreenWidth, kScreenHeight});
    for (auto node = &window; node; node = node->parent) {
        if (node->parent) {
            auto parent = node->parent;
            area.intersect(offset_rect(parent->client_rect(), client_origin(*parent)));
        }
        for (auto sibling : siblings(*node)) {
            if (sibling == node) break;
            if (sibling->visible) area.subtract(screen_rect(*sibling));
        }
    }
    return area;
}

Region WindowManager::visible_region(const Window& window) const {
    if (!shown(window)) return {};
    Region region = exposed_area(window);
    region.intersect(offset_rect(window.client_rect(), client_origin(window)));
    for (auto child : window.children)
        if (child->visible) region.subtract(screen_rect(*child));
    return region;
}

Window* WindowManager::hit_test(POINT screen) const {
    const std::vector<Window*>* level = &top_level_;
    Window* hit = nullptr;
    for (;;) {
        Window* found = nullptr;
        for (auto w : *level)
            if (w->visible && !w->destroying && rect_contains(screen_rect(*w), screen)) {
                found = w;
                break;
            }
        if (!found) return hit;
        if (hit && !rect_contains(offset_rect(hit->client_rect(), client_origin(*hit)), screen)) return hit;
        hit = found;
        level = &found->children;
    }
}

}  // namespace emu
