#include "apps/StartMenuScan.h"

#include <memory>

#include "app/ApplicationState.h"
#include "apps/ApplicationItem.h"
#include "apps/DirectoryListing.h"

namespace {

const int kDisplayNameScanLength = 100;

}  // namespace

void TopLevelScan(const WCHAR* startMenuDirectory) {
    if (!startMenuDirectory) return;
    std::unique_ptr<WIN32_FIND_DATA[]> records(new WIN32_FIND_DATA[kTopLevelListingRoom]);
    int count = ListDirectory(startMenuDirectory, records.get(), kTopLevelListingRoom);
    for (int i = 0; i < count; ++i) {
        if (IsPlainFolder(records[i])) continue;
        ApplicationItem item;
        item.path = std::wstring(startMenuDirectory) + records[i].cFileName;
        if (FitsPathBuffer(item.path)) AppendItem(appState.chosen, appState.chosenCount, std::move(item));
    }
}

void FullScan(const WCHAR* folder) {
    // One block of records per folder level, given back when the folder is done.
    std::unique_ptr<WIN32_FIND_DATA[]> records(new WIN32_FIND_DATA[kFolderListingRoom]);
    int count = ListDirectory(folder, records.get(), kFolderListingRoom);
    // Once the list is full nothing more would be kept, so no further folder is entered.
    for (int i = 0; i < count && appState.startMenuCount < kMaxApplicationItems; ++i) {
        std::wstring path = std::wstring(folder) + records[i].cFileName;
        if (IsPlainFolder(records[i])) path += L'\\';
        if (!FitsPathBuffer(path)) continue;
        if (IsPlainFolder(records[i])) {
            FullScan(path.c_str());
            continue;
        }
        ApplicationItem item;
        item.name = DisplayName(path.c_str());
        item.selected = IsInChosenList(path.c_str());
        item.path = std::move(path);
        AppendItem(appState.startMenu, appState.startMenuCount, std::move(item));
    }
}

int IsInChosenList(const WCHAR* path) {
    for (int i = 0; appState.chosen && i < appState.chosenCount; ++i)
        if (appState.chosen[i].path == path) return 1;
    return 0;
}

std::wstring DisplayName(const WCHAR* path) {
    int backslash = -1, dot = -1;
    for (int i = 0; i < kDisplayNameScanLength && path[i]; ++i) {
        if (path[i] == L'\\') backslash = i;
        if (path[i] == L'.') dot = i;
    }
    if (dot < backslash + 2) return std::wstring();
    return std::wstring(path + backslash + 1, path + dot);
}
