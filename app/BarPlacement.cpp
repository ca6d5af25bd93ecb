#include "app/BarPlacement.h"

#include <windows.h>
#include <aygshell.h>

#include "app/ApplicationState.h"
#include "app/BarLayout.h"
#include "apps/ApplicationStrip.h"
#include "ui/IconButton.h"

int BarHeight() { return appState.smallMode ? kSmallBarHeight : kLargeBarHeight; }
int StripHeight() { return appState.smallMode ? kSmallStripHeight : kLargeStripHeight; }

namespace {

void DockAtBottomEdge(int height) {
    RECT rect;
    GetWindowRect(appState.bar, &rect);
    MoveWindow(appState.bar, rect.left, rect.bottom - height, kBarWidth, height, FALSE);
    ReplaceChildren();
}

void Place(IconButton* button, int x, int y, int width) {
    if (button) MoveWindow(button->Window(), x, y, width, kButtonSize, TRUE);
}

}  // namespace

void DockInitially() {
    RECT rect;
    GetWindowRect(appState.bar, &rect);
    SHFullScreen(appState.bar, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_SHOWSTARTICON);
    MoveWindow(appState.bar, rect.left, rect.bottom - BarHeight(), kBarWidth, BarHeight(), TRUE);
}

void DockSmall() {
    DockAtBottomEdge(kSmallBarHeight);
    appState.smallMode = 1;
}

void DockLarge() {
    DockAtBottomEdge(kLargeBarHeight);
    appState.smallMode = 0;
}

void Dock() { DockAtBottomEdge(BarHeight()); }

void GoFullScreen() {
    MoveWindow(appState.bar, 0, 0, kBarWidth, kScreenHeight, FALSE);
    ReplaceChildren();
}

void ReplaceChildren() {
    RECT client;
    GetClientRect(appState.bar, &client);
    int row = client.bottom - 19;
    Place(appState.settingsButton, client.left + 5, row, kSettingsButtonWidth);
    if (appState.ipaq) Place(appState.backlightButton, client.right - 104, row, kButtonSize);
    Place(appState.sizeButton, client.right - 87, row, kButtonSize);
    Place(appState.hideButton, client.right - 70, row, kButtonSize);
    Place(appState.configButton, client.right - 53, row, kButtonSize);
    Place(appState.infoButton, client.right - 36, row, kButtonSize);
    Place(appState.closeButton, client.right - 19, row, kButtonSize);
    if (appState.stripWindow) {
        int top = client.bottom - (appState.smallMode ? 44 : 58);
        MoveWindow(appState.stripWindow, client.left + 5, top, kStripWidth, StripHeight(), TRUE);
    }
}
