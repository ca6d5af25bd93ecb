// Application items on the default image's programs and shortcuts, for the controls that
// show items and their benchmarks.
#pragma once
#include <string>
#include <vector>

#include "apps/ApplicationItem.h"

namespace test {

// The device path of the n-th of sixteen distinct programs and shortcuts of the image.
inline std::wstring ProgramPath(int n) {
    static const wchar_t* const files[] = {
        L"calc.exe",     L"calendar.exe", L"contacts.exe", L"inbox.exe",     L"notes.exe",
        L"tasks.exe",    L"pword.exe",    L"pxl.exe",      L"iexplore.exe",  L"fexplore.exe",
        L"wmplayer.exe", L"pictures.exe", L"solitare.exe", L"bubble.exe",    L"Start Menu\\Notes.lnk",
        L"Start Menu\\Accessories\\Calculator.lnk"};
    return std::wstring(L"\\Windows\\") + files[n % 16];
}

// `count` items on those programs in turn, named "Item 0", "Item 1" ..., none selected.
inline std::vector<ApplicationItem> ProgramItems(int count) {
    std::vector<ApplicationItem> items(count);
    for (int i = 0; i < count; ++i) {
        items[i].path = ProgramPath(i);
        items[i].name = L"Item " + std::to_wstring(i);
    }
    return items;
}

}  // namespace test
