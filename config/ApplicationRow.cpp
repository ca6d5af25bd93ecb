#include "config/ApplicationRow.h"

#include <shellapi.h>

#include "config/CheckBox.h"
#include "ui/Colours.h"
#include "ui/DrawingHelpers.h"

namespace {

const COLORREF kSeparatorColour = RGB(165, 165, 165);
const int kSeparatorX = 20;
const int kSeparatorDots = 9;
const int kIconX = 24;
const int kNameX = 44;

void DrawSeparator(HDC dc, int top) {
    for (int k = 0; k < kSeparatorDots; ++k) SetPixel(dc, kSeparatorX, top + 1 + 2 * k, kSeparatorColour);
}

// The shell hands out a new icon for each look-up; it is released once drawn.
void DrawShellIcon(HDC dc, const ApplicationItem& item, int top) {
    SHFILEINFO info = {};
    SHGetFileInfo(item.path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    if (!info.hIcon) return;
    DrawIconEx(dc, kIconX, top + 1, info.hIcon, 0, 0, 0, nullptr, DI_NORMAL);
    DestroyIcon(info.hIcon);
}

}  // namespace

void DrawApplicationRow(HDC dc, HINSTANCE instance, const ApplicationItem& item, int row) {
    const int top = row * kRowHeight;
    DrawRowCheckBox(dc, instance, item, row);
    DrawSeparator(dc, top);
    DrawShellIcon(dc, item, top);
    DrawLabel(dc, item.name.c_str(), 0, kNameX, top + 1, kTextColour);
}

void DrawRowCheckBox(HDC dc, HINSTANCE instance, const ApplicationItem& item, int row) {
    DrawCheckBox(dc, instance, item.selected, 3, row * kRowHeight + 3);
}
