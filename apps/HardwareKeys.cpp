#include <shellapi.h>

#include "app/ApplicationState.h"
#include "apps/StartupRegistration.h"

namespace {

const WCHAR kNotesShortcut[] = L"\"\\Windows\\Start Menu\\Notes.lnk\"";

// Opens a command through the shell; a missing command opens nothing.
void OpenCommand(const WCHAR* command) {
    if (!command) return;
    SHELLEXECUTEINFO info = {};
    info.cbSize = sizeof info;
    info.lpFile = command;
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteEx(&info);
}

}  // namespace

void HardwareKeyPressed(UINT virtualKey) {
    if (virtualKey < VK_APP1 || virtualKey > VK_APP5) return;
    ShowWindow(appState.bar, SW_HIDE);
    if (virtualKey <= VK_APP3) OpenCommand(appState.resetCommands[virtualKey - VK_APP1]);
    if (virtualKey == VK_APP5) OpenCommand(kNotesShortcut);
}
