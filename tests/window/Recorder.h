#pragma once
#include <array>
#include <string>
#include <vector>

#include <windows.h>

namespace test {

// What the test windows' procedures saw, in order, as "<window title>:<message>".
struct Recorder {
    static std::vector<std::string>& seen() {
        static std::vector<std::string> lines;
        return lines;
    }
    static std::string name(UINT message) {
        switch (message) {
        case WM_CREATE: return "WM_CREATE";
        case WM_DESTROY: return "WM_DESTROY";
        case WM_PAINT: return "WM_PAINT";
        case WM_ERASEBKGND: return "WM_ERASEBKGND";
        case WM_SETFOCUS: return "WM_SETFOCUS";
        case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
        case WM_LBUTTONUP: return "WM_LBUTTONUP";
        case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
        default: return std::to_string(message);
        }
    }
    static void record(HWND window, UINT message) {
        WCHAR title[64] = {};
        GetWindowText(window, title, 64);
        std::string text;
        for (WCHAR* c = title; *c; ++c) text += static_cast<char>(*c);
        seen().push_back(text + ":" + name(message));
    }
    // A window procedure that records everything and answers as the default procedure does.
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        record(window, message);
        return DefWindowProc(window, message, wParam, lParam);
    }
};

// A rectangle's left, top, right and bottom, to compare in one go.
inline std::array<LONG, 4> corners(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Registers a recording class and creates a window of it.
inline HWND MakeWindow(const wchar_t* title, DWORD style, int x, int y, int w, int h, HWND parent = nullptr,
                       WNDPROC procedure = Recorder::Procedure) {
    WNDCLASS wc = {};
    wc.lpfnWndProc = procedure;
    wc.lpszClassName = title;
    RegisterClass(&wc);
    return CreateWindowEx(0, title, title, style, x, y, w, h, parent, nullptr, nullptr, nullptr);
}

}  // namespace test
