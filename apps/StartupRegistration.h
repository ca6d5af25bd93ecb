// The program's ties to the shell: the Start Menu directory, hardware key 4 and the
// wake-up registration.
#pragma once
#include <windows.h>

// Reads the registry value SD17 and sets the Start Menu directory to it plus a backslash.
// False when the value is missing, not text, or too long for the program shortcut command
// built from it to fit MAX_PATH.
bool ReadStartMenuDirectory();

// Reads the factory commands (ResetCmd) of hardware keys 1 to 4; a key without one keeps
// no saved command.
void ReadSavedResetCommands();

// Forms the program shortcut command: the program's own Start Menu shortcut in quotes.
void FormShortcutCommand();

// Makes `command` the command of hardware key 4; true when it was written.
bool AssignKey4(const WCHAR* command);

// Gives hardware key 4 its saved factory command back, if there is one.
void RestoreKey4();

// Opens a hardware key's command for the keys VK_APP1 to VK_APP5, hiding the bar first.
void HardwareKeyPressed(UINT virtualKey);

// Registers the program shortcut command for the wake-up event, or removes the program's
// registrations when `autoload` is 0.
void ApplyAutoload(int autoload);
