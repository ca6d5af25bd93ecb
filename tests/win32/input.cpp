// Input, focus and foreground: a stylus press goes to the deepest visible window under it,
// or to the capture holder, in client coordinates packed as 16-bit values, after the
// messages posted meanwhile; a press on a
// top-level window brings it to the foreground; the focus moves with WM_KILLFOCUS and
// WM_SETFOCUS, and to the parent when the focus window is destroyed; the foreground passes to
// the next window when the foreground window goes. The presses are synthesised with
// mouse_event, which both platforms route like real input.
#include "MessageLog.h"

namespace {

HINSTANCE g_instance;
bool g_log_focus;  // focus messages are logged only where a check looks at them

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    char word[32];
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        snprintf(word, sizeof word, "%s(%d,%d)", message == WM_LBUTTONDOWN ? "down" : "up",
                 static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        message_log::Add(window, word);
        return 0;
    case WM_USER: message_log::Add(window, "posted"); return 0;
    case WM_SETFOCUS:
        if (g_log_focus) message_log::Add(window, "setfocus");
        break;
    case WM_KILLFOCUS:
        if (g_log_focus) message_log::Add(window, "killfocus");
        break;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

HWND Make(const WCHAR* title, int x, int y, int width, int height, HWND parent) {
    DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (parent ? WS_CHILD : WS_POPUP);
    return CreateWindowEx(0, L"Input", title, style, x, y, width, height, parent, nullptr, g_instance, nullptr);
}

// Presses or releases the stylus at a screen point and, unless asked not to, handles what
// it caused.
void Stylus(DWORD button, int x, int y, bool handle = true) {
    // Absolute positions are in 1/65536ths of the screen; this one is a pixel's centre.
    const long long width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    mouse_event(button | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, static_cast<DWORD>((2 * x + 1) * 65536 / (2 * width)),
                static_cast<DWORD>((2 * y + 1) * 65536 / (2 * height)), 0, 0);
    if (handle) Pump();
}

void Tap(int x, int y) {
    Stylus(MOUSEEVENTF_LEFTDOWN, x, y);
    Stylus(MOUSEEVENTF_LEFTUP, x, y);
}

void Routing() {
    HWND top = Make(L"T", 20, 60, 100, 100, nullptr);
    HWND child = Make(L"C", 10, 10, 30, 30, top);
    HWND other = Make(L"O", 150, 60, 50, 50, nullptr);
    Pump();
    message_log::Clear();
    Tap(35, 75);
    Tap(25, 140);
    message_log::Check("a press goes to the deepest window under it, in client coordinates",
                       "C:down(5,5) C:up(5,5) T:down(5,80) T:up(5,80)");
    message_log::Clear();
    Stylus(MOUSEEVENTF_LEFTDOWN, 25, 140, false);
    PostMessage(child, WM_USER, 0, 0);
    Stylus(MOUSEEVENTF_LEFTUP, 25, 140);
    message_log::Check("a message posted after a press is handled before it", "C:posted T:down(5,80) T:up(5,80)");

    message_log::Clear();
    SetCapture(child);
    Stylus(MOUSEEVENTF_LEFTDOWN, 160, 70);
    Stylus(MOUSEEVENTF_LEFTUP, 5, 5);
    message_log::Check("the capture holder gets presses anywhere, negative values wrapped",
                       "C:down(130,0) C:up(-25,-65)");
    check::True("GetCapture names the holder", GetCapture() == child);
    ReleaseCapture();
    message_log::Clear();
    Tap(160, 70);
    message_log::Check("... and presses go by position again", "O:down(10,10) O:up(10,10)");

    ShowWindow(other, SW_HIDE);
    message_log::Clear();
    Tap(160, 70);
    Tap(35, 75);
    message_log::Check("a hidden window lets presses through", "C:down(5,5) C:up(5,5)");
    check::True("WindowFromPoint finds the deepest window", WindowFromPoint(POINT{35, 75}) == child);
    DestroyWindow(other);
    DestroyWindow(top);
}

void FocusAndForeground() {
    HWND first = Make(L"A", 20, 60, 100, 100, nullptr);
    HWND inner = Make(L"I", 10, 10, 30, 30, first);
    HWND second = Make(L"B", 150, 60, 50, 50, nullptr);
    Pump();
    check::True("a window shown last is in the foreground", GetForegroundWindow() == second);
    check::True("... and has the focus", GetFocus() == second);
    Tap(25, 140);
    check::True("a press on a window brings it to the foreground", GetForegroundWindow() == first);
    check::True("... and gives it the focus", GetFocus() == first);

    message_log::Clear();
    g_log_focus = true;
    check::True("SetFocus answers the window that had the focus", SetFocus(inner) == first);
    message_log::Check("the old focus window hears of it first", "A:killfocus I:setfocus");
    check::True("GetFocus names the new one", GetFocus() == inner);
    message_log::Clear();
    DestroyWindow(inner);
    message_log::Check("destroying the focus window gives the focus to its parent", "I:killfocus A:setfocus");
    check::True("... as GetFocus says", GetFocus() == first);
    g_log_focus = false;

    SetForegroundWindow(second);
    check::True("SetForegroundWindow brings a window to the foreground", GetForegroundWindow() == second);
    DestroyWindow(second);
    check::True("when the foreground window goes, the next window takes its place", GetForegroundWindow() == first);
    check::True("... and the focus", GetFocus() == first);
    DestroyWindow(first);
}

}  // namespace

int RunChecks(HINSTANCE instance, LPWSTR) {
    g_instance = instance;
    RegisterWindowClass(instance, L"Input", Procedure);
    Routing();
    FocusAndForeground();
    return check::Finish();
}
