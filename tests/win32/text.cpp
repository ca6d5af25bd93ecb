// Text: a fresh DC draws text opaquely; ExtTextOut fills the text's cell with the background
// colour in OPAQUE mode and not in TRANSPARENT mode, ETO_OPAQUE fills the whole rectangle,
// ETO_CLIPPED keeps the text inside it, a spacing array places the characters;
// GetTextExtentPoint32 adds up the characters' widths; on Windows CE text is drawn in the
// text colour only. The fonts differ between platforms, so the checks hold for any font.
// DrawIconEx draws an icon at its own size with its transparency, blending partly transparent
// pixels as premultiplied colours.
#include "PaintedWindows.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kGreen = RGB(0, 160, 0);
const int kWidth = 80, kHeight = 30;
const RECT kAll = {0, 0, kWidth, kHeight};

// A canvas for text in black on green.
struct TextCanvas : painted::Canvas {
    TextCanvas() : Canvas(kWidth, kHeight) {
        SetTextColor(dc, kBlack);
        SetBkColor(dc, kGreen);
    }
    SIZE Extent(const WCHAR* text, int count) const {
        SIZE size = {0, 0};
        GetTextExtentPoint32(dc, text, count, &size);
        return size;
    }
    // The cell of "ab" drawn at (2, 2) in the mode.
    RECT DrawAB(int mode) {
        SetBkMode(dc, mode);
        ExtTextOut(dc, 2, 2, 0, nullptr, L"ab", 2, nullptr);
        SIZE size = Extent(L"ab", 2);
        return RECT{2, 2, 2 + size.cx, 2 + size.cy};
    }
};

void Extents() {
    TextCanvas canvas;
    SIZE a = canvas.Extent(L"a", 1), b = canvas.Extent(L"b", 1), ab = canvas.Extent(L"ab", 2);
    check::True("a character has a width and a height", a.cx > 0 && a.cy > 0);
    check::Equal("the extent of two characters is the sum of theirs", ab.cx, a.cx + b.cx);
    check::Equal("... at the same height", ab.cy, a.cy);
    check::Equal("only the count of characters given is measured", canvas.Extent(L"abc", 2).cx, ab.cx);
    check::Equal("an empty string has no width", canvas.Extent(L"", 0).cx, 0);
}

void Backgrounds() {
    {
        TextCanvas canvas;
        check::Equal("a fresh DC is in OPAQUE mode", GetBkMode(canvas.dc), OPAQUE);
        RECT cell = canvas.DrawAB(GetBkMode(canvas.dc));
        check::Equal("OPAQUE fills the cell's top-left with the background colour", canvas.At(2, 2), kGreen);
        check::Equal("... up to its bottom-right", canvas.At(cell.right - 1, cell.bottom - 1), kGreen);
        check::Equal("... and no further right", canvas.At(cell.right, 2), kWhite);
        check::Equal("... nor below", canvas.At(2, cell.bottom), kWhite);
        check::True("the text is drawn in the text colour", canvas.Count(cell, kBlack) > 0);
    }
    {
        TextCanvas canvas;
        RECT cell = canvas.DrawAB(TRANSPARENT);
        check::Equal("TRANSPARENT leaves the background", canvas.Count(cell, kGreen), 0);
        check::True("... and draws the text", canvas.Count(cell, kBlack) > 0);
        // Windows CE draws text in the text colour only unless the font asks for smoothing;
        // desktop Windows may smooth it.
        if (check::CeOnly("text pixels are in the text colour only"))
            check::Equal("text pixels are in the text colour only",
                         canvas.Count(cell, kWhite) + canvas.Count(cell, kBlack), (cell.right - 2) * (cell.bottom - 2));
    }
    {
        TextCanvas canvas;
        SetBkMode(canvas.dc, TRANSPARENT);
        ExtTextOut(canvas.dc, 2, 2, ETO_OPAQUE, &kAll, L"a", 1, nullptr);
        check::Equal("ETO_OPAQUE fills the whole rectangle in any mode", canvas.At(kWidth - 1, kHeight - 1), kGreen);
    }
    {
        TextCanvas canvas;
        SetBkMode(canvas.dc, TRANSPARENT);
        const RECT left = {0, 0, 6, kHeight}, right = {6, 0, kWidth, kHeight};
        ExtTextOut(canvas.dc, 2, 2, ETO_CLIPPED, &left, L"WWWW", 4, nullptr);
        check::True("ETO_CLIPPED draws inside the rectangle", canvas.Count(left, kBlack) > 0);
        check::Equal("... and nothing outside it", canvas.Count(right, kWhite), (kWidth - 6) * kHeight);
    }
    {
        TextCanvas canvas;
        SetBkMode(canvas.dc, TRANSPARENT);
        const INT spacing[] = {50, 0};
        ExtTextOut(canvas.dc, 2, 2, 0, nullptr, L"ll", 2, spacing);
        check::True("a spacing array places the second character",
                    canvas.Count(RECT{52, 0, kWidth, kHeight}, kBlack) > 0);
        check::Equal("... and nothing between", canvas.Count(RECT{20, 0, 52, kHeight}, kWhite), 32 * kHeight);
    }
}

void Icons(HINSTANCE instance) {
    painted::Canvas canvas(kWidth, kHeight);
    HICON icon = static_cast<HICON>(LoadImage(instance, MAKEINTRESOURCE(104), IMAGE_ICON, 0, 0, 0));
    check::True("LoadImage loads an icon resource at its own size", icon != nullptr);
    check::True("DrawIconEx draws it", DrawIconEx(canvas.dc, 2, 2, icon, 0, 0, 0, nullptr, DI_NORMAL) != FALSE);
    painted::CheckPixels(canvas, {
        {"... its opaque pixels in their colour", 9, 9, RGB(132, 20, 20)},
        {"... to its last column", 15, 9, RGB(92, 104, 124)},
        {"... and no further", 16, 9, kWhite},
        {"... leaving its transparent corner", 2, 2, kWhite},
    });
    DestroyIcon(icon);

    // Over grey, a pixel of alpha 1 adds its colour premultiplied, which rounds to nothing, to
    // the grey scaled by 254/255, a step darker; mixed in one rounding the grey would stay.
    const COLORREF kGrey = RGB(128, 128, 128);
    painted::Canvas grey(2, 1);
    painted::Fill(grey.dc, RECT{0, 0, 2, 1}, kGrey);
    icon = static_cast<HICON>(LoadImage(instance, MAKEINTRESOURCE(105), IMAGE_ICON, 0, 0, 0));
    DrawIconEx(grey.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    painted::CheckPixels(grey, {
        {"an icon's colour and the background each rounded", 0, 0, RGB(127, 127, 127)},
        {"half of red over grey", 1, 0, RGB(192, 64, 64)},
    });
    DestroyIcon(icon);
}

}  // namespace

int RunChecks(HINSTANCE instance, LPWSTR) {
    Extents();
    Backgrounds();
    Icons(instance);
    return check::Finish();
}
