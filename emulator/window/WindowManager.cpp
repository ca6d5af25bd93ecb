#include "window/WindowManager.h"

#include <algorithm>

#include "gdi/Gdi.h"
#include "kernel/Device.h"

namespace emu {

namespace {

bool is_atom(LPCWSTR name) { return IS_INTRESOURCE(name); }

const Process* calling_process() {
    auto thread = Scheduler::current();
    return thread ? thread->process : nullptr;
}

bool class_matches(const WindowClass& c, LPCWSTR name_or_atom) {
    if (is_atom(name_or_atom)) return c.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name_or_atom));
    return same_name(c.name, name_or_atom);
}

}  // namespace

WindowManager::WindowManager(Device& device) : device_(device) {
    desktop_painter = [this](const Region& area) {
        if (device_.gdi) device_.gdi->fill_screen(area, RGB(0, 82, 140));
    };
    device_.scheduler.exit_hooks.push_back([this](DeviceThread& thread) { thread_exited(thread); });
    device_.scheduler.stop_hooks.push_back([this](DeviceThread& thread) { thread_stopped(thread); });
}

ATOM WindowManager::register_class(const WNDCLASSW& wc) {
    if (!wc.lpszClassName || !wc.lpfnWndProc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (find_class(wc.lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto c = std::make_shared<WindowClass>();
    c->owner = calling_process();
    c->name = wc.lpszClassName;
    c->atom = next_atom_++;
    c->style = wc.style;
    c->procedure = wc.lpfnWndProc;
    c->instance = wc.hInstance;
    c->background = wc.hbrBackground;
    classes_.push_back(c);
    return c->atom;
}

bool WindowManager::unregister_class(LPCWSTR name_or_atom) {
    auto owner = calling_process();
    auto it = std::find_if(classes_.begin(), classes_.end(),
                           [&](const auto& c) { return c->owner == owner && class_matches(*c, name_or_atom); });
    if (it == classes_.end()) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return false;
    }
    if ((*it)->live_windows > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return false;
    }
    classes_.erase(it);
    return true;
}

std::shared_ptr<WindowClass> WindowManager::find_class(LPCWSTR name_or_atom) const {
    auto owner = calling_process();
    for (const auto& c : classes_)
        if (c->owner == owner && class_matches(*c, name_or_atom)) return c;
    return nullptr;
}

HWND WindowManager::create(const CREATESTRUCTW& cs, LPCWSTR class_name) {
    auto window_class = find_class(class_name);
    if (!window_class) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    Window* parent = nullptr;
    if (cs.style & WS_CHILD) {
        parent = window(cs.hwndParent);
        if (!parent) {
            SetLastError(ERROR_TLW_WITH_WSCHILD);
            return nullptr;
        }
    }
    auto created = std::make_shared<Window>();
    created->window_class = window_class;
    created->title = cs.lpszName ? cs.lpszName : L"";
    created->style = static_cast<DWORD>(cs.style) & ~static_cast<DWORD>(WS_VISIBLE);
    created->ex_style = cs.dwExStyle;
    created->topmost = (cs.dwExStyle & WS_EX_TOPMOST) != 0;
    created->parent = parent;
    created->thread = Scheduler::current();
    if (cs.x == CW_USEDEFAULT && !parent) {
        created->rect = {0, kTaskbarHeight, kScreenWidth, kScreenHeight};
    } else {
        int x = cs.x == CW_USEDEFAULT ? 0 : cs.x, y = cs.x == CW_USEDEFAULT ? 0 : cs.y;
        int width = cs.cx == CW_USEDEFAULT ? kScreenWidth : cs.cx;
        int height = cs.cy == CW_USEDEFAULT ? kScreenHeight - kTaskbarHeight : cs.cy;
        created->rect = {x, y, x + width, y + height};
    }
    created->handle = static_cast<HWND>(windows_.add(created));
    window_class->live_windows++;
    // A new top-level window comes in front of the others (behind topmost ones); a new
    // child goes behind its siblings, so that the first child created is the topmost.
    auto& list = siblings(*created);
    auto first_plain = std::find_if(list.begin(), list.end(), [](Window* w) { return !w->topmost; });
    list.insert(parent ? list.end() : created->topmost ? list.begin() : first_plain, created.get());

    CREATESTRUCTW create_args = cs;
    create_args.lpszClass = class_name;
    // A window that refuses its WM_CREATE goes without a WM_DESTROY.
    if (call(*created, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create_args)) == -1) {
        destroy_tree(*created, false);
        return nullptr;
    }
    if (cs.style & WS_VISIBLE) show(*created, SW_SHOW);
    return created->handle;
}

bool WindowManager::destroy(Window& window) {
    if (window.destroying) return true;
    if (window.thread != Scheduler::current()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    // The focus leaves a window that goes for its parent, or for none.
    if (focus_within(window)) set_focus(window.parent);
    destroy_tree(window, true);
    return true;
}

void WindowManager::destroy_tree(Window& window, bool send_messages) {
    auto keep = windows_.shared(window.handle);
    window.destroying = true;
    if (window.visible) {
        auto area = exposed_area(window);
        window.visible = false;
        invalidate_screen(area);
    }
    if (send_messages) call(window, WM_DESTROY, 0, 0);
    auto children = window.children;
    for (auto child : children) destroy_tree(*child, send_messages);
    forget(window, send_messages);
}

void WindowManager::forget(Window& window, bool send_messages) {
    if (capture_ == window.handle) capture_ = nullptr;
    if (focus_ == window.handle) focus_ = nullptr;
    auto& list = siblings(window);
    list.erase(std::remove(list.begin(), list.end(), &window), list.end());
    if (foreground_ == window.handle) activate_next(send_messages);
    window.window_class->live_windows--;
    if (window.thread) {
        auto& posted = queue(*window.thread).posted;
        std::erase_if(posted, [&](const MSG& m) { return m.hwnd == window.handle; });
        auto& input = queue(*window.thread).input;
        std::erase_if(input, [&](const MSG& m) { return m.hwnd == window.handle; });
    }
    windows_.remove(window.handle);
}

bool WindowManager::show(Window& window, int command) {
    bool was_visible = window.visible;
    if (command == SW_HIDE) {
        if (!was_visible) return false;
        auto area = exposed_area(window);
        window.visible = false;
        invalidate_screen(area);
        if (foreground_ == window.handle) activate_next(true);
        return true;
    }
    if (!was_visible) {
        window.visible = true;
        invalidate_screen(exposed_area(window));
    }
    bool activate = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE && command != SW_MINIMIZE;
    if (!window.parent && activate) set_foreground(&window);
    return was_visible;
}

void WindowManager::raise(Window& window, bool topmost) {
    auto& list = siblings(window);
    if (!window.parent) window.topmost = window.topmost || topmost;
    auto first_plain = std::find_if(list.begin(), list.end(), [](Window* w) { return !w->topmost; });
    auto target = (window.topmost || window.parent) ? list.begin() : first_plain;
    auto current = std::find(list.begin(), list.end(), &window);
    if (current == target || current == list.end()) return;
    list.erase(current);
    first_plain = std::find_if(list.begin(), list.end(), [](Window* w) { return !w->topmost; });
    list.insert((window.topmost || window.parent) ? list.begin() : first_plain, &window);
    if (shown(window)) invalidate_screen(exposed_area(window));
}

Window* WindowManager::find_top_level(LPCWSTR class_name, LPCWSTR title) const {
    for (auto w : top_level_) {
        if (w->destroying) continue;
        if (class_name && !class_matches(*w->window_class, class_name)) continue;
        if (title && !same_name(w->title, title)) continue;
        return w;
    }
    return nullptr;
}

std::vector<Window*>& WindowManager::siblings(const Window& window) {
    return window.parent ? window.parent->children : top_level_;
}

const std::vector<Window*>& WindowManager::siblings(const Window& window) const {
    return window.parent ? window.parent->children : top_level_;
}

void WindowManager::set_foreground(Window* window) {
    while (window && window->parent) window = window->parent;
    if (!window) return;
    raise(*window, false);
    foreground_ = window->handle;
    if (!focus_within(*window)) set_focus(window);
    if (foreground_changed) foreground_changed();
}

bool WindowManager::focus_within(const Window& window) const {
    for (auto w = focus(); w; w = w->parent)
        if (w == &window) return true;
    return false;
}

// The foreground, and the focus with it, pass to the topmost visible top-level window other
// than the current one; without messages while a thread's windows go at its end.
void WindowManager::activate_next(bool send_messages) {
    Window* next = nullptr;
    for (auto w : top_level_)
        if (w->visible && w->handle != foreground_ && !w->destroying) {
            next = w;
            break;
        }
    foreground_ = next ? next->handle : nullptr;
    if (next && !focus_within(*next)) {
        if (send_messages) set_focus(next);
        else focus_ = next->handle;
    }
    if (foreground_changed) foreground_changed();
}

HWND WindowManager::set_focus(Window* window) {
    HWND previous = focus_;
    if (previous == (window ? window->handle : nullptr)) return previous;
    focus_ = window ? window->handle : nullptr;
    if (auto old = this->window(previous); old && Scheduler::current()) send(*old, WM_KILLFOCUS, 0, 0);
    if (window && Scheduler::current()) send(*window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND WindowManager::set_capture(Window* window) {
    HWND previous = capture_;
    capture_ = window ? window->handle : nullptr;
    return previous;
}

void WindowManager::thread_exited(DeviceThread& thread) {
    std::vector<Window*> owned;
    windows_.for_each([&](void*, Window& w) {
        if (w.thread == &thread && !w.destroying && (!w.parent || w.parent->thread != &thread)) owned.push_back(&w);
    });
    for (auto w : owned) destroy_tree(*w, false);
    auto& q = queue(thread);
    for (auto& sent : q.sent) sent->done = true;
    queues_.erase(thread.id);
    release_classes_of_ended_processes();
}

// A process that has ended leaves no classes behind, once its last window has gone.
void WindowManager::release_classes_of_ended_processes() {
    std::erase_if(classes_, [](const auto& c) { return c->owner && c->owner->ended && c->live_windows == 0; });
}

void WindowManager::thread_stopped(DeviceThread& thread) {
    auto& q = queue(thread);
    auto pending = q.waiting_on;
    if (!pending) return;
    if (auto target = window(pending->window); target && target->thread)
        std::erase(queue(*target->thread).sent, pending);
    pending->done = true;
    q.waiting_on = nullptr;
}

}  // namespace emu
