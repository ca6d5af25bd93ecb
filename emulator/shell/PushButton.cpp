#include "shell/PushButton.h"
#include "shell/ShellClass.h"

#include <map>

namespace emu {

namespace {

const WCHAR kButtonClass[] = L"ShellPushButton";

struct ButtonState {
    int id = 0;
    bool is_default = false;
};

// A button lives on the thread of the window it belongs to, and so does its state; only
// the button holding the capture can be pressed.
thread_local std::map<HWND, ButtonState> t_buttons;
thread_local HWND t_pressed = nullptr;

bool inside(HWND button, LPARAM point) {
    RECT client;
    GetClientRect(button, &client);
    int x = static_cast<short>(LOWORD(point)), y = static_cast<short>(HIWORD(point));
    return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

void set_pressed(HWND button, bool pressed) {
    if (pressed == (t_pressed == button)) return;
    t_pressed = pressed ? button : nullptr;
    InvalidateRect(button, nullptr, FALSE);
}

void frame(HDC dc, const RECT& rect) {
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void paint(HWND button) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(button, &ps);
    RECT client;
    GetClientRect(button, &client);
    const bool pressed = t_pressed == button;
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(pressed ? BLACK_BRUSH : WHITE_BRUSH)));
    frame(dc, client);
    if (t_buttons[button].is_default) frame(dc, {client.left + 1, client.top + 1, client.right - 1, client.bottom - 1});
    WCHAR label[32];
    const int length = GetWindowTextW(button, label, 32);
    SIZE size;
    GetTextExtentPoint32W(dc, label, length, &size);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, pressed ? RGB(255, 255, 255) : RGB(0, 0, 0));
    ExtTextOutW(dc, (client.right - size.cx) / 2, (client.bottom - size.cy) / 2, 0, nullptr, label,
                static_cast<UINT>(length), nullptr);
    EndPaint(button, &ps);
}

void release(HWND button, LPARAM point) {
    const bool tapped = t_pressed == button && inside(button, point);
    ReleaseCapture();
    set_pressed(button, false);
    if (!tapped) return;
    const WPARAM command = MAKEWPARAM(t_buttons[button].id, 0);
    SendMessageW(GetParent(button), WM_COMMAND, command, reinterpret_cast<LPARAM>(button));
}

LRESULT CALLBACK PushButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        t_buttons[button] = *static_cast<const ButtonState*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(button);
        set_pressed(button, true);
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == button) set_pressed(button, inside(button, lParam));
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == button) release(button, lParam);
        return 0;
    case WM_PAINT: paint(button); return 0;
    case WM_DESTROY:
        if (t_pressed == button) t_pressed = nullptr;
        t_buttons.erase(button);
        return 0;
    default: return DefWindowProcW(button, message, wParam, lParam);
    }
}

}  // namespace

HWND create_push_button(HWND parent, const wchar_t* label, int id, const RECT& rect, bool is_default) {
    if (!register_shell_class(kButtonClass, PushButtonProc)) return nullptr;
    ButtonState state{id, is_default};
    return CreateWindowExW(0, kButtonClass, label, WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                           &state);
}

}  // namespace emu
