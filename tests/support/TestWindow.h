#pragma once
#include <windows.h>

namespace test {

// Registers a class named as the title (a second registration of a name simply fails) and
// creates a window of it, as a test program would.
inline HWND MakeWindow(const wchar_t* title, DWORD style, int x, int y, int width, int height, HWND parent,
                       WNDPROC procedure) {
    WNDCLASS wc = {};
    wc.lpfnWndProc = procedure;
    wc.lpszClassName = title;
    RegisterClass(&wc);
    return CreateWindowEx(0, title, title, style, x, y, width, height, parent, nullptr, nullptr, nullptr);
}

}  // namespace test
