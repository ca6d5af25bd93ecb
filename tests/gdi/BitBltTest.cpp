// Copying pixels between DCs with BitBlt.
#include "GdiTest.h"

namespace gdi_test {
namespace {

class BitBltCopy : public GdiTest {};

TEST_F(BitBltCopy, CopiesTheBlockToItsPlace) {
    HDC source = surface(3, 2);
    const POINT stroke[] = {{0, 0}, {3, 0}};
    Polyline(source, stroke, 2);
    HDC target = surface(5, 3);
    ASSERT_TRUE(BitBlt(target, 1, 1, 3, 2, source, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(target, 5, 3), (Picture{".....", ".###.", "....."}));
}

TEST_F(BitBltCopy, CopiesOnlyWhatTheSourceHas) {
    HDC source = surface(2, 2, RGB(0, 0, 0));
    HDC target = surface(4, 2);
    BitBlt(target, 0, 0, 4, 2, source, -1, 0, SRCCOPY);
    EXPECT_EQ(picture(target, 4, 2), (Picture{".##.", ".##."}));
}

TEST_F(BitBltCopy, OverlappingCopyWithinOneBitmapMovesTheRows) {
    HDC dc = surface(1, 4);
    SetPixel(dc, 0, 0, RGB(0, 0, 0));
    BitBlt(dc, 0, 1, 1, 3, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(picture(dc, 1, 4), (Picture{"#", "#", ".", "."}));
}

TEST_F(BitBltCopy, OtherRasterOperationsAreRefused) {
    HDC source = surface(1, 1, RGB(0, 0, 0));
    HDC target = surface(1, 1);
    EXPECT_FALSE(BitBlt(target, 0, 0, 1, 1, source, 0, 0, 0x00EE0086));
    EXPECT_EQ(picture(target, 1, 1), (Picture{"."}));
    EXPECT_EQ(device().log.events("fixme").size(), 1u);
}

}  // namespace
}  // namespace gdi_test
