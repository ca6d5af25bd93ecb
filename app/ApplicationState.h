// The process-wide state of the program: instance, bar window, settings, pop-ups,
// controls, item lists, device status and shell ties. Every part of the program reads
// and writes its fields directly; it owns every object and buffer it points to.
#pragma once
#include <windows.h>
#include <gx.h>

class WindowRegistry;
class IconButton;
class ApplicationStrip;
class TwoColumnIconMenu;
class ConfigDialog;
class InfoDialog;
struct ApplicationItem;

// Room of the chosen list and of the Start Menu list.
const int kMaxApplicationItems = 256;

struct ApplicationState {
    HINSTANCE instance = nullptr;
    HWND bar = nullptr;

    // Settings, kept in the options file.
    int smallMode = 1;
    int autoload = 0;
    int sound = 1;

    int ipaq = 0;

    // Which pop-ups are open, and the pop-ups themselves while they are.
    int infoOpen = 0;
    int configOpen = 0;
    int menuOpen = 0;
    TwoColumnIconMenu* settingsMenu = nullptr;
    ConfigDialog* configDialog = nullptr;
    InfoDialog* infoDialog = nullptr;

    // Ties to the shell.
    WCHAR* startMenuDirectory = nullptr;
    WCHAR* shortcutCommand = nullptr;
    int key4Assigned = 0;
    WCHAR* resetCommands[4] = {nullptr, nullptr, nullptr, nullptr};
    GXKeyList defaultKeys = {};

    // Device status, read afresh on every paint of the bar.
    int acLineStatus = 0;
    int batteryPercent = 0;
    int memoryLoad = 0;
    int storageUsed = 0;

    // The bar's command buttons and its application strip.
    IconButton* closeButton = nullptr;
    IconButton* infoButton = nullptr;
    IconButton* configButton = nullptr;
    IconButton* hideButton = nullptr;
    IconButton* sizeButton = nullptr;
    IconButton* backlightButton = nullptr;
    IconButton* settingsButton = nullptr;
    ApplicationStrip* strip = nullptr;
    HWND stripWindow = nullptr;

    // The items the strip shows, and every Start Menu item while the configuration is open.
    ApplicationItem* chosen = nullptr;
    int chosenCount = 0;
    ApplicationItem* startMenu = nullptr;
    int startMenuCount = 0;

    WindowRegistry* windowRegistry = nullptr;
};

extern ApplicationState appState;
