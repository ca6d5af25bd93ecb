// Synthesised input: a program presses and moves the stylus as the person would.
#include "window/ApiSupport.h"

using namespace emu;

extern "C" void WINAPI mouse_event(DWORD dwFlags, DWORD dx, DWORD dy, DWORD, ULONG_PTR) {
    auto manager = window_manager();
    if (!manager) return;
    POINT point = manager->stylus_position();
    if (dwFlags & MOUSEEVENTF_ABSOLUTE) {
        point = {static_cast<LONG>(static_cast<long long>(dx) * WindowManager::kScreenWidth / 65536),
                 static_cast<LONG>(static_cast<long long>(dy) * WindowManager::kScreenHeight / 65536)};
    } else if (dwFlags & MOUSEEVENTF_MOVE) {
        point.x += static_cast<LONG>(dx);
        point.y += static_cast<LONG>(dy);
    }
    if (dwFlags & MOUSEEVENTF_LEFTDOWN) manager->stylus(WM_LBUTTONDOWN, point);
    else if (dwFlags & MOUSEEVENTF_LEFTUP) manager->stylus(WM_LBUTTONUP, point);
    else if (dwFlags & MOUSEEVENTF_MOVE) manager->stylus(WM_MOUSEMOVE, point);
}
