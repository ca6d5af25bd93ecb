#include "ui/ControlWindow.h"

#include "app/ApplicationState.h"
#include "app/DebugMessage.h"
#include "ui/WindowRegistry.h"

ATOM RegisterControlClass(LPCWSTR name, WNDPROC procedure, HINSTANCE instance) {
    WNDCLASS wc = {};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    ATOM atom = RegisterClass(&wc);
    if (!atom) ReportRegisterClassFailure(name);
    return atom;
}

HWND CreateControlWindow(const ControlWindowLayout& layout, void* object, HWND& window, ATOM& atom) {
    HWND existing = FindWindow(layout.name, layout.name);
    if (existing) {
        window = existing;
        SetForegroundWindow(existing);
        return nullptr;
    }
    atom = RegisterControlClass(layout.name, layout.procedure, layout.instance);
    if (!atom) return nullptr;
    window = CreateWindowEx(0, layout.name, layout.name, layout.style, layout.x, layout.y, layout.width, layout.height, layout.parent,
                            nullptr, layout.instance, nullptr);
    if (window) RegisterControlWindow(window, object);
    return window;
}

void DestroyControlWindow(HWND window, ATOM atom) {
    if (!atom) return;
    DestroyWindow(window);
    UnregisterClass(MAKEINTATOM(atom), nullptr);
    ForgetControlWindow(window);
}

void RegisterControlWindow(HWND window, void* object) {
    if (appState.windowRegistry) appState.windowRegistry->add(window, object);
}

void* FindControl(HWND window) {
    return appState.windowRegistry ? appState.windowRegistry->find(window) : nullptr;
}

void ForgetControlWindow(HWND window) {
    if (appState.windowRegistry) appState.windowRegistry->remove(window);
}

bool AnswerCommonControlMessage(HWND window, UINT message) {
    switch (message) {
    case WM_CREATE:
    case WM_DESTROY:
    case WM_KILLFOCUS:
        return true;
    case WM_CLOSE:
        DestroyWindow(window);
        return true;
    default:
        return false;
    }
}
