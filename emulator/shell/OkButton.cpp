#include "shell/OkButton.h"

namespace emu {

namespace {

const WCHAR kButtonClass[] = L"ShellOkButton";
const WCHAR kLabel[] = L"OK";

// A program has one OK button, handled on the program's one thread.
thread_local bool t_pressed = false;

bool inside(HWND button, LPARAM point) {
    RECT client;
    GetClientRect(button, &client);
    int x = static_cast<short>(LOWORD(point)), y = static_cast<short>(HIWORD(point));
    return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

void set_pressed(HWND button, bool pressed) {
    if (pressed == t_pressed) return;
    t_pressed = pressed;
    InvalidateRect(button, nullptr, FALSE);
}

void paint(HWND button) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(button, &ps);
    RECT client;
    GetClientRect(button, &client);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(t_pressed ? BLACK_BRUSH : WHITE_BRUSH));
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
    SIZE label;
    GetTextExtentPoint32W(dc, kLabel, 2, &label);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, t_pressed ? RGB(255, 255, 255) : RGB(0, 0, 0));
    ExtTextOutW(dc, (client.right - label.cx) / 2, (client.bottom - label.cy) / 2, 0, nullptr, kLabel, 2, nullptr);
    EndPaint(button, &ps);
}

void release(HWND button, LPARAM point) {
    bool tapped = t_pressed && inside(button, point);
    ReleaseCapture();
    set_pressed(button, false);
    if (tapped) SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(IDOK, 0), reinterpret_cast<LPARAM>(button));
}

LRESULT CALLBACK OkButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
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
    default: return DefWindowProcW(button, message, wParam, lParam);
    }
}

bool register_class() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = OkButtonProc;
    wc.lpszClassName = kButtonClass;
    return RegisterClassW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HWND create_ok_button(HWND parent, int x, int y, int width, int height) {
    if (!register_class()) return nullptr;
    t_pressed = false;
    return CreateWindowExW(0, kButtonClass, kLabel, WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
}

}  // namespace emu
