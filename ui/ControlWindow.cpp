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

void RegisterControlWindow(HWND window, void* object) {
    if (appState.windowRegistry) appState.windowRegistry->add(window, object);
}

void* FindControl(HWND window) {
    return appState.windowRegistry ? appState.windowRegistry->find(window) : nullptr;
}

void ForgetControlWindow(HWND window) {
    if (appState.windowRegistry) appState.windowRegistry->remove(window);
}
