#include "app/Shutdown.h"

#include <windows.h>
#include <gx.h>

#include "app/ApplicationState.h"
#include "apps/ApplicationItem.h"
#include "apps/ApplicationStrip.h"
#include "apps/ListFile.h"
#include "apps/OptionsFile.h"
#include "apps/StartupRegistration.h"
#include "config/ConfigDialog.h"
#include "ui/IconButton.h"
#include "ui/InfoDialog.h"
#include "ui/TwoColumnIconMenu.h"

namespace {

template <class T>
void Delete(T*& object) {
    delete object;
    object = nullptr;
}

void DestroyControls() {
    Delete(appState.closeButton);
    Delete(appState.infoButton);
    Delete(appState.configButton);
    Delete(appState.hideButton);
    Delete(appState.sizeButton);
    Delete(appState.backlightButton);
    Delete(appState.settingsButton);
    Delete(appState.strip);
    appState.stripWindow = nullptr;
}

void ReleaseText(WCHAR*& text) {
    delete[] text;
    text = nullptr;
}

}  // namespace

void ShutDown() {
    GXCloseDisplay();
    GXCloseInput();
    if (appState.key4Assigned) RestoreKey4();
    WriteOptions();
    WriteList();
    DestroyControls();
    ReleaseText(appState.shortcutCommand);
    Delete(appState.settingsMenu);
    Delete(appState.configDialog);
    Delete(appState.infoDialog);
    ReleaseBuffers();
}

void ReleaseBuffers() {
    ReleaseText(appState.shortcutCommand);
    ReleaseText(appState.startMenuDirectory);
    for (WCHAR*& command : appState.resetCommands) ReleaseText(command);
    delete[] appState.chosen;
    appState.chosen = nullptr;
    appState.chosenCount = 0;
    delete[] appState.startMenu;
    appState.startMenu = nullptr;
    appState.startMenuCount = 0;
}
