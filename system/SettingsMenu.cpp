#include "system/SettingsMenu.h"

#include "system/ControlPanel.h"
#include "ui/TwoColumnIconMenu.h"

namespace {

const UINT kBacklightEntry = 4033;

struct SettingsEntry {
    const WCHAR* label;
    WORD icon;
    UINT command;
    int applet;
};

// The menu's entries in order: the first nine fill the left column, the rest the right.
// The Backlight entry starts its applet only on a device without its own backlight program.
const SettingsEntry kEntries[] = {
    {L"Buttons", 126, 4025, 12},  {L"Input", 128, 4026, 8},    {L"Menus", 130, 4027, 11},
    {L"Owner", 131, 4028, 2},     {L"Password", 132, 4029, 1}, {L"Sound", 137, 4030, 9},
    {L"Today", 138, 4031, 13},    {L"About", 122, 4032, 5},    {L"Backlight", 124, kBacklightEntry, 6},
    {L"Clock", 127, 4034, 16},    {L"Memory", 129, 4035, 4},   {L"Power", 133, 4036, 3},
    {L"Regional", 134, 4037, 18}, {L"Remove", 135, 4038, 10},  {L"Screen", 136, 4039, 7},
    {L"Beam", 125, 4040, 15},     {L"Network", 123, 4041, 17},
};
const int kEntryCount = sizeof kEntries / sizeof kEntries[0];

const WCHAR kMenuName[] = L"Settings Menu";
const int kMenuX = 32, kMenuY = 148, kMenuWidth = 193, kMenuHeight = 172;
const int kRowHeight = 18;

}  // namespace

TwoColumnIconMenu* BuildSettingsMenu(HWND bar, HINSTANCE instance) {
    auto* menu = new TwoColumnIconMenu(kMenuName, WS_CHILD | WS_VISIBLE, kMenuX, kMenuY, kMenuWidth, kMenuHeight, bar,
                                       instance, kEntryCount);
    for (const SettingsEntry& entry : kEntries) menu->AddEntry(entry.label, entry.command, entry.icon);
    menu->Create(1, kRowHeight);
    return menu;
}

void StartSettingsEntry(UINT command) {
    for (const SettingsEntry& entry : kEntries) {
        if (entry.command != command) continue;
        if (command == kBacklightEntry && OpenBacklightProgram()) return;
        LaunchControlPanelApplet(entry.applet);
    }
}
