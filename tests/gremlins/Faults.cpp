// A window that breaks one gremlin invariant on purpose, chosen by FAULT at build time:
// none, a brush leaked per paint, a tap shown only after some later repaint, a spin on a
// tap, a destroyed window's handle used on a tap, or a wait without end on a tap. Taps repaint the window in a colour
// that counts them.
#include <windows.h>

enum Fault { kNone, kLeak, kStale, kSpin, kStaleHandle, kBlock };

namespace {

int taps = 0;

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        ++taps;
        if (FAULT == kSpin)
            for (volatile bool forever = true; forever;) {
            }
        if (FAULT == kBlock) Sleep(INFINITE);
        if (FAULT == kStaleHandle) {
            HWND child = CreateWindowW(L"Fault", L"", WS_CHILD, 0, 0, 10, 10, window, nullptr, nullptr, nullptr);
            DestroyWindow(child);
            ShowWindow(child, SW_SHOW);
        }
        if (FAULT != kStale) InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush = CreateSolidBrush(RGB(taps * 40 % 256, 90, 160));
        FillRect(dc, &paint.rcPaint, brush);
        if (FAULT != kLeak) DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        if (!GetParent(window)) PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.lpszClassName = L"Fault";
    RegisterClassW(&window_class);
    CreateWindowW(L"Fault", L"Fault", WS_VISIBLE, 0, 26, 240, 268, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0)) DispatchMessageW(&message);
    return 0;
}
