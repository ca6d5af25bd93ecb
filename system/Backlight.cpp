#include "system/Backlight.h"

namespace {

typedef BOOL(WINAPI* ReadRegistryDword)(HKEY root, LPCWSTR subKey, LPCWSTR valueName, DWORD* value);
typedef BOOL(WINAPI* WriteRegistryDword)(HKEY root, LPCWSTR subKey, LPCWSTR valueName, DWORD value);

const WCHAR kLibrary[] = L"ppcutil.dll";
const WCHAR kSettingsKey[] = L"ControlPanel\\Backlight";
const WCHAR kOnOff[] = L"OnOff";
const WCHAR kBrightness[] = L"Brightness";
const WCHAR kChangeEvent[] = L"BackLightChangeEvent";
const int kUnreadable = -1;

// FARPROC stands for any export; the cast through void (*)() says that the change of
// function type is meant.
template <class Function>
Function ExportOf(HMODULE library, LPCWSTR name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

int ReadLevelWith(ReadRegistryDword read) {
    DWORD value = 0;
    if (read(HKEY_CURRENT_USER, kSettingsKey, kOnOff, &value) && value == 0) return kBacklightOff;
    if (!read(HKEY_CURRENT_USER, kSettingsKey, kBrightness, &value)) return kUnreadable;
    return static_cast<int>(value);
}

bool SignalChange() {
    HANDLE event = CreateEvent(nullptr, FALSE, FALSE, kChangeEvent);
    if (!event) return false;
    BOOL signalled = SetEvent(event);
    CloseHandle(event);
    return signalled != FALSE;
}

}  // namespace

int ReadBacklightLevel() {
    HMODULE library = LoadLibrary(kLibrary);
    if (!library) return kUnreadable;
    auto read = ExportOf<ReadRegistryDword>(library, L"ReadREGDW");
    int level = read ? ReadLevelWith(read) : kUnreadable;
    FreeLibrary(library);
    return level;
}

int WriteBacklightLevel(int level) {
    if (static_cast<unsigned>(level) > kBacklightFull) return 0;
    HMODULE library = LoadLibrary(kLibrary);
    if (!library) return 0;
    auto write = ExportOf<WriteRegistryDword>(library, L"WriteREGDW");
    // Brightness first: when it cannot be written, OnOff stays as it was and nothing is
    // signalled.
    BOOL brightnessWritten = write && write(HKEY_CURRENT_USER, kSettingsKey, kBrightness, static_cast<DWORD>(level));
    BOOL onOffWritten = brightnessWritten && write(HKEY_CURRENT_USER, kSettingsKey, kOnOff, level != kBacklightOff);
    FreeLibrary(library);
    if (!brightnessWritten) return 0;
    return SignalChange() ? onOffWritten : 0;
}

void ToggleBacklight() { WriteBacklightLevel(ReadBacklightLevel() == kBacklightOff ? kBacklightFull : kBacklightOff); }
