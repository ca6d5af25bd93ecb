// Text: ExtTextOut fills the text's cell with the background colour in OPAQUE mode and not in
// TRANSPARENT mode, ETO_OPAQUE fills the whole rectangle, ETO_CLIPPED keeps the text inside
// it; GetTextExtentPoint32 adds up the characters' widths; on Windows CE text is drawn in
// the text colour only. The fonts differ between platforms, so the checks hold for any font.
// DrawIconEx draws an icon of the program's resources at its own size with its transparency.
#include "Check.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kGreen = RGB(0, 160, 0);
const int kWidth = 80, kHeight = 30;

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old_bitmap;

    Canvas() {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
        ReleaseDC(nullptr, screen);
        old_bitmap = SelectObject(dc, bitmap);
        RECT all = {0, 0, kWidth, kHeight};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(dc, kBlack);
        SetBkColor(dc, kGreen);
    }
    ~Canvas() {
        SelectObject(dc, old_bitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
    SIZE Extent(const WCHAR* text, int count) const {
        SIZE size = {0, 0};
        GetTextExtentPoint32(dc, text, count, &size);
        return size;
    }
    // Whether any pixel of the rectangle has the colour.
    bool Holds(const RECT& rect, COLORREF colour) const {
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (At(x, y) == colour) return true;
        return false;
    }
    // Whether every pixel of the rectangle is one of the two colours.
    bool OnlyIn(const RECT& rect, COLORREF one, COLORREF other) const {
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (At(x, y) != one && At(x, y) != other) return false;
        return true;
    }
};

void Extents() {
    Canvas canvas;
    SIZE a = canvas.Extent(L"a", 1), b = canvas.Extent(L"b", 1), ab = canvas.Extent(L"ab", 2);
    check::True("a character has a width and a height", a.cx > 0 && a.cy > 0);
    check::Equal("the extent of two characters is the sum of theirs", ab.cx, a.cx + b.cx);
    check::Equal("... at the same height", ab.cy, a.cy);
    check::Equal("only the count of characters given is measured", canvas.Extent(L"abc", 2).cx, ab.cx);
    check::Equal("an empty string has no width", canvas.Extent(L"", 0).cx, 0);
}

void Backgrounds() {
    {
        Canvas canvas;
        SetBkMode(canvas.dc, OPAQUE);
        SIZE size = canvas.Extent(L"ab", 2);
        ExtTextOut(canvas.dc, 2, 2, 0, nullptr, L"ab", 2, nullptr);
        RECT cell = {2, 2, 2 + size.cx, 2 + size.cy};
        check::Colour("OPAQUE fills the cell's top-left with the background colour", canvas.At(2, 2), kGreen);
        check::Colour("... up to its right edge", canvas.At(cell.right - 1, 2), kGreen);
        check::Colour("... and no further", canvas.At(cell.right, 2), kWhite);
        check::Colour("... nor below it", canvas.At(2, cell.bottom), kWhite);
        check::True("the text is drawn in the text colour", canvas.Holds(cell, kBlack));
    }
    {
        Canvas canvas;
        SetBkMode(canvas.dc, TRANSPARENT);
        SIZE size = canvas.Extent(L"ab", 2);
        ExtTextOut(canvas.dc, 2, 2, 0, nullptr, L"ab", 2, nullptr);
        RECT cell = {2, 2, 2 + size.cx, 2 + size.cy};
        check::True("TRANSPARENT leaves the background", !canvas.Holds(cell, kGreen));
        check::True("... and draws the text", canvas.Holds(cell, kBlack));
        // Windows CE draws text in the text colour only unless the font asks for smoothing;
        // desktop Windows may smooth it.
        if (check::CeOnly("text pixels are in the text colour only"))
            check::True("text pixels are in the text colour only", canvas.OnlyIn(cell, kWhite, kBlack));
    }
    {
        Canvas canvas;
        SetBkMode(canvas.dc, TRANSPARENT);
        RECT all = {0, 0, kWidth, kHeight};
        ExtTextOut(canvas.dc, 2, 2, ETO_OPAQUE, &all, L"a", 1, nullptr);
        check::Colour("ETO_OPAQUE fills the whole rectangle in any mode", canvas.At(kWidth - 1, kHeight - 1), kGreen);
    }
    {
        Canvas canvas;
        SetBkMode(canvas.dc, TRANSPARENT);
        RECT left = {0, 0, 6, kHeight};
        ExtTextOut(canvas.dc, 2, 2, ETO_CLIPPED, &left, L"WWWW", 4, nullptr);
        check::True("ETO_CLIPPED draws inside the rectangle", !canvas.OnlyIn(left, kWhite, kWhite));
        RECT right = {6, 0, kWidth, kHeight};
        check::True("... and nothing outside it", canvas.OnlyIn(right, kWhite, kWhite));
    }
}

void Icons(HINSTANCE instance) {
    Canvas canvas;
    HICON icon = static_cast<HICON>(LoadImage(instance, MAKEINTRESOURCE(104), IMAGE_ICON, 0, 0, 0));
    check::True("LoadImage loads an icon resource at its own size", icon != nullptr);
    check::True("DrawIconEx draws it", DrawIconEx(canvas.dc, 2, 2, icon, 0, 0, 0, nullptr, DI_NORMAL) != FALSE);
    check::Colour("... its opaque pixels in their colour", canvas.At(9, 9), RGB(132, 20, 20));
    check::Colour("... to its last column", canvas.At(15, 9), RGB(92, 104, 124));
    check::Colour("... and no further", canvas.At(16, 9), kWhite);
    check::Colour("... leaving its transparent corner", canvas.At(2, 2), kWhite);
    DestroyIcon(icon);
}

}  // namespace

int RunChecks(HINSTANCE instance, LPWSTR) {
    Extents();
    Backgrounds();
    Icons(instance);
    return check::Finish();
}
