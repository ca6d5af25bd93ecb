// Windows CE's meanings of two window calls desktop Win32 shares with it.
#include "LinkWraps.h"

CECOMPAT_REAL_IMPORT(CreateWindowExW);
CECOMPAT_REAL_IMPORT(MoveWindow);

namespace {

// The Pocket PC's taskbar covers the top of the screen; a default window fills the rest.
constexpr int kTaskbarHeight = 26;

// Wrapped: on Windows CE every window clips its children and siblings, a top-level window
// has a caption and a frame only when its style asks for WS_CAPTION (desktop Win32 gives
// every overlapped window both, so such a window becomes a pop-up, which has neither), and
// CW_USEDEFAULT places a top-level window over the whole screen below the taskbar.
HWND WINAPI ce_create_window(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int X, int Y,
                             int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                             LPVOID lpParam) {
    dwStyle |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    const bool top_level = (dwStyle & WS_CHILD) == 0;
    if (top_level && (dwStyle & WS_CAPTION) != WS_CAPTION) dwStyle |= WS_POPUP;
    const int screen_width = GetSystemMetrics(SM_CXSCREEN), screen_height = GetSystemMetrics(SM_CYSCREEN);
    if (top_level && X == CW_USEDEFAULT) {
        X = 0, Y = kTaskbarHeight, nWidth = screen_width, nHeight = screen_height - kTaskbarHeight;
    } else {
        if (X == CW_USEDEFAULT) X = 0, Y = 0;
        if (nWidth == CW_USEDEFAULT) nWidth = screen_width;
        if (nHeight == CW_USEDEFAULT) nHeight = screen_height - kTaskbarHeight;
    }
    return CECOMPAT_REAL(CreateWindowExW)(dwExStyle, lpClassName, lpWindowName, dwStyle, X, Y, nWidth, nHeight,
                                          hWndParent, hMenu, hInstance, lpParam);
}

// Wrapped: Windows CE ignores MoveWindow's repaint flag and always repaints what the move
// exposes, through the message queue.
BOOL WINAPI ce_move_window(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL) {
    return CECOMPAT_REAL(MoveWindow)(hWnd, X, Y, nWidth, nHeight, TRUE);
}

}  // namespace

CECOMPAT_WRAP(CreateWindowExW, ce_create_window);
CECOMPAT_WRAP(MoveWindow, ce_move_window);
