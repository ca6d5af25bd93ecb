#include "system/ControlPanel.h"

#include <shellapi.h>

namespace {

const WCHAR kControlPanelHost[] = L"\\Windows\\ctlpnl.exe";
const WCHAR kBacklightProgram[] = L"\\Windows\\backlight.exe";
const int kCommandLineLength = 128;

// The shell knows a file when it can give its icon. The icon itself is not needed.
bool ShellKnows(LPCWSTR path) {
    SHFILEINFO info = {};
    DWORD_PTR known = SHGetFileInfo(path, 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_ICON | SHGFI_SMALLICON);
    if (info.hIcon) DestroyIcon(info.hIcon);
    return known != 0;
}

}  // namespace

BOOL LaunchControlPanelApplet(int applet) {
    WCHAR commandLine[kCommandLineLength];
    wsprintf(commandLine, L"cplmain.cpl,%d", applet);
    PROCESS_INFORMATION process = {};
    BOOL started =
        CreateProcess(kControlPanelHost, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &process);
    if (!started) return FALSE;
    // The applet runs on its own; nothing of it is kept.
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    return TRUE;
}

bool OpenBacklightProgram() {
    if (!ShellKnows(kBacklightProgram)) return false;
    SHELLEXECUTEINFO execute = {};
    execute.cbSize = sizeof execute;
    execute.lpFile = kBacklightProgram;
    execute.nShow = SW_SHOWNORMAL;
    ShellExecuteEx(&execute);
    return true;
}
