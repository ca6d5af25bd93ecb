// Text smoothing: glyphs in the text colour only, unless the font's quality or the
// device's rule asks for smoothed edges.
#include <set>

#include "GdiTest.h"

namespace gdi_test {
namespace {

struct SmoothingCase {
    const char* name;
    emu::FontSmoothing rule;
    BYTE quality;
    bool smoothed;
};

class FontSmoothing : public GdiTest, public ::testing::WithParamInterface<SmoothingCase> {
protected:
    // The colours of red text drawn on white in a font of that quality.
    std::set<COLORREF> text_colours(BYTE quality) {
        HDC dc = surface(90, 20);
        LOGFONT logfont{};
        GetObject(GetStockObject(SYSTEM_FONT), sizeof logfont, &logfont);
        logfont.lfHeight = -13;
        logfont.lfQuality = quality;
        HFONT font = CreateFontIndirect(&logfont);
        HGDIOBJ previous = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 0, 0));
        ExtTextOut(dc, 2, 2, 0, nullptr, L"Sky wave 8", 10, nullptr);
        SelectObject(dc, previous);
        DeleteObject(font);
        std::set<COLORREF> colours;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 90; ++x) colours.insert(GetPixel(dc, x, y));
        return colours;
    }
};

TEST_P(FontSmoothing, GlyphEdgesAreBlendedOnlyWhenSmoothed) {
    const SmoothingCase& c = GetParam();
    device.gdi = std::make_shared<emu::Gdi>(device, c.rule);
    const std::set<COLORREF> colours = text_colours(c.quality);
    EXPECT_TRUE(colours.count(RGB(255, 0, 0)));
    if (c.smoothed) EXPECT_GT(colours.size(), 2u);
    else EXPECT_EQ(colours, (std::set<COLORREF>{RGB(255, 255, 255), RGB(255, 0, 0)}));
}

// Windows CE smooths a font that asks for it; the device's rule (the Fontsmoothing key)
// smooths every font that does not refuse it.
INSTANTIATE_TEST_SUITE_P(
    QualityAndRule, FontSmoothing,
    ::testing::Values(SmoothingCase{"DefaultOnRequest", emu::FontSmoothing::WhenAsked, DEFAULT_QUALITY, false},
                      SmoothingCase{"DraftOnRequest", emu::FontSmoothing::WhenAsked, DRAFT_QUALITY, false},
                      SmoothingCase{"ProofOnRequest", emu::FontSmoothing::WhenAsked, PROOF_QUALITY, false},
                      SmoothingCase{"RefusedOnRequest", emu::FontSmoothing::WhenAsked, NONANTIALIASED_QUALITY, false},
                      SmoothingCase{"AskedOnRequest", emu::FontSmoothing::WhenAsked, ANTIALIASED_QUALITY, true},
                      SmoothingCase{"DefaultEverywhere", emu::FontSmoothing::UnlessRefused, DEFAULT_QUALITY, true},
                      SmoothingCase{"ProofEverywhere", emu::FontSmoothing::UnlessRefused, PROOF_QUALITY, true},
                      SmoothingCase{"RefusedEverywhere", emu::FontSmoothing::UnlessRefused, NONANTIALIASED_QUALITY,
                                    false},
                      SmoothingCase{"AskedEverywhere", emu::FontSmoothing::UnlessRefused, ANTIALIASED_QUALITY, true}),
    [](const auto& info) { return std::string(info.param.name); });

using StockFont = GdiTest;

// The stock font follows the device's rule too.
TEST_F(StockFont, IsDrawnUnsmoothedOnADeviceThatDoesNotAsk) {
    HDC dc = surface(60, 20);
    SetBkMode(dc, TRANSPARENT);
    ExtTextOut(dc, 2, 2, 0, nullptr, L"Wag 42", 6, nullptr);
    std::string pixels;
    for (const auto& row : picture(dc, 60, 20)) pixels += row;
    EXPECT_EQ(pixels.find('?'), std::string::npos);
    EXPECT_NE(pixels.find('#'), std::string::npos);
}

}  // namespace
}  // namespace gdi_test
