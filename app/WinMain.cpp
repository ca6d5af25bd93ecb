// The program's entry and exit: the single-instance test, the bar window, the message
// loop and the ordered shutdown.
#include <windows.h>
#include <gx.h>

#include "app/ApplicationState.h"
#include "app/BarPlacement.h"
#include "app/BarWindow.h"
#include "app/DebugMessage.h"
#include "app/Shutdown.h"
#include "apps/OptionsFile.h"
#include "apps/StartupRegistration.h"

namespace {

// A start that finds the bar already running brings it back instead.
bool ShowRunningInstance() {
    HWND running = FindWindow(kBarClassName, kBarClassName);
    if (!running) return false;
    SetForegroundWindow(running);
    ShowWindow(running, SW_SHOW);
    return true;
}

// Every start of the program begins from the defaults, with the buffers of an earlier run
// that did not end in order given back; only the window registry, made before the entry
// function, carries over.
void ResetApplicationState(HINSTANCE instance) {
    ReleaseBuffers();
    WindowRegistry* registry = appState.windowRegistry;
    appState = ApplicationState();
    appState.windowRegistry = registry;
    appState.instance = instance;
}

bool RegisterBarClass(HINSTANCE instance) {
    WNDCLASS wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_NOCLOSE;
    wc.lpfnWndProc = BarWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kBarClassName;
    if (RegisterClass(&wc)) return true;
    ReportRegisterClassFailure(kBarClassName);
    return false;
}

void ReportMissingStartMenu() {
    MessageBox(nullptr, L"We can't find your 'Start Menu' system directory.", L"ERROR", MB_OK);
    DestroyWindow(appState.bar);
}

void TakeDisplayAndKeys() {
    GXOpenDisplay(appState.bar, GX_FULLSCREEN);
    GXOpenInput();
    appState.defaultKeys = GXGetDefaultKeys(GX_NORMALKEYS);
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
    appState.instance = instance;
    if (ShowRunningInstance()) return 0;
    ResetApplicationState(instance);
    if (!RegisterBarClass(instance)) return 0;
    appState.bar = CreateWindowEx(0, kBarClassName, kBarClassName, WS_VISIBLE | WS_TABSTOP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    ReadOptions();
    if (!ReadStartMenuDirectory()) {
        ReportMissingStartMenu();
        return 0;
    }
    DockInitially();
    ReadSavedResetCommands();
    FormShortcutCommand();
    appState.key4Assigned = AssignKey4(appState.shortcutCommand) ? 1 : 0;
    TakeDisplayAndKeys();
    UpdateWindow(appState.bar);
    ShowWindow(appState.bar, show);
    int exitCode = RunMessageLoop();
    ShutDown();
    return exitCode;
}
