// Listing one Start Menu folder for the scans.
#pragma once
#include <windows.h>

// Room of a listing: the top-level scan's, and the full scan's for each folder.
const int kTopLevelListingRoom = 128;
const int kFolderListingRoom = 1024;

// Whether a listed entry is a plain folder: the directory attribute and no other.
inline bool IsPlainFolder(const WIN32_FIND_DATA& entry) { return entry.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY; }

// Whether an entry belongs in a listing: a program or shortcut other than this program's
// own, or a plain folder.
bool PassesListing(const WIN32_FIND_DATA& entry);

// Lists the entries of `folder` (a path ending in a backslash) that pass, in the order
// the file system returns them, keeping at most `room`; answers how many it kept. A
// folder that cannot be searched, or whose search pattern would not fit MAX_PATH, gives 0.
int ListDirectory(const WCHAR* folder, WIN32_FIND_DATA* records, int room);
