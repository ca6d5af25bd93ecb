#include "app/BarPainting.h"

#include "app/ApplicationState.h"
#include "app/BarLayout.h"
#include "app/Gauges.h"
#include "app/StatusProbes.h"
#include "apps/ApplicationItem.h"
#include "apps/ApplicationStrip.h"
#include "apps/ListFile.h"
#include "ui/Colours.h"
#include "ui/DrawingHelpers.h"
#include "ui/IconButton.h"

namespace {

const DWORD kChildStyle = WS_CHILD | WS_VISIBLE;

void CreateStrip(const RECT& client, int panelTop) {
    appState.strip = new ApplicationStrip(L"Application Bar", kChildStyle, client.left + 5, panelTop + 5, kStripWidth,
                                          StripHeight(), appState.bar, appState.instance, kHideCommand);
    delete[] appState.chosen;
    appState.chosen = new ApplicationItem[kMaxApplicationItems];
    appState.chosenCount = 0;
    ReadList();
    appState.strip->SetItems(appState.chosen, appState.chosenCount);
    appState.strip->SetSoundFlag(appState.sound);
    appState.stripWindow = appState.strip->Create(1, appState.smallMode);
}

// Creates the button in `slot` unless it exists.
void CreateButton(IconButton*& slot, LPCWSTR name, int x, int y, int width, UINT command, WORD up, WORD down) {
    if (slot) return;
    slot = new IconButton(name, kChildStyle, x, y, width, kButtonSize, appState.bar, appState.instance, command);
    slot->SetIcons(0, 0, width, kButtonSize, up, down);
    slot->Create(1);
}

void CreateMissingButtons(const RECT& client) {
    int row = client.bottom - 19;
    CreateButton(appState.closeButton, L"Close Button", client.right - 19, row, kButtonSize, kCloseCommand, 104, 105);
    CreateButton(appState.infoButton, L"Info Button", client.right - 36, row, kButtonSize, kInfoCommand, 113, 112);
    CreateButton(appState.configButton, L"Config Button", client.right - 53, row, kButtonSize, kConfigCommand, 109, 108);
    CreateButton(appState.hideButton, L"Hide Button", client.right - 70, row, kButtonSize, kHideCommand, 111, 110);
    CreateButton(appState.sizeButton, L"Size Button", client.right - 87, row, kButtonSize, kSizeCommand, 115, 114);
    TestDeviceModel();
    if (appState.ipaq)
        CreateButton(appState.backlightButton, L"Backlight Button", client.right - 104, row, kButtonSize,
                     kBacklightCommand, 107, 106);
    CreateButton(appState.settingsButton, L"Settings Button", client.left + 5, row, kSettingsButtonWidth,
                 kSettingsCommand, 120, 119);
}

}  // namespace

void PaintBar(HWND bar) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(bar, &ps);
    RECT client;
    GetClientRect(bar, &client);
    int panelTop = client.bottom - BarHeight();
    DrawPanel(dc, client.left, panelTop, client.right, client.bottom, kPanelColour);
    if (!appState.strip) CreateStrip(client, panelTop);
    DrawGauges(dc, client.bottom);
    EndPaint(bar, &ps);
    CreateMissingButtons(client);
}
