// Text: measuring, drawing in the DC's colours and modes, clipping and spacing.
#include <cwchar>

#include "GdiTest.h"

namespace gdi_test {
namespace {

class Text : public GdiTest {
protected:
    // The extent of `text` in a system font of this height, weight and quality.
    SIZE extent(const wchar_t* text, LONG height = 0, LONG weight = FW_NORMAL, HDC dc = nullptr) {
        dc = dc ? dc : surface(1, 1);
        HGDIOBJ previous = height ? SelectObject(dc, font(height, weight)) : nullptr;
        SIZE size{};
        GetTextExtentPoint32(dc, text, static_cast<int>(wcslen(text)), &size);
        if (previous) DeleteObject(SelectObject(dc, previous));
        return size;
    }

    static HFONT font(LONG height, LONG weight, BYTE quality = DEFAULT_QUALITY) {
        LOGFONT logfont{};
        GetObject(GetStockObject(SYSTEM_FONT), sizeof logfont, &logfont);
        logfont.lfHeight = height, logfont.lfWeight = weight, logfont.lfQuality = quality;
        return CreateFontIndirect(&logfont);
    }

    // The bounds of the pixels that differ from white.
    static RECT inked(HDC dc, int width, int height) {
        RECT bounds{width, height, 0, 0};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (GetPixel(dc, x, y) != kWhite)
                    bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                              std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
        return bounds;
    }
};

TEST_F(Text, HeightAndWeightPickTheSizeAndWidthIsTheSumOfTheCharacters) {
    const SIZE small = extent(L"Memory", -11), large = extent(L"Memory", -12), bold = extent(L"Memory", -11, FW_BOLD);
    EXPECT_GT(small.cy, 11);
    EXPECT_GT(large.cy, small.cy);
    EXPECT_GT(large.cx, small.cx);
    EXPECT_EQ(bold.cy, small.cy);
    EXPECT_GT(bold.cx, small.cx);
    // A positive height is the whole cell.
    EXPECT_EQ(extent(L"x", 15).cy, 15);
    EXPECT_EQ(extent(L"x", 20, FW_BOLD).cy, 20);
    EXPECT_EQ(extent(L"ab").cx, extent(L"a").cx + extent(L"b").cx);
    EXPECT_EQ(extent(L"").cx, 0);
}

TEST_F(Text, BackgroundsFillTheCellOrTheRectangleAndEtoClippedKeepsTheTextInIt) {
    HDC dc = surface(40, 20);
    SetBkColor(dc, RGB(0, 0, 255));
    ExtTextOut(dc, 3, 2, 0, nullptr, L"  ", 2, nullptr);
    const SIZE cell = extent(L"  ", 0, 0, dc);
    const Picture drawn = picture(dc, 40, 20);
    EXPECT_EQ(drawn[2][3], 'b');
    EXPECT_EQ(drawn[2 + cell.cy - 1][3 + cell.cx - 1], 'b');
    EXPECT_EQ(drawn[2 + cell.cy][3], '.');
    EXPECT_EQ(drawn[2][3 + cell.cx], '.');
    EXPECT_EQ(drawn[1][3], '.');

    dc = surface(40, 20);
    SetBkMode(dc, TRANSPARENT);
    RECT left_half{0, 0, 6, 20};
    ExtTextOut(dc, 0, 0, ETO_CLIPPED, &left_half, L"WWW", 3, nullptr);
    EXPECT_LE(inked(dc, 40, 20).right, 6);
    RECT box{30, 10, 34, 12};
    SetBkColor(dc, kBlack);
    ExtTextOut(dc, 0, 0, ETO_OPAQUE, &box, L"", 0, nullptr);
    EXPECT_EQ(picture(dc, 40, 20)[11].substr(29, 6), ".####.");
}

TEST_F(Text, TransparentTextDrawsOnlyItsGlyphsInTheTextColourWhereTheSpacingPutsThem) {
    HDC dc = surface(60, 30);
    HGDIOBJ previous = SelectObject(dc, font(-12, FW_NORMAL, NONANTIALIASED_QUALITY));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 0, 0));
    ExtTextOut(dc, 5, 4, 0, nullptr, L"Hg", 2, nullptr);
    const SIZE cell = extent(L"Hg", 0, 0, dc);
    const RECT ink = inked(dc, 60, 30);
    EXPECT_GE(ink.left, 5);
    EXPECT_GE(ink.top, 4);
    EXPECT_LE(ink.right, 5 + cell.cx);
    EXPECT_LE(ink.bottom, 4 + cell.cy);
    EXPECT_GT(ink.bottom - ink.top, 9);  // from the H's top to the g's tail
    for (const auto& row : picture(dc, 60, 30)) EXPECT_EQ(row.find_first_not_of(".r"), std::string::npos) << row;
    DeleteObject(SelectObject(dc, previous));

    dc = surface(60, 20);
    SetBkMode(dc, TRANSPARENT);
    const int spacing[] = {30, 0};
    ExtTextOut(dc, 0, 0, 0, nullptr, L"ll", 2, spacing);
    const RECT spaced = inked(dc, 60, 20);
    EXPECT_GE(spaced.right - spaced.left, 30);
}

}  // namespace
}  // namespace gdi_test
