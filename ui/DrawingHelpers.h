// The program's recurring shapes and its label text, drawn into a device context that the
// caller owns. Rectangles are left, top, right, bottom with right and bottom exclusive.
// Each helper leaves the device context as it found it: the pens, brushes and fonts it
// creates are deselected and deleted before it returns, and text colour and background
// mode are restored.
#pragma once
#include <windows.h>

// Draws zero-terminated text with its cell's top-left at (x, y), transparently, in the
// colour given. Emphasised text (non-zero) uses the label font; other text the device
// context's current font.
void DrawLabel(HDC dc, const WCHAR* text, int emphasised, int x, int y, COLORREF colour);

// The label font: the system font, bold at 8 points, or for an East Asian language
// (Chinese, Japanese, Korean) regular at 9 points, at the given pixels per inch.
void BuildLabelFont(LANGID language, int pixelsPerInch, LOGFONT* font);

// A white one-pixel outline with cut corners.
void DrawWhiteFrame(HDC dc, int left, int top, int right, int bottom);

// A white frame around a rounded rectangle filled with `fill` and outlined in the device
// context's current pen.
void DrawPanel(HDC dc, int left, int top, int right, int bottom, COLORREF fill);

// A one-pixel outline in `colour` whose four corner pixels stay untouched.
void DrawCornerlessFrame(HDC dc, int left, int top, int right, int bottom, COLORREF colour);

// A block filled with `colour` whose four corner pixels stay untouched.
void FillSoftRect(HDC dc, int left, int top, int right, int bottom, COLORREF colour);
