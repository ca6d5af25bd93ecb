// One row of the application table: the item's check box, a dotted separator, the item's
// small shell icon and its display name.
#pragma once
#include <windows.h>

#include "apps/ApplicationItem.h"

const int kRowHeight = 18;

// Draws `item` in row `row` of a table's client area, over what is there.
void DrawApplicationRow(HDC dc, HINSTANCE instance, const ApplicationItem& item, int row);
// Draws only the check box of `item` in row `row`, showing its selected flag.
void DrawRowCheckBox(HDC dc, HINSTANCE instance, const ApplicationItem& item, int row);
