#pragma once
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "gdi/Region.h"

namespace emu {

class DeviceThread;
struct Process;

// A window class belongs to the process that registered it (null: a host thread's).
struct WindowClass {
    const Process* owner = nullptr;
    std::wstring name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    HBRUSH background = nullptr;
    int live_windows = 0;
};

// One window of the device. Positions are in the parent's client coordinates (screen
// coordinates for top-level windows); the update region is in client coordinates.
struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> window_class;
    std::wstring title;
    DWORD style = 0;
    DWORD ex_style = 0;
    RECT rect{};
    Window* parent = nullptr;              // null for top-level windows
    std::vector<Window*> children;         // z-order, topmost first
    DeviceThread* thread = nullptr;        // the thread that created it and handles its messages
    bool visible = false;
    bool topmost = false;
    bool destroying = false;
    Region update;
    bool erase = false;

    bool child() const { return (style & WS_CHILD) != 0; }
    int border() const { return (style & WS_BORDER) ? 1 : 0; }
    LONG width() const { return rect.right - rect.left; }
    LONG height() const { return rect.bottom - rect.top; }
    RECT client_rect() const { return {0, 0, width() - 2 * border(), height() - 2 * border()}; }
};

}  // namespace emu
