// The application item: one program or shortcut of the Start Menu, as the strip, the
// application table and the list file share it.
#pragma once
#include <string>

#include <windows.h>

struct ApplicationItem {
    std::wstring path;  // the full path, at most MAX_PATH - 1 characters
    std::wstring name;  // the display name; filled by the full scan only
    int selected = 0;   // ticked in the configuration dialog
};

// Appends an item to a list with room for kMaxApplicationItems; a full list takes no
// more and answers false.
bool AppendItem(ApplicationItem* list, int& count, ApplicationItem item);

// Whether a path fits a MAX_PATH buffer with its terminator.
inline bool FitsPathBuffer(const std::wstring& path) { return path.size() < MAX_PATH; }
