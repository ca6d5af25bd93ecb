// Windows that the differential programs paint and look at: each fills what it is asked to
// paint with its current colour, and counts its WM_PAINT messages, so that a program can tell
// from the pixels which parts of a window were repainted and which were kept.
#pragma once
#include "Check.h"

namespace painted {

struct State {
    HWND window;
    COLORREF colour;
    int paints;
    int painted_at;  // when it was last painted, counted in paints of all windows
};

inline int& PaintClock() {
    static int paints;
    return paints;
}

inline State* Table() {
    static State states[16];
    return states;
}

inline State* Find(HWND window) {
    for (int i = 0; i < 16; ++i)
        if (Table()[i].window == window) return &Table()[i];
    return nullptr;
}

inline LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    State* state = Find(window);
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_PAINT && state) {
        state->paints++;
        state->painted_at = ++PaintClock();
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT client;
        GetClientRect(window, &client);
        HBRUSH brush = CreateSolidBrush(state->colour);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(window, &ps);
        return 0;
    }
    if (message == WM_DESTROY && state) state->window = nullptr;
    return DefWindowProc(window, message, wParam, lParam);
}

inline void RegisterClassWithStyle(HINSTANCE instance, const WCHAR* name, UINT style) {
    WNDCLASS wc;
    memset(&wc, 0, sizeof wc);
    wc.style = style;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    RegisterClass(&wc);
}

// A window of a class registered with RegisterClassWithStyle; children clip their siblings and
// parents their children, as every window does on Windows CE.
inline HWND Create(HINSTANCE instance, const WCHAR* class_name, int x, int y, int width, int height, HWND parent,
                   COLORREF colour) {
    State* state = Find(nullptr);
    DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (parent ? WS_CHILD : WS_POPUP);
    HWND window =
        CreateWindowEx(0, class_name, L"", style, x, y, width, height, parent, nullptr, instance, nullptr);
    if (state && window) *state = State{window, colour, 0, 0};
    return window;
}

inline void SetColour(HWND window, COLORREF colour) {
    if (State* state = Find(window)) state->colour = colour;
}

inline int Paints(HWND window) {
    State* state = Find(window);
    return state ? state->paints : -1;
}

inline int PaintedAt(HWND window) {
    State* state = Find(window);
    return state ? state->painted_at : -1;
}

// Handles every message waiting, the paints last, until nothing is left.
inline void Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
}

// A pixel of the window's client area, as the screen shows it.
inline COLORREF Pixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// The bounds of the window's update region; empty when nothing is invalid.
inline RECT UpdateBounds(HWND window) {
    RECT bounds = {0, 0, 0, 0};
    if (!GetUpdateRect(window, &bounds, FALSE)) bounds = RECT{0, 0, 0, 0};
    return bounds;
}

}  // namespace painted
