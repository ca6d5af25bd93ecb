// The header tab across the top of the program's dialogs: a band in the panel colour with
// rounded top corners and a dotted black rule under it.
#pragma once
#include <windows.h>

// Draws the band into the top of `client`, a dialog's client rectangle.
void DrawTitleBand(HDC dc, const RECT& client);
