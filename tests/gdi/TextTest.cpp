// Text the differential program tests/win32/text.cpp cannot compare with Wine, whose fonts
// differ: the cell sizes that heights and weights pick, and the device's smoothing rule.
#include <cwchar>
#include <set>

#include "GdiTest.h"

namespace gdi_test {
namespace {

class Text : public GdiTest {
protected:
    // A system font of this height, weight and quality, selected into a new 100 x 20 surface.
    HDC with_font(LONG height, LONG weight = FW_NORMAL, BYTE quality = DEFAULT_QUALITY) {
        HDC dc = surface(100, 20);
        LOGFONT logfont{};
        GetObject(GetStockObject(SYSTEM_FONT), sizeof logfont, &logfont);
        logfont.lfHeight = height, logfont.lfWeight = weight, logfont.lfQuality = quality;
        if (height) SelectObject(dc, CreateFontIndirect(&logfont));
        return dc;
    }

    SIZE extent(const wchar_t* text, LONG height = 0, LONG weight = FW_NORMAL) {
        SIZE size{};
        GetTextExtentPoint32(with_font(height, weight), text, static_cast<int>(wcslen(text)), &size);
        return size;
    }
};

TEST_F(Text, HeightAndWeightPickTheCellSize) {
    const SIZE small = extent(L"Memory", -11), large = extent(L"Memory", -12), bold = extent(L"Memory", -11, FW_BOLD);
    EXPECT_GT(small.cy, 11);
    EXPECT_GT(large.cy, small.cy);
    EXPECT_GT(large.cx, small.cx);
    EXPECT_EQ(bold.cy, small.cy);
    EXPECT_GT(bold.cx, small.cx);
    EXPECT_GT(extent(L"Memory", -11, FW_SEMIBOLD).cx, small.cx);
    // A positive height is the whole cell.
    EXPECT_EQ(extent(L"x", 15).cy, 15);
    EXPECT_EQ(extent(L"x", 20, FW_BOLD).cy, 20);
}

// Windows CE smooths a font that asks for it; the device's rule (the Fontsmoothing key)
// smooths every font that does not refuse it. The stock font follows the rule too.
TEST_F(Text, GlyphEdgesAreBlendedOnlyWhenTheFontOrTheDevicesRuleAsks) {
    using emu::FontSmoothing;
    const struct {
        FontSmoothing rule;
        BYTE quality;
        LONG height;
        bool smoothed;
    } cases[] = {
        {FontSmoothing::WhenAsked, DEFAULT_QUALITY, -13, false},
        {FontSmoothing::WhenAsked, ANTIALIASED_QUALITY, -13, true},
        {FontSmoothing::WhenAsked, DEFAULT_QUALITY, 0, false},  // the stock font
        {FontSmoothing::UnlessRefused, DEFAULT_QUALITY, -13, true},
        {FontSmoothing::UnlessRefused, NONANTIALIASED_QUALITY, -13, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.rule)) + " " + std::to_string(c.quality) + " " +
                     std::to_string(c.height));
        device.gdi = std::make_shared<emu::Gdi>(device, c.rule);
        HDC dc = with_font(c.height, FW_NORMAL, c.quality);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 0, 0));
        ExtTextOut(dc, 2, 2, 0, nullptr, L"Sky wave 8", 10, nullptr);
        std::set<COLORREF> colours;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 100; ++x) colours.insert(GetPixel(dc, x, y));
        EXPECT_TRUE(colours.count(RGB(255, 0, 0)));
        if (c.smoothed) EXPECT_GT(colours.size(), 2u);
        else EXPECT_EQ(colours, (std::set<COLORREF>{kWhite, RGB(255, 0, 0)}));
    }
}

}  // namespace
}  // namespace gdi_test
