// The check box of the configuration's items and options: an empty dotted box, or the same
// box with a tick, 14 x 12 pixels on the white of the table and the dialog.
#pragma once
#include <windows.h>

const int kCheckBoxWidth = 14;
const int kCheckBoxHeight = 12;

// Draws the box with its top-left corner at (x, y), ticked when `ticked` is non-zero. The
// box's cell is whitened first: the tick reaches past the empty box's outline, so an
// unticked box drawn over a ticked one would otherwise keep part of the tick.
void DrawCheckBox(HDC dc, HINSTANCE instance, int ticked, int x, int y);
