// The bar window: the program's one top-level window, class and title "Tesselink".
#pragma once
#include <windows.h>

extern const WCHAR kBarClassName[];

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
