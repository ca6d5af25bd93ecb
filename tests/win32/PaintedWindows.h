// Windows that the differential programs paint and look at: each fills what it is asked to
// paint with its current colour, and counts its WM_PAINT messages, so that a program can tell
// from the pixels which parts of a window were repainted and which were kept. And memory
// bitmaps to draw on and read back.
#pragma once
#include "Check.h"

namespace painted {

struct State {
    HWND window;
    COLORREF colour;
    int paints;
    int painted_at;  // when it was last painted, counted in paints of all windows
};

// The colours a parent and a child are painted in before a change, and after it.
const COLORREF kParentOld = RGB(0, 0, 128), kParentNew = RGB(0, 128, 255);
const COLORREF kChildOld = RGB(128, 0, 0), kChildNew = RGB(255, 128, 0);

inline int paint_clock;
inline State states[16];

inline State* Find(HWND window) {
    for (State& state : states)
        if (state.window == window) return &state;
    return nullptr;
}

inline void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

inline LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    State* state = Find(window);
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_PAINT && state) {
        state->paints++;
        state->painted_at = ++paint_clock;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT client;
        GetClientRect(window, &client);
        Fill(dc, client, state->colour);
        EndPaint(window, &ps);
        return 0;
    }
    if (message == WM_DESTROY && state) state->window = nullptr;
    return DefWindowProc(window, message, wParam, lParam);
}

// A window of a class whose procedure is Procedure; children clip their siblings and
// parents their children, as every window does on Windows CE.
inline HWND Create(HINSTANCE instance, const WCHAR* class_name, int x, int y, int width, int height, HWND parent,
                   COLORREF colour) {
    State* state = Find(nullptr);
    DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (parent ? WS_CHILD : WS_POPUP);
    HWND window = CreateWindowEx(0, class_name, L"", style, x, y, width, height, parent, nullptr, instance, nullptr);
    if (state && window) *state = State{window, colour, 0, 0};
    return window;
}

inline void SetColour(HWND window, COLORREF colour) {
    if (State* state = Find(window)) state->colour = colour;
}

inline int Paints(HWND window) { return Find(window) ? Find(window)->paints : -1; }
inline int PaintedAt(HWND window) { return Find(window) ? Find(window)->painted_at : -1; }

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

// A memory DC on a bitmap of the screen's format, filled white.
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old_bitmap;

    Canvas(int width, int height) {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        old_bitmap = SelectObject(dc, bitmap);
        Fill(dc, RECT{0, 0, width, height}, RGB(255, 255, 255));
    }
    ~Canvas() {
        SelectObject(dc, old_bitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
    // How many pixels of the rectangle have the colour.
    int Count(const RECT& rect, COLORREF colour) const {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x) count += At(x, y) == colour;
        return count;
    }
};

// A pixel a check expects, by name.
struct Expected {
    const char* name;
    int x, y;
    COLORREF colour;
};

template <int count>
void CheckPixels(const Canvas& canvas, const Expected (&pixels)[count]) {
    for (const Expected& p : pixels) check::Equal(p.name, canvas.At(p.x, p.y), p.colour);
}

}  // namespace painted
