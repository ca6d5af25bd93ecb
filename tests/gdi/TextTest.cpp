// Text: measuring, drawing in the DC's colours and modes, clipping.
#include <cwchar>

#include "GdiTest.h"

namespace gdi_test {
namespace {

class Text : public GdiTest {
protected:
    HFONT make_font(LONG height, LONG weight, BYTE quality = DEFAULT_QUALITY) {
        LOGFONT logfont{};
        GetObject(GetStockObject(SYSTEM_FONT), sizeof logfont, &logfont);
        logfont.lfHeight = height;
        logfont.lfWeight = weight;
        logfont.lfQuality = quality;
        return CreateFontIndirect(&logfont);
    }

    SIZE extent(HDC dc, const wchar_t* text) {
        SIZE size{};
        GetTextExtentPoint32(dc, text, static_cast<int>(wcslen(text)), &size);
        return size;
    }

    SIZE extent_in(HFONT font, const wchar_t* text) {
        HDC dc = surface(1, 1);
        HGDIOBJ previous = SelectObject(dc, font);
        SIZE size = extent(dc, text);
        SelectObject(dc, previous);
        DeleteObject(font);
        return size;
    }

    // The bounds of the pixels that differ from white.
    static RECT inked(HDC dc, int width, int height) {
        RECT bounds{width, height, 0, 0};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (GetPixel(dc, x, y) != RGB(255, 255, 255)) {
                    bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                              std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
                }
        return bounds;
    }
};

TEST_F(Text, CharacterHeightAndWeightPickTheSize) {
    const SIZE small = extent_in(make_font(-11, FW_NORMAL), L"Memory");
    const SIZE large = extent_in(make_font(-12, FW_NORMAL), L"Memory");
    const SIZE bold = extent_in(make_font(-11, FW_BOLD), L"Memory");
    EXPECT_GT(small.cy, 11);
    EXPECT_GT(large.cy, small.cy);
    EXPECT_GT(large.cx, small.cx);
    EXPECT_EQ(bold.cy, small.cy);
    EXPECT_GT(bold.cx, small.cx);
}

TEST_F(Text, PositiveHeightIsTheWholeCell) {
    EXPECT_EQ(extent_in(make_font(15, FW_NORMAL), L"x").cy, 15);
    EXPECT_EQ(extent_in(make_font(20, FW_BOLD), L"x").cy, 20);
}

TEST_F(Text, WidthIsTheSumOfTheCharacters) {
    HDC dc = surface(1, 1);
    EXPECT_EQ(extent(dc, L"ab").cx, extent(dc, L"a").cx + extent(dc, L"b").cx);
    EXPECT_EQ(extent(dc, L"").cx, 0);
}

TEST_F(Text, OpaqueModeFillsTheCellWithTheBackgroundColour) {
    HDC dc = surface(40, 20);
    SetBkColor(dc, RGB(0, 0, 255));
    ExtTextOut(dc, 3, 2, 0, nullptr, L"  ", 2, nullptr);
    const SIZE cell = extent(dc, L"  ");
    const Legend blue{{RGB(255, 255, 255), '.'}, {RGB(0, 0, 255), 'b'}};
    const Picture drawn = picture(dc, 40, 20, blue);
    EXPECT_EQ(drawn[2][3], 'b');
    EXPECT_EQ(drawn[2 + cell.cy - 1][3 + cell.cx - 1], 'b');
    EXPECT_EQ(drawn[2 + cell.cy][3], '.');
    EXPECT_EQ(drawn[2][3 + cell.cx], '.');
    EXPECT_EQ(drawn[1][3], '.');
}

TEST_F(Text, TransparentTextDrawsOnlyItsGlyphsInTheTextColourInsideItsCell) {
    HDC dc = surface(60, 30);
    HFONT font = make_font(-12, FW_NORMAL, NONANTIALIASED_QUALITY);
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 0, 0));
    ExtTextOut(dc, 5, 4, 0, nullptr, L"Hg", 2, nullptr);
    const SIZE cell = extent(dc, L"Hg");
    const RECT ink = inked(dc, 60, 30);
    EXPECT_GE(ink.left, 5);
    EXPECT_GE(ink.top, 4);
    EXPECT_LE(ink.right, 5 + cell.cx);
    EXPECT_LE(ink.bottom, 4 + cell.cy);
    EXPECT_GT(ink.bottom - ink.top, 9);  // from the H's top to the g's tail
    const Legend red{{RGB(255, 255, 255), '.'}, {RGB(255, 0, 0), 'r'}};
    for (const auto& row : picture(dc, 60, 30, red)) EXPECT_EQ(row.find('?'), std::string::npos) << row;
    SelectObject(dc, previous);
    DeleteObject(font);
}

TEST_F(Text, EtoOpaqueFillsTheRectangleAndEtoClippedKeepsTheTextInIt) {
    HDC dc = surface(40, 20);
    SetBkMode(dc, TRANSPARENT);
    RECT left_half{0, 0, 6, 20};
    ExtTextOut(dc, 0, 0, ETO_CLIPPED, &left_half, L"WWW", 3, nullptr);
    EXPECT_LE(inked(dc, 40, 20).right, 6);
    RECT box{30, 10, 34, 12};
    SetBkColor(dc, RGB(0, 0, 0));
    ExtTextOut(dc, 0, 0, ETO_OPAQUE, &box, L"", 0, nullptr);
    EXPECT_EQ(GetPixel(dc, 30, 10), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 33, 11), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 34, 11), RGB(255, 255, 255));
}

TEST_F(Text, SpacingArrayPlacesEachCharacter) {
    HDC dc = surface(60, 20);
    SetBkMode(dc, TRANSPARENT);
    const int spacing[] = {30, 0};
    ExtTextOut(dc, 0, 0, 0, nullptr, L"ll", 2, spacing);
    const RECT ink = inked(dc, 60, 20);
    EXPECT_GE(ink.right - ink.left, 30);
}

}  // namespace
}  // namespace gdi_test
