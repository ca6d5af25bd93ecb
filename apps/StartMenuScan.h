// The Start Menu scans that fill the chosen list and the Start Menu list.
#pragma once
#include <string>

#include <windows.h>

// Appends the programs and shortcuts directly in the Start Menu directory to the chosen
// list, without names; sub-folders are not entered.
void TopLevelScan(const WCHAR* startMenuDirectory);

// Appends every program and shortcut of `folder` (ending in a backslash) and of its plain
// sub-folders, depth first and in place, to the Start Menu list, with display names and
// with those already on the chosen list selected; it stops as soon as the list is full.
void FullScan(const WCHAR* folder);

// 1 when an item of the chosen list has exactly this path (letter case counts), else 0.
int IsInChosenList(const WCHAR* path);

// The file name between the path's last backslash and its last ".", looking no further
// than its first 100 characters; empty when nothing stands between them.
std::wstring DisplayName(const WCHAR* path);
