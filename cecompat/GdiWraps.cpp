// The GDI call whose Windows CE meaning the program's drawing relies on.
#include <windows.h>

#include <utility>

#include "LinkWraps.h"

CECOMPAT_REAL_IMPORT(RoundRect);

namespace {

// Wrapped: Windows CE leaves out the corner pixels of a rounded rectangle with 2 x 2
// corners, where desktop GDI outlines them; soft-cornered rectangles keep what lay under
// their corners. The four pixels are read before and put back after; one the clip region
// hides reads as CLR_INVALID and is left alone.
BOOL WINAPI ce_round_rect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    if ((width != 2 && width != -2) || (height != 2 && height != -2))
        return CECOMPAT_REAL(RoundRect)(hdc, left, top, right, bottom, width, height);
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const POINT corners[] = {{left, top}, {right - 1, top}, {left, bottom - 1}, {right - 1, bottom - 1}};
    COLORREF kept[4];
    for (int i = 0; i < 4; ++i) kept[i] = GetPixel(hdc, corners[i].x, corners[i].y);
    const BOOL drawn = CECOMPAT_REAL(RoundRect)(hdc, left, top, right, bottom, width, height);
    for (int i = 0; i < 4; ++i)
        if (kept[i] != CLR_INVALID) SetPixel(hdc, corners[i].x, corners[i].y, kept[i]);
    return drawn;
}

}  // namespace

CECOMPAT_WRAP(RoundRect, ce_round_rect);
