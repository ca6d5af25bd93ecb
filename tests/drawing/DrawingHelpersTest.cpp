// The program's drawing helpers: their exact pixels, and that they leave the DC as they
// found it.
#include "gdi/GdiTest.h"

#include <functional>

#include "device/DeviceStatus.h"
#include "ui/Colours.h"
#include "ui/DrawingHelpers.h"

namespace {

using gdi_test::Picture;

using gdi_test::kGrey;
const COLORREF kFill = RGB(0, 0, 255);

class DrawingHelpers : public gdi_test::GdiTest {
protected:
    DrawingHelpers() { device.status = std::make_shared<emu::DeviceStatus>(device); }

    HFONT make_font(LONG height, LONG weight) {
        LOGFONT font{};
        GetObject(GetStockObject(SYSTEM_FONT), sizeof font, &font);
        font.lfHeight = height;
        font.lfWeight = weight;
        return CreateFontIndirect(&font);
    }

    // The picture of `text` drawn transparently in black by ExtTextOut in `font`.
    Picture text_in(HFONT font, const wchar_t* text) {
        HDC dc = surface(80, 20);
        HGDIOBJ previous = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        ExtTextOut(dc, 2, 3, 0, nullptr, text, static_cast<UINT>(wcslen(text)), nullptr);
        SelectObject(dc, previous);
        DeleteObject(font);
        return picture(dc, 80, 20);
    }
};

TEST_F(DrawingHelpers, EachShapeDrawsItsPixels) {
    const struct {
        const char* name;
        std::function<void(HDC)> draw;
        Picture picture;
    } shapes[] = {
        {"white frame", [](HDC dc) { DrawWhiteFrame(dc, 0, 0, 12, 12); },
         {"gggg....gggg", "gg...gg...gg", "g..gggggg..g", "g.gggggggg.g", "..gggggggg..", ".gggggggggg.",
          ".gggggggggg.", "..gggggggg..", "g.gggggggg.g", "g..gggggg..g", "gg....g...gg", "gggg....gggg"}},
        {"panel", [](HDC dc) { DrawPanel(dc, 0, 0, 14, 14, kFill); },
         {"gggg......gggg", "gg..######..gg", "g.##bbbbbb##.g", "g.#bbbbbbbb#.g", ".#bbbbbbbbbb#.",
          ".#bbbbbbbbbb#.", ".#bbbbbbbbbb#.", ".#bbbbbbbbbb#.", ".#bbbbbbbbbb#.", ".#bbbbbbbbbb#.",
          "g.#bbbbbbbb#.g", "g.##bbbbbb##.g", "gg..######..gg", "gggg......gggg"}},
        {"cornerless frame", [](HDC dc) { DrawCornerlessFrame(dc, 0, 0, 4, 3, RGB(0, 0, 0)); }, {"g##g", "#gg#", "g##g"}},
        {"soft rectangle, filled to its edges in its colour, its corners left out",
         [](HDC dc) {
             HPEN white = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
             HGDIOBJ previous = SelectObject(dc, white);
             FillSoftRect(dc, 0, 0, 5, 4, kFill);
             DeleteObject(SelectObject(dc, previous));
         },
         {"gbbbg", "bbbbb", "bbbbb", "gbbbg"}},
    };
    for (const auto& shape : shapes) {
        SCOPED_TRACE(shape.name);
        const int width = static_cast<int>(shape.picture[0].size()), height = static_cast<int>(shape.picture.size());
        HDC dc = surface(width, height, kGrey);
        shape.draw(dc);
        EXPECT_EQ(picture(dc, width, height), shape.picture);
    }
    // Over the whole bar the frame leaves the corner and sets the cut pixels.
    HDC dc = surface(240, 258, kGrey);
    DrawWhiteFrame(dc, 0, 0, 240, 258);
    EXPECT_EQ(GetPixel(dc, 0, 0), kGrey);
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 237, 2), RGB(255, 255, 255));
}

TEST_F(DrawingHelpers, EveryHelperLeavesTheDcAsItFoundItAndNothingAlive) {
    const std::vector<std::function<void(HDC)>> helpers = {
        [](HDC dc) { DrawLabel(dc, L"Label", 1, 1, 1, RGB(1, 2, 3)); },
        [](HDC dc) { DrawLabel(dc, L"Label", 0, 1, 1, RGB(1, 2, 3)); },
        [](HDC dc) { DrawWhiteFrame(dc, 0, 0, 30, 20); },
        [](HDC dc) { DrawPanel(dc, 0, 0, 30, 20, kPanelColour); },
        [](HDC dc) { DrawCornerlessFrame(dc, 0, 0, 30, 20, kDividerColour); },
        [](HDC dc) { FillSoftRect(dc, 0, 0, 30, 20, kMenuHighlightColour); },
    };
    HDC dc = surface(30, 20);
    const std::size_t surface_only = gdi().live_objects();
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(9, 9, 9));
    HBRUSH brush = CreateSolidBrush(RGB(8, 8, 8));
    HFONT font = make_font(-14, FW_NORMAL);
    HGDIOBJ previous[] = {SelectObject(dc, pen), SelectObject(dc, brush), SelectObject(dc, font)};
    SetTextColor(dc, RGB(7, 7, 7));
    const std::size_t alive = gdi().live_objects();
    for (std::size_t i = 0; i < helpers.size(); ++i) {
        SCOPED_TRACE("helper " + std::to_string(i));
        helpers[i](dc);
        EXPECT_EQ(std::make_tuple(GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH),
                                  GetCurrentObject(dc, OBJ_FONT), GetTextColor(dc), GetBkMode(dc), gdi().live_objects()),
                  std::make_tuple(HGDIOBJ(pen), HGDIOBJ(brush), HGDIOBJ(font), RGB(7, 7, 7), OPAQUE, alive));
    }
    for (HGDIOBJ object : previous) DeleteObject(SelectObject(dc, object));
    EXPECT_EQ(gdi().live_objects(), surface_only);
}

TEST_F(DrawingHelpers, APlainLabelUsesTheDcsFontAnEmphasisedOneTheLabelFontOfTheDevicesLanguage) {
    HDC dc = surface(80, 20);
    HFONT font = make_font(-14, FW_NORMAL);
    HGDIOBJ previous = SelectObject(dc, font);
    DrawLabel(dc, L"Plain", 0, 2, 3, RGB(0, 0, 0));
    SelectObject(dc, previous);
    EXPECT_EQ(picture(dc, 80, 20), text_in(make_font(-14, FW_NORMAL), L"Plain"));
    DeleteObject(font);

    // Not the device's first language, English, whose label font the table below gives.
    device.status->set_language(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    HDC labelled = surface(80, 20);
    DrawLabel(labelled, L"Memory", 1, 2, 3, RGB(0, 0, 0));
    EXPECT_EQ(picture(labelled, 80, 20), text_in(make_font(-12, FW_NORMAL), L"Memory"));
}

TEST_F(DrawingHelpers, TheLabelFontIsBoldEightPointsOrForEastAsianLanguagesRegularNineAtTheDcsResolution) {
    const struct {
        LANGID language;
        int dpi;
        LONG weight, height;
    } cases[] = {
        {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 96, FW_BOLD, -11},
        {MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 96, FW_NORMAL, -12},
        {MAKELANGID(LANG_CHINESE, 0x02), 96, FW_NORMAL, -12},
        {MAKELANGID(LANG_KOREAN, SUBLANG_DEFAULT), 96, FW_NORMAL, -12},
        {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 120, FW_BOLD, -13},  // 120 x 8 / 72 = 13.3
        {MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 120, FW_NORMAL, -15},  // 120 x 9 / 72 = 15
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.language) + " at " + std::to_string(c.dpi));
        LOGFONT font{};
        BuildLabelFont(c.language, c.dpi, &font);
        EXPECT_EQ(font.lfWeight, c.weight);
        EXPECT_EQ(font.lfHeight, c.height);
        EXPECT_STREQ(font.lfFaceName, L"DejaVu Sans");
    }
}

}  // namespace
