#pragma once
#include <windows.h>

// Paints the bar: its panel and gauges. The first paint also creates the application strip,
// reading the list file for it, and every paint creates the command buttons still missing.
void PaintBar(HWND bar);
