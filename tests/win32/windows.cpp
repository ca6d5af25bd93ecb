// Window lifetime: WM_CREATE comes before CreateWindowEx returns and a refusal there ends the
// window; DestroyWindow hides the window, sends WM_DESTROY to it and then to its children,
// and releases the capture; a destroyed handle is refused; geometry (a default top-level
// window fills the screen below the taskbar on Windows CE) and FindWindow.
#include "MessageLog.h"

namespace {

HINSTANCE g_instance;
const void* g_create_params;
bool g_visible_in_create;
HWND g_parent_in_create;
bool g_child_alive_in_parent_destroy;
bool g_parent_visible_in_destroy;
HWND g_watched_child;

LRESULT CALLBACK Recording(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const CREATESTRUCT* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        message_log::Add(window, "create");
        g_create_params = cs->lpCreateParams;
        g_visible_in_create = IsWindowVisible(window) != FALSE;
        g_parent_in_create = GetParent(window);
        return cs->lpCreateParams == &g_instance ? -1 : 0;  // asked to refuse
    }
    case WM_DESTROY:
        message_log::Add(window, "destroy");
        if (g_watched_child && GetParent(g_watched_child) == window) {
            g_child_alive_in_parent_destroy = IsWindow(g_watched_child) != FALSE;
            g_parent_visible_in_destroy = IsWindowVisible(window) != FALSE;
        }
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

HWND Make(const WCHAR* title, DWORD style, int x, int y, int width, int height, HWND parent, void* params = nullptr) {
    return CreateWindowEx(0, L"Recording", title, style | (parent ? WS_CHILD : WS_POPUP), x, y, width, height, parent,
                          nullptr, g_instance, params);
}

void Creation() {
    message_log::Clear();
    int params = 0;
    HWND top = Make(L"P", WS_VISIBLE, 20, 60, 100, 100, nullptr, &params);
    message_log::Add("returned");
    message_log::Check("WM_CREATE comes before CreateWindowEx returns", "P:create returned");
    check::True("WM_CREATE carries the creation parameter", g_create_params == &params);
    check::True("a WS_VISIBLE window is shown only after WM_CREATE", !g_visible_in_create);
    check::True("... and then it is", IsWindowVisible(top) != FALSE);
    Make(L"C", WS_VISIBLE, 0, 0, 10, 10, top);
    check::True("a child knows its parent in WM_CREATE", g_parent_in_create == top);

    message_log::Clear();
    HWND refused = Make(L"R", WS_VISIBLE, 0, 0, 10, 10, nullptr, &g_instance);
    check::True("a window whose WM_CREATE answers -1 is not created", refused == nullptr);
    message_log::Check("... and gets no WM_DESTROY", "R:create");
    DestroyWindow(top);
}

void Destruction() {
    HWND parent = Make(L"P", WS_VISIBLE, 20, 60, 100, 100, nullptr);
    HWND first = Make(L"C1", WS_VISIBLE, 0, 0, 50, 50, parent);
    HWND grandchild = Make(L"G", WS_VISIBLE, 0, 0, 10, 10, first);
    HWND second = Make(L"C2", WS_VISIBLE, 50, 50, 50, 50, parent);
    g_watched_child = first;
    SetCapture(grandchild);
    message_log::Clear();
    check::Equal("DestroyWindow succeeds", DestroyWindow(parent), TRUE);
    message_log::Check("WM_DESTROY goes to the parent, then to its children, topmost first",
                       "P:destroy C1:destroy G:destroy C2:destroy");
    check::True("the parent is hidden before its WM_DESTROY", !g_parent_visible_in_destroy);
    check::True("its children still exist during its WM_DESTROY", g_child_alive_in_parent_destroy);
    check::True("afterwards none of them exists",
                !IsWindow(parent) && !IsWindow(first) && !IsWindow(second) && !IsWindow(grandchild));
    check::True("a destroyed window that held the capture released it", GetCapture() == nullptr);
    check::Equal("a destroyed handle is refused", DestroyWindow(parent), FALSE);
    g_watched_child = nullptr;

    HWND closing = Make(L"X", WS_VISIBLE, 20, 60, 10, 10, nullptr);
    SendMessage(closing, WM_CLOSE, 0, 0);
    check::True("the default answer to WM_CLOSE destroys the window", !IsWindow(closing));

    HWND gone = Make(L"Q", 0, 20, 60, 10, 10, nullptr);
    PostMessage(gone, WM_USER, 0, 0);
    DestroyWindow(gone);
    MSG msg;
    check::True("messages posted to a destroyed window are dropped", !PeekMessage(&msg, nullptr, WM_USER, WM_USER,
                                                                                 PM_REMOVE));
}

void Geometry() {
    HWND parent = Make(L"Frame", WS_VISIBLE, 20, 60, 100, 100, nullptr);
    HWND child = Make(L"Inner", WS_VISIBLE | WS_BORDER, 10, 10, 30, 20, parent);
    RECT rect;
    GetWindowRect(child, &rect);
    check::SameRect("GetWindowRect is in screen coordinates", rect, RECT{30, 70, 60, 90});
    GetClientRect(child, &rect);
    check::SameRect("a border takes one pixel from each side of the client area", rect, RECT{0, 0, 28, 18});
    POINT point = {0, 0};
    ClientToScreen(child, &point);
    check::True("the client area starts inside the border", point.x == 31 && point.y == 71);
    ScreenToClient(parent, &point);
    check::True("ScreenToClient takes it back", point.x == 11 && point.y == 11);
    HWND below = Make(L"Below", WS_VISIBLE, 20, 20, 30, 20, parent);
    check::True("a child created later goes below its elder siblings", WindowFromPoint(POINT{45, 85}) == child);
    DestroyWindow(below);
    ShowWindow(parent, SW_HIDE);
    check::True("a visible child of a hidden parent is not visible", !IsWindowVisible(child));
    ShowWindow(parent, SW_SHOWNA);
    HWND whole = Make(L"Default", 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr);
    GetWindowRect(whole, &rect);
    if (check::CeOnly("a default top-level window fills the screen below the taskbar"))
        check::SameRect("a default top-level window fills the screen below the taskbar", rect,
                        RECT{0, 26, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    DestroyWindow(whole);

    WCHAR title[16];
    SetWindowText(child, L"Renamed");
    GetWindowText(child, title, 16);
    check::Text("SetWindowText and GetWindowText", title, L"Renamed");
    GetWindowText(child, title, 4);
    check::Text("GetWindowText cuts to the buffer", title, L"Ren");
    check::True("FindWindow compares class and title without regard to case",
                FindWindow(L"RECORDING", L"frame") == parent);
    check::True("FindWindow with no title takes any title", FindWindow(L"Recording", nullptr) == parent);
    check::True("FindWindow does not find child windows", FindWindow(nullptr, L"Renamed") == nullptr);
    DestroyWindow(parent);
}

}  // namespace

int RunChecks(HINSTANCE instance, LPWSTR) {
    g_instance = instance;
    RegisterWindowClass(instance, L"Recording", Recording);
    Creation();
    Destruction();
    Geometry();
    return check::Finish();
}
