#include "app/BarWindow.h"

#include <aygshell.h>

#include "app/BarCommands.h"
#include "app/BarPainting.h"

const WCHAR kBarClassName[] = L"Tesselink";

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The shell's taskbar and input-panel button stay hidden whenever the bar handles anything.
    SHFullScreen(window, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_SHOWSTARTICON);
    switch (message) {
    case WM_CREATE:
    case WM_KILLFOCUS:
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        PaintBar(window);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_KEYDOWN:
        HandleKey(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        HandleBarTap(lParam);
        return 0;
    default:
        if (!IsBarCommand(message)) return DefWindowProc(window, message, wParam, lParam);
        HandleBarCommand(message);
        return 0;
    }
}
