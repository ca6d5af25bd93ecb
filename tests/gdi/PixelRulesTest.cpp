// Raster rules the differential program tests/win32/shapes.cpp cannot compare with Wine,
// each drawn on a tiny bitmap and read back pixel by pixel: coordinates far beyond the
// surface, the shapes of rounded corners, copies from beyond the source, refused raster
// operations, icons with alpha, and screen DCs over the framebuffer.
#include "GdiTest.h"

namespace gdi_test {
namespace {

class PixelRules : public GdiTest {};

TEST_F(PixelRules, EachDrawingCoversExactlyItsPixels) {
    struct Case {
        const char* what;
        int width, height;
        COLORREF background;
        std::function<void(HDC)> draw;
        Picture expected;
    };
    auto icon = [this](int width, std::vector<std::uint32_t> argb, int x, int y, HBRUSH behind = nullptr, int cx = 0) {
        return [=, this](HDC dc) {
            HICON made = gdi().create_icon(width, static_cast<int>(argb.size()) / width, argb);
            EXPECT_TRUE(DrawIconEx(dc, x, y, made, cx, 0, 0, behind, DI_NORMAL));
            DestroyIcon(made);
        };
    };
    const auto black_brush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const int huge = 2000000000;
    const Case cases[] = {
        {"a line from far beyond the surface draws its visible part", 4, 4, kWhite,
         [](HDC dc) {
             const POINT far[] = {{-huge / 2, -huge / 2}, {huge / 2, huge / 2}};
             EXPECT_TRUE(Polyline(dc, far, 2));
         },
         {"#...", ".#..", "..#.", "...#"}},
        {"a rectangle reaching far beyond the surface", 4, 4, kWhite,
         [&](HDC dc) { SelectObject(dc, black_brush), Rectangle(dc, -huge, 2, huge, huge); },
         {"....", "....", "####", "####"}},
        {"a rounded rectangle with huge corners far beyond the surface", 4, 4, kGrey,
         [&](HDC dc) { RoundRect(dc, -huge / 2, -huge / 2, huge / 2, huge / 2, huge, huge); },
         {"....", "....", "....", "...."}},
        {"two by two corners leave out exactly the four corner pixels", 5, 4, kGrey,
         [](HDC dc) { RoundRect(dc, 0, 0, 5, 4, 2, 2); }, {"g###g", "#...#", "#...#", "g###g"}},
        {"corners are quarter ellipses of the given width and height, outlined where a row meets the next", 13, 13,
         kGrey, [](HDC dc) { RoundRect(dc, 0, 0, 13, 13, 11, 11); },
         {"ggg#######ggg", "gg#.......#gg", "g#.........#g", "#...........#", "#...........#", "#...........#",
          "#...........#", "#...........#", "#...........#", "#...........#", "g#.........#g", "gg#.......#gg",
          "ggg#######ggg"}},
        {"corners larger than the rectangle are cut to it", 7, 5, kWhite,
         [](HDC dc) { RoundRect(dc, 1, 1, 6, 4, 40, 30); }, {".......", "..###..", ".#...#.", "..###..", "......."}},
        {"BitBlt copies only what the source has", 4, 2, kWhite,
         [&](HDC dc) { BitBlt(dc, 0, 0, 4, 2, surface(2, 2, kBlack), -1, 0, SRCCOPY); }, {".##.", ".##."}},
        {"other raster operations are refused and logged", 1, 1, kWhite,
         [&](HDC dc) { EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, surface(1, 1, kBlack), 0, 0, 0x00EE0086)); }, {"."}},
        {"an icon blends by alpha and skips its transparent pixels", 4, 1, kWhite,
         icon(3, {0x00000000, 0xFFFF0000, 0x800000FF}, 1, 0), {"..rp"}},
        {"an icon is clipped at the edges", 2, 2, kWhite, icon(2, std::vector<std::uint32_t>(4, 0xFF000000), -1, 1),
         {"..", "#."}},
        {"the flicker-free brush fills behind the icon", 2, 1, kWhite, icon(2, {0x00000000, 0xFFFFFFFF}, 0, 0, black_brush),
         {"#."}},
        {"an icon that would have to be stretched is drawn at its own size and logged", 3, 1, kWhite,
         icon(1, {0xFF000000}, 0, 0, nullptr, 3), {"#.."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HDC dc = surface(c.width, c.height, c.background);
        c.draw(dc);
        EXPECT_EQ(picture(dc, c.width, c.height), c.expected);
    }
    EXPECT_EQ(device.log.events("fixme").size(), 2u);
    EXPECT_EQ(gdi().live_icons(), 0u);
}

// Screen DCs draw at their window's client origin and only inside their clip: the visible
// region of a window at (10, 20) whose child covers (14, 24)-(18, 28).
TEST_F(PixelRules, ScreenDcsDrawAtTheirOriginInsideTheirClipAndStoreRgb) {
    gdi().fill_screen(emu::Region(RECT{0, 0, 240, 320}), kWhite);
    emu::Region visible(RECT{10, 20, 22, 32});
    visible.subtract(RECT{14, 24, 18, 28});
    HDC dc = gdi().create_screen_dc({10, 20}, visible);
    RECT client{0, 0, 12, 12};
    const RECT part{1, 2, 3, 4};
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    FillRect(dc, &part, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    for (auto [x, y, colour] : {std::tuple{10, 20, 0u}, {21, 31, 0u}, {13, 27, 0u}, {18, 28, 0u}, {11, 21, 0u},
                                {11, 22, 0x808080u}, {12, 23, 0x808080u}, {13, 23, 0u}, {14, 24, 0xFFFFFFu},
                                {17, 27, 0xFFFFFFu}, {9, 20, 0xFFFFFFu}, {10, 32, 0xFFFFFFu}, {22, 20, 0xFFFFFFu}})
        EXPECT_EQ(screen(x, y), colour) << x << "," << y;
    EXPECT_EQ(GetPixel(dc, 0, 0), kBlack);
    EXPECT_EQ(GetPixel(dc, 4, 4), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, -1, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, 12, 0, kBlack), CLR_INVALID);
    EXPECT_EQ(screen(22, 20), 0xFFFFFFu);
    EXPECT_EQ(SetPixel(dc, 3, 2, RGB(10, 20, 30)), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(dc, 3, 2), RGB(10, 20, 30));
    EXPECT_EQ(screen(13, 22), 0x0A141Eu);
    gdi().release_dc(dc);
    gdi().fill_screen(emu::Region(RECT{0, 300, 240, 320}), RGB(0, 82, 140));
    EXPECT_EQ(screen(0, 299), 0xFFFFFFu);
    EXPECT_EQ(screen(239, 319), 0x00528Cu);
}

}  // namespace
}  // namespace gdi_test
