#include "config/CheckBox.h"

#include "ui/Colours.h"

namespace {

const WORD kEmptyBoxIcon = 147;
const WORD kTickedBoxIcon = 148;

}  // namespace

void DrawCheckBox(HDC dc, HINSTANCE instance, int ticked, int x, int y) {
    const RECT cell = {x, y, x + kCheckBoxWidth, y + kCheckBoxHeight};
    HBRUSH background = CreateSolidBrush(kWhiteColour);
    FillRect(dc, &cell, background);
    DeleteObject(background);
    HICON icon = LoadIcon(instance, MAKEINTRESOURCE(ticked ? kTickedBoxIcon : kEmptyBoxIcon));
    if (!icon) return;
    DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
}
