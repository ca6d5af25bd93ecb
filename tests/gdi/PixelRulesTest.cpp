// The platform's raster rules, each drawn on a tiny bitmap and read back pixel by pixel.
#include "GdiTest.h"

namespace gdi_test {
namespace {

const Legend kOnGrey{{RGB(128, 128, 128), 'g'}, {RGB(255, 255, 255), '.'}, {RGB(0, 0, 0), '#'}};

class PixelRules : public GdiTest {};

TEST_F(PixelRules, PolylineLeavesOutItsLastPointAndDrawsEachVertexOnce) {
    HDC dc = surface(6, 3);
    const POINT path[] = {{5, 0}, {5, 2}, {1, 2}};
    ASSERT_TRUE(Polyline(dc, path, 3));
    EXPECT_EQ(picture(dc, 6, 3), (Picture{".....#", ".....#", "..####"}));
}

TEST_F(PixelRules, SlantedLineLeavesOutItsLastPoint) {
    HDC dc = surface(4, 4);
    const POINT diagonal[] = {{0, 0}, {3, 3}};
    Polyline(dc, diagonal, 2);
    EXPECT_EQ(picture(dc, 4, 4), (Picture{"#...", ".#..", "..#.", "...."}));
}

TEST_F(PixelRules, ShapesReachingFarBeyondTheSurfaceDrawTheirVisiblePart) {
    HDC dc = surface(4, 4);
    const POINT diagonal[] = {{-1000000000, -1000000000}, {1000000000, 1000000000}};
    Polyline(dc, diagonal, 2);
    EXPECT_EQ(picture(dc, 4, 4), (Picture{"#...", ".#..", "..#.", "...#"}));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Rectangle(dc, -2000000000, 2, 2000000000, 2000000000);
    EXPECT_EQ(picture(dc, 4, 4), (Picture{"#...", ".#..", "####", "####"}));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    RoundRect(dc, -1000000000, -1000000000, 1000000000, 1000000000, 2000000000, 2000000000);
    EXPECT_EQ(picture(dc, 4, 4), (Picture{"....", "....", "....", "...."}));
}

TEST_F(PixelRules, LineToDrawsFromTheCurrentPositionAndMovesIt) {
    HDC dc = surface(6, 4);
    MoveToEx(dc, 1, 1, nullptr);
    LineTo(dc, 4, 1);
    LineTo(dc, 4, 3);
    POINT previous{};
    MoveToEx(dc, 0, 0, &previous);
    EXPECT_EQ(previous.x, 4);
    EXPECT_EQ(previous.y, 3);
    EXPECT_EQ(picture(dc, 6, 4), (Picture{"......", ".####.", "....#.", "......"}));
}

TEST_F(PixelRules, NullPenDrawsNoLine) {
    HDC dc = surface(4, 1);
    SelectObject(dc, GetStockObject(NULL_PEN));
    const POINT line[] = {{0, 0}, {4, 0}};
    Polyline(dc, line, 2);
    EXPECT_EQ(picture(dc, 4, 1), (Picture{"...."}));
}

TEST_F(PixelRules, RectangleOutlineLiesInsideAndLeavesOutRightAndBottom) {
    HDC dc = surface(6, 5, RGB(128, 128, 128));
    Rectangle(dc, 1, 1, 5, 4);
    EXPECT_EQ(picture(dc, 6, 5, kOnGrey), (Picture{"gggggg", "g####g", "g#..#g", "g####g", "gggggg"}));
}

TEST_F(PixelRules, RectangleWithNullPenIsOnePixelSmallerAndAllFilled) {
    HDC dc = surface(6, 5, RGB(128, 128, 128));
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 1, 1, 5, 4);
    EXPECT_EQ(picture(dc, 6, 5, kOnGrey), (Picture{"gggggg", "g...gg", "g...gg", "gggggg", "gggggg"}));
}

TEST_F(PixelRules, RectangleWithNullBrushDrawsOnlyItsOutline) {
    HDC dc = surface(5, 4, RGB(128, 128, 128));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 4, 3, 0, 0);  // corners given in either order
    EXPECT_EQ(picture(dc, 5, 4, kOnGrey), (Picture{"####g", "#gg#g", "####g", "ggggg"}));
}

TEST_F(PixelRules, RoundRectWithTwoByTwoCornersLeavesExactlyTheFourCornerPixels) {
    HDC dc = surface(5, 4, RGB(128, 128, 128));
    RoundRect(dc, 0, 0, 5, 4, 2, 2);
    EXPECT_EQ(picture(dc, 5, 4, kOnGrey), (Picture{"g###g", "#...#", "#...#", "g###g"}));
}

TEST_F(PixelRules, RoundRectCornersAreQuarterEllipsesOfTheGivenWidthAndHeight) {
    HDC dc = surface(12, 12, RGB(128, 128, 128));
    RoundRect(dc, 0, 0, 12, 12, 9, 9);
    EXPECT_EQ(picture(dc, 12, 12, kOnGrey), (Picture{"gggg####gggg", "gg##....##gg", "g#........#g", "g#........#g",
                                                      "#..........#", "#..........#", "#..........#", "#..........#",
                                                      "g#........#g", "g#........#g", "gg##....##gg", "gggg####gggg"}));
}

TEST_F(PixelRules, RoundRectCornersLargerThanTheRectangleAreCutToIt) {
    HDC clamped = surface(7, 5);
    HDC exact = surface(7, 5);
    RoundRect(clamped, 1, 1, 6, 4, 40, 30);
    RoundRect(exact, 1, 1, 6, 4, 5, 3);
    EXPECT_EQ(picture(clamped, 7, 5), picture(exact, 7, 5));
    EXPECT_NE(picture(exact, 7, 5)[2], ".......");
}

TEST_F(PixelRules, FillRectLeavesOutRightAndBottom) {
    HDC dc = surface(4, 4);
    RECT rect{1, 1, 3, 3};
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(picture(dc, 4, 4), (Picture{"....", ".##.", ".##.", "...."}));
}

TEST_F(PixelRules, PixelsKeepTheirColourAndAreStoredAsRgb) {
    HDC dc = gdi().create_screen_dc({0, 0}, emu::Region(RECT{0, 0, 240, 320}));
    EXPECT_EQ(SetPixel(dc, 3, 2, RGB(10, 20, 30)), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(dc, 3, 2), RGB(10, 20, 30));
    EXPECT_EQ(gdi().framebuffer()[2 * emu::Gdi::kScreenWidth + 3], 0x000A141Eu);
    gdi().release_dc(dc);
}

}  // namespace
}  // namespace gdi_test
