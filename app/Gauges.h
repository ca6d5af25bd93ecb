// The bar's three status gauges: an icon each with an 18 x 4 bar drawn over it.
#pragma once
#include <windows.h>

// Fill widths in pixels and fill colours of the gauge bars.
int BatteryFill(int percent);
COLORREF BatteryColour(int percent);
int FreeShareFill(int usedPercent);
COLORREF FreeShareColour(int usedPercent);

// Reads the device status and draws the battery, memory and storage gauges in the row of
// the buttons, `bottom` being the bottom of the bar's client area.
void DrawGauges(HDC dc, int bottom);
