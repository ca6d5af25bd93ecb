#include "app/BarWindow.h"

#include "app/ApplicationState.h"

const WCHAR kBarClassName[] = L"Tesselink";

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
    case WM_KILLFOCUS:
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        // FIXME: the panel, the gauges and the lazily created children.
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    default:
        return DefWindowProc(window, message, wParam, lParam);
    }
}
