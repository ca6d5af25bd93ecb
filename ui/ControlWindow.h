// What every control's window shares: a window class of its own, named after the window,
// and an entry in the window registry that leads its window procedure back to the object.
#pragma once
#include <windows.h>

// Registers a control's class: class name = window name, no class style, no icon, cursor,
// background brush or menu. A failure is written to the debugger output and gives 0.
ATOM RegisterControlClass(LPCWSTR name, WNDPROC procedure, HINSTANCE instance);

// How a control's window is made: its name (also its class name and title), style,
// position and size in the parent's client area, parent, instance and window procedure.
struct ControlWindowLayout {
    LPCWSTR name;
    DWORD style;
    int x, y, width, height;
    HWND parent;
    HINSTANCE instance;
    WNDPROC procedure;
};

// The create steps every control shares. When a window of the same name exists already,
// `window` adopts it, it comes to the foreground, and nothing is registered or created.
// Otherwise the class is registered (its atom in `atom`), the window created (in `window`)
// and entered in the registry for `object`. Gives the new window, or null.
HWND CreateControlWindow(const ControlWindowLayout& layout, void* object, HWND& window, ATOM& atom);

// Undoes CreateControlWindow: destroys the window, unregisters the class and leaves the
// registry. Without an atom the control registered nothing and the window it may have
// adopted belongs to another object, so nothing is done.
void DestroyControlWindow(HWND window, ATOM atom);

// Enters, finds and removes a control's window in the process-wide window registry. Without
// a registry (its allocation failed at start-up) nothing is entered and nothing is found.
void RegisterControlWindow(HWND window, void* object);
void* FindControl(HWND window);
void ForgetControlWindow(HWND window);

// The messages every control answers alike: WM_CREATE, WM_DESTROY and WM_KILLFOCUS with 0
// (the first two come while the window is made or unmade, before or after its object is
// registered), and WM_CLOSE by destroying its window. True when `message` was one of them.
bool AnswerCommonControlMessage(HWND window, UINT message);
