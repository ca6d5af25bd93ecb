// Screen DCs: their origin on the screen and their clip region.
#include "GdiTest.h"

namespace gdi_test {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000;

class Clipping : public GdiTest {
protected:
    Clipping() { gdi().fill_screen(emu::Region(RECT{0, 0, 240, 320}), RGB(255, 255, 255)); }

    std::uint32_t screen(int x, int y) { return gdi().framebuffer()[y * emu::Gdi::kScreenWidth + x]; }
};

TEST_F(Clipping, ScreenDcDrawsAtItsOriginOnlyInsideItsClip) {
    // A window at (10, 20), 10 x 10, whose bottom-right quarter a sibling above it covers.
    emu::Region visible(RECT{10, 20, 20, 30});
    visible.subtract(RECT{15, 25, 20, 30});
    HDC dc = gdi().create_screen_dc({10, 20}, visible);
    RECT client{0, 0, 10, 10};
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(screen(10, 20), kBlack);
    EXPECT_EQ(screen(19, 24), kBlack);
    EXPECT_EQ(screen(14, 29), kBlack);
    EXPECT_EQ(screen(15, 25), kWhite);
    EXPECT_EQ(screen(19, 29), kWhite);
    EXPECT_EQ(screen(9, 20), kWhite);
    EXPECT_EQ(screen(10, 30), kWhite);
    gdi().release_dc(dc);
}

TEST_F(Clipping, PixelsOutsideTheClipCanBeNeitherReadNorSet) {
    HDC dc = gdi().create_screen_dc({10, 10}, emu::Region(RECT{10, 10, 20, 20}));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, -1, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, 10, 0, RGB(0, 0, 0)), CLR_INVALID);
    EXPECT_EQ(screen(20, 10), kWhite);
    gdi().release_dc(dc);
}

TEST_F(Clipping, ChildrenCutOutOfTheClipStayUntouched) {
    // A parent at (0, 0) whose child window covers (4, 4)-(8, 8) of it.
    emu::Region visible(RECT{0, 0, 12, 12});
    visible.subtract(RECT{4, 4, 8, 8});
    HDC dc = gdi().create_screen_dc({0, 0}, visible);
    Rectangle(dc, 0, 0, 12, 12);
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Rectangle(dc, 2, 2, 10, 10);
    EXPECT_EQ(screen(3, 3), kBlack);
    EXPECT_EQ(screen(4, 4), kWhite);
    EXPECT_EQ(screen(7, 7), kWhite);
    EXPECT_EQ(screen(8, 8), kBlack);
    gdi().release_dc(dc);
}

TEST_F(Clipping, FillScreenPaintsOnlyTheGivenArea) {
    gdi().fill_screen(emu::Region(RECT{0, 300, 240, 320}), RGB(0, 82, 140));
    EXPECT_EQ(screen(0, 299), kWhite);
    EXPECT_EQ(screen(239, 319), 0x00528Cu);
}

}  // namespace
}  // namespace gdi_test
