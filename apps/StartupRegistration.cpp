#include "apps/StartupRegistration.h"

#include <notify.h>

#include <string>

#include "app/ApplicationState.h"
#include "apps/RegistryValues.h"

namespace {

const WCHAR kProgramKey[] = L"Software\\Amberlow\\TSL";
const WCHAR kShortcutName[] = L"Tesselink.lnk";
const int kResetCommandCount = 4;

// The shell's key for hardware key `number` (1 to 5).
HKEY OpenHardwareKey(int number) {
    std::wstring path = L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C" + std::to_wstring(number);
    return OpenOrCreateKey(HKEY_LOCAL_MACHINE, path.c_str());
}

std::wstring ShortcutCommandFor(const std::wstring& directory) {
    return L"\"" + directory + kShortcutName + L"\"";
}

}  // namespace

bool ReadStartMenuDirectory() {
    HKEY key = OpenOrCreateKey(HKEY_CURRENT_USER, kProgramKey);
    if (!key) return false;
    std::wstring value;
    bool read = ReadTextValue(key, L"SD17", value);
    RegCloseKey(key);
    std::wstring directory = value + L"\\";
    if (!read || ShortcutCommandFor(directory).size() >= MAX_PATH) return false;
    delete[] appState.startMenuDirectory;
    appState.startMenuDirectory = NewTextBuffer(directory, MAX_PATH);
    return true;
}

void ReadSavedResetCommands() {
    for (int i = 0; i < kResetCommandCount; ++i) {
        HKEY key = OpenHardwareKey(i + 1);
        if (!key) continue;
        std::wstring command;
        delete[] appState.resetCommands[i];
        appState.resetCommands[i] = nullptr;
        if (ReadTextValue(key, L"ResetCmd", command))
            appState.resetCommands[i] = NewTextBuffer(command, command.size() + 1);
        RegCloseKey(key);
    }
}

void FormShortcutCommand() {
    delete[] appState.shortcutCommand;
    appState.shortcutCommand = NewTextBuffer(ShortcutCommandFor(appState.startMenuDirectory), MAX_PATH);
}

bool AssignKey4(const WCHAR* command) {
    HKEY key = OpenHardwareKey(4);
    if (!key) return false;
    bool written = WriteDefaultText(key, command);
    RegCloseKey(key);
    return written;
}

void RestoreKey4() {
    HKEY key = OpenHardwareKey(4);
    if (!key) return;
    if (appState.resetCommands[3]) WriteDefaultText(key, appState.resetCommands[3]);
    RegCloseKey(key);
}

void ApplyAutoload(int autoload) {
    if (!appState.shortcutCommand) return;
    CeRunAppAtEvent(appState.shortcutCommand, autoload ? NOTIFICATION_EVENT_WAKEUP : NOTIFICATION_EVENT_NONE);
}
