// What every control's window shares: a window class of its own, named after the window,
// and an entry in the window registry that leads its window procedure back to the object.
#pragma once
#include <windows.h>

// Registers a control's class: class name = window name, no class style, no icon, cursor,
// background brush or menu. A failure is written to the debugger output and gives 0.
ATOM RegisterControlClass(LPCWSTR name, WNDPROC procedure, HINSTANCE instance);

// Enters, finds and removes a control's window in the process-wide window registry. Without
// a registry (its allocation failed at start-up) nothing is entered and nothing is found.
void RegisterControlWindow(HWND window, void* object);
void* FindControl(HWND window);
void ForgetControlWindow(HWND window);
