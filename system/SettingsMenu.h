// The settings menu: one-tap access to the device's control-panel applets, as a two-column
// icon menu of 17 entries that the bar opens over itself.
#pragma once
#include <windows.h>

class TwoColumnIconMenu;

// Builds the menu, a child of the bar named "Settings Menu", and creates it shown. The
// caller owns the menu and deletes it to close it.
TwoColumnIconMenu* BuildSettingsMenu(HWND bar, HINSTANCE instance);

// Starts what the menu's entry with this command (4025 to 4041) stands for.
void StartSettingsEntry(UINT command);
