#pragma once
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <windows.h>

#include "kernel/HandleTable.h"
#include "window/MessageQueue.h"
#include "window/Window.h"

namespace emu {

class Device;
class DeviceThread;
struct Process;

// The device's window system: classes, the window tree and its z-order, visible regions
// and invalidation, message queues and sending, focus, capture and input routing.
// Everything here runs under the device mutex (on a device thread, or a host thread that
// holds it).
class WindowManager {
public:
    static constexpr int kScreenWidth = 240;
    static constexpr int kScreenHeight = 320;
    static constexpr int kTaskbarHeight = 26;

    explicit WindowManager(Device& device);

    // Classes, each the calling process's own: another process may register the same name.
    ATOM register_class(const WNDCLASSW& wc);
    bool unregister_class(LPCWSTR name_or_atom);
    std::shared_ptr<WindowClass> find_class(LPCWSTR name_or_atom) const;

    // Windows.
    Window* window(HWND handle) const { return windows_.get(handle); }
    HWND create(const CREATESTRUCTW& cs, LPCWSTR class_name);
    bool destroy(Window& window);
    bool show(Window& window, int command);
    // Moves and sizes a window as Windows CE does; `flags` may hold SWP_NOCOPYBITS and
    // SWP_NOREDRAW.
    void move(Window& window, const RECT& rect, UINT flags);
    void raise(Window& window, bool topmost);
    Window* find_top_level(LPCWSTR class_name, LPCWSTR title) const;
    const std::vector<Window*>& top_level() const { return top_level_; }

    // Geometry, in screen coordinates.
    POINT client_origin(const Window& window) const;
    RECT screen_rect(const Window& window) const;
    bool shown(const Window& window) const;  // visible, and so are all its ancestors
    Region visible_region(const Window& window) const;  // client area less what covers it
    Window* hit_test(POINT screen) const;

    // Invalidation and painting.
    void invalidate(Window& window, const RECT* client_rect, bool erase);
    void invalidate_screen(const Region& area);
    void validate(Window& window, const RECT* client_rect);
    Window* next_to_paint(const DeviceThread& thread) const;
    // Paints screen areas no window covers; the shell replaces the plain default.
    std::function<void(const Region& area)> desktop_painter;

    // Focus, activation and capture.
    Window* foreground() const { return window(foreground_); }
    Window* focus() const { return window(focus_); }
    Window* capture() const { return window(capture_); }
    void set_foreground(Window* window);
    HWND set_focus(Window* window);
    HWND set_capture(Window* window);
    // Called whenever the foreground window changes or may have; the shell's taskbar
    // follows the foreground window.
    std::function<void()> foreground_changed;

    // Messages.
    LRESULT call(Window& window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT send(Window& window, UINT message, WPARAM wparam, LPARAM lparam);
    void post(DeviceThread& thread, const MSG& message);
    void handle_incoming_sends(DeviceThread& thread);
    MessageQueue& queue(const DeviceThread& thread);
    // One step of GetMessage/PeekMessage: fills `message` when one is ready.
    bool take_message(DeviceThread& thread, MSG& message, HWND filter, UINT first, UINT last, bool remove);
    bool has_work(const DeviceThread& thread) const;

    // Input from the host, dropped while `accepts_input` is false (the device is off). A press
    // on a window brings its top-level window to the foreground.
    void stylus(UINT message, POINT screen);
    POINT stylus_position() const { return stylus_position_; }
    void key(UINT virtual_key, bool down);
    // The window a key that no filter took goes to: the focus window, else the foreground
    // window; null when there is none to take it.
    Window* key_target() const;
    bool accepts_input = true;
    // Decides where a key goes before the focus window gets it (the shell installs one),
    // also while input is dropped, so that it can say where the key went; answers true
    // when it has taken the key.
    std::function<bool(UINT virtual_key, bool down)> key_filter;
    // Called for a stylus press that no window takes: the desktop's own (the shell's
    // taskbar) is under it.
    std::function<void(POINT screen)> desktop_pressed;
    // The process that opened GAPI input, if any: its foreground window gets the hardware keys.
    Process* input_owner = nullptr;

private:
    std::vector<Window*>& siblings(const Window& window);
    const std::vector<Window*>& siblings(const Window& window) const;
    Region exposed_area(const Window& window) const;
    Region valid_area(const Window& window) const;
    void paint_borders(const Region& area);
    void destroy_tree(Window& window, bool send_messages);
    void forget(Window& window, bool send_messages);
    void activate_next(bool send_messages);
    bool focus_within(const Window& window) const;  // the focus window is it or inside it
    void thread_exited(DeviceThread& thread);
    void release_classes_of_ended_processes();
    void thread_stopped(DeviceThread& thread);
    bool matches(const MSG& message, HWND filter, UINT first, UINT last) const;

    Device& device_;
    HandleTable<Window> windows_{kWindowTag};
    std::vector<std::shared_ptr<WindowClass>> classes_;
    std::vector<Window*> top_level_;  // z-order, topmost first
    std::map<DWORD, MessageQueue> queues_;
    HWND foreground_ = nullptr;
    HWND focus_ = nullptr;
    HWND capture_ = nullptr;
    POINT stylus_position_{0, 0};
    ATOM next_atom_ = 0xC000;
};

}  // namespace emu
