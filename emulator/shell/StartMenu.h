#pragma once
#include <string_view>

namespace emu {

// The process the shell runs the Start menu in.
inline constexpr std::wstring_view kStartMenuProcess = L"\\Windows\\shell32.exe";

// The Start menu, Win32 code run as a process of the shell's: a menu below the taskbar's
// Start logo of the shortcuts and folders in \Windows\Start Menu, each with its shell icon
// and its name (a shortcut's without ".lnk"). A folder opens as a submenu beside it; a
// shortcut is opened through the shell (ShellExecuteEx) once the menus have closed. A
// tap outside every menu closes them. Ends when the menus have closed.
int run_start_menu();

}  // namespace emu
