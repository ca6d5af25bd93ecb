// A hosted Win32 program: prints through the C library and ends with its own exit code,
// after a round trip through the window system.
#include <stdio.h>

#include <windows.h>

static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(42);
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    WNDCLASS wc = {};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = L"Hosted";
    RegisterClass(&wc);
    HWND window = CreateWindowEx(0, L"Hosted", L"Hosted", WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, instance,
                                 nullptr);
    PostMessage(window, WM_CLOSE, 0, 0);
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
    printf("hosted program ran\n");
    return static_cast<int>(msg.wParam);
}
