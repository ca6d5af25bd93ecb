#include "app/BarCommands.h"

#include "app/ApplicationState.h"
#include "app/BarLayout.h"
#include "app/BarPlacement.h"
#include "config/ConfigDialog.h"
#include "apps/ApplicationItem.h"
#include "apps/ApplicationStrip.h"
#include "apps/StartMenuScan.h"
#include "apps/StartupRegistration.h"
#include "system/Backlight.h"
#include "system/ControlPanel.h"
#include "system/SettingsMenu.h"
#include "ui/IconButton.h"
#include "ui/InfoDialog.h"
#include "ui/TwoColumnIconMenu.h"

namespace {

const UINT kCommandBeep = MB_ICONHAND;
const UINT kKeyBeep = MB_ICONASTERISK;

void Send(UINT command) { SendMessage(appState.bar, command, 0, 0); }

void Beep(UINT type) {
    if (appState.sound) MessageBeep(type);
}

void Release(IconButton* button) {
    if (button) button->DrawUp();
}

// Closes the open pop-ups other than `keep`, each tested just before its close: a nested
// close may already have closed the next one.
void CloseOthers(UINT keep) {
    if (keep != kInfoCommand && appState.infoOpen) Send(kInfoCommand);
    if (keep != kConfigCommand && appState.configOpen) Send(kConfigCommand);
    if (keep != kSettingsCommand && appState.menuOpen) Send(kSettingsCommand);
}

const DWORD kPopupStyle = WS_CHILD | WS_VISIBLE;

// The dialogs cover the full-screen bar from the top down to the first row of its panel.
int DialogHeight() { return kScreenHeight - BarHeight() + 1; }

void ToggleInformation() {
    CloseOthers(kInfoCommand);
    if (appState.infoOpen) {
        delete appState.infoDialog;
        appState.infoDialog = nullptr;
        Dock();
        Release(appState.infoButton);
        appState.infoOpen = 0;
    } else {
        GoFullScreen();
        appState.infoDialog = new InfoDialog(L"Info Dialog", kPopupStyle, 0, 0, kBarWidth, DialogHeight(),
                                             appState.bar, appState.instance, kInfoCommand);
        appState.infoDialog->Create(1);
        appState.infoOpen = 1;
    }
    Beep(kCommandBeep);
}

// The dialog's choices become the program's: autoload (and its wake-up registration),
// sound, and the ticked items as the strip's new chosen list.
void TakeOverConfiguration(const ConfigDialog& dialog) {
    appState.autoload = dialog.Autoload();
    ApplyAutoload(appState.autoload);
    appState.sound = dialog.Sound();
    appState.strip->SetSoundFlag(appState.sound);
    int count = dialog.SelectedCount();
    delete[] appState.chosen;
    appState.chosen = dialog.SelectedItems();
    appState.chosenCount = count;
    appState.strip->SetItems(appState.chosen, appState.chosenCount);
    SendMessage(appState.stripWindow, WM_PAINT, 0, 0);
}

void OpenConfiguration() {
    GoFullScreen();
    appState.configDialog = new ConfigDialog(L"Config Dialog", kPopupStyle, 0, 0, kBarWidth, DialogHeight(),
                                             appState.bar, appState.instance, kConfigCommand);
    appState.startMenu = new ApplicationItem[kMaxApplicationItems];
    appState.startMenuCount = 0;
    FullScan(appState.startMenuDirectory);
    appState.configDialog->SetItems(appState.startMenu, appState.startMenuCount);
    appState.configDialog->SetOptions(appState.autoload, appState.sound);
    appState.configDialog->Create(1);
    appState.configOpen = 1;
}

void CloseConfiguration() {
    TakeOverConfiguration(*appState.configDialog);
    delete[] appState.startMenu;
    appState.startMenu = nullptr;
    appState.startMenuCount = 0;
    delete appState.configDialog;
    appState.configDialog = nullptr;
    Dock();
    Release(appState.configButton);
    appState.configOpen = 0;
}

void ToggleConfiguration() {
    CloseOthers(kConfigCommand);
    if (appState.configOpen) CloseConfiguration();
    else OpenConfiguration();
    Beep(kCommandBeep);
}

// The menu opens over an open dialog and closes nothing first.
void ToggleSettingsMenu() {
    bool dialogOpen = appState.infoOpen || appState.configOpen;
    if (appState.menuOpen) {
        delete appState.settingsMenu;
        appState.settingsMenu = nullptr;
        if (!dialogOpen) Dock();
        Release(appState.settingsButton);
        appState.menuOpen = 0;
    } else {
        if (!dialogOpen) GoFullScreen();
        appState.settingsMenu = BuildSettingsMenu(appState.bar, appState.instance);
        appState.menuOpen = 1;
    }
    Beep(kCommandBeep);
}

void SwitchBacklight() {
    ToggleBacklight();
    Release(appState.backlightButton);
    Beep(kCommandBeep);
}

// An entry closes every pop-up (the menu among them, while it is still handling the tap),
// hides the bar and starts what the entry stands for.
void ChooseSettingsEntry(UINT command) {
    CloseOthers(0);
    ShowWindow(appState.bar, SW_HIDE);
    StartSettingsEntry(command);
}

void Hide() {
    CloseOthers(0);
    ShowWindow(appState.bar, SW_HIDE);
    Release(appState.hideButton);
    Beep(kCommandBeep);
}

void SwitchSize() {
    CloseOthers(0);
    if (appState.smallMode) DockLarge();
    else DockSmall();
    if (appState.strip) appState.strip->ToggleSize();
    Release(appState.sizeButton);
    Beep(kCommandBeep);
}

}  // namespace

bool IsBarCommand(UINT message) {
    return (message >= kInfoCommand && message <= kBacklightCommand) ||
           (message >= kFirstSettingsEntry && message <= kLastSettingsEntry);
}

void HandleBarCommand(UINT command) {
    switch (command) {
    case kInfoCommand: ToggleInformation(); break;
    case kConfigCommand: ToggleConfiguration(); break;
    case kSettingsCommand: ToggleSettingsMenu(); break;
    case kHideCommand: Hide(); break;
    case kSizeCommand: SwitchSize(); break;
    case kBacklightCommand: SwitchBacklight(); break;
    default: ChooseSettingsEntry(command); break;
    }
}

void HandleKey(WPARAM wParam) {
    short code = static_cast<short>(LOWORD(wParam));
    if (appState.menuOpen) Send(kSettingsCommand);
    const GXKeyList& keys = appState.defaultKeys;
    if (code == keys.vkLeft) appState.strip->CursorLeft();
    else if (code == keys.vkRight) appState.strip->CursorRight();
    else if (code == keys.vkStart) appState.strip->LaunchCursorItem();
    else HardwareKeyPressed(static_cast<UINT>(static_cast<unsigned short>(code)));
    Beep(kKeyBeep);
}

void HandleBarTap(LPARAM lParam) {
    int x = LOWORD(lParam);
    int y = HIWORD(lParam);
    RECT client;
    GetClientRect(appState.bar, &client);
    bool gaugeRow = y >= client.bottom - 19 && y <= client.bottom - 5;
    if (gaugeRow && x >= 39 && x <= 67) {
        LaunchControlPanelApplet(3);
        Send(kHideCommand);
    } else if (gaugeRow && x >= 68 && x <= 127) {
        LaunchControlPanelApplet(4);
        Send(kHideCommand);
    } else if (appState.menuOpen) {
        Send(kSettingsCommand);
    }
}
