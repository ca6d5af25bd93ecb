// Icons: drawing with transparency, destroying, and loading from a module's resources.
#include "GdiTest.h"

namespace gdi_test {
namespace {

class Icons : public GdiTest {};

TEST_F(Icons, DrawIconExBlendsByAlphaAndSkipsTransparentPixels) {
    HDC dc = surface(4, 1);
    HICON icon = gdi().create_icon(3, 1, {0x00000000, 0xFFFF0000, 0x800000FF});
    ASSERT_TRUE(DrawIconEx(dc, 1, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 2, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 3, 0), RGB(127, 127, 255));
    DestroyIcon(icon);
}

TEST_F(Icons, IconsAreClippedAtTheEdges) {
    HDC dc = surface(2, 2);
    HICON icon = gdi().create_icon(2, 2, std::vector<std::uint32_t>(4, 0xFF000000));
    DrawIconEx(dc, -1, 1, icon, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(picture(dc, 2, 2), (Picture{"..", "#."}));
    DestroyIcon(icon);
}

TEST_F(Icons, FlickerFreeBrushFillsBehindTheIcon) {
    HDC dc = surface(2, 1);
    HICON icon = gdi().create_icon(2, 1, {0x00000000, 0xFFFFFFFF});
    DrawIconEx(dc, 0, 0, icon, 0, 0, 0, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), DI_NORMAL);
    EXPECT_EQ(picture(dc, 2, 1), (Picture{"#."}));
    DestroyIcon(icon);
}

TEST_F(Icons, AnIconIsDestroyedOnceByEitherCall) {
    HICON first = gdi().create_icon(1, 1, {0xFF000000});
    HICON second = gdi().create_icon(1, 1, {0xFF000000});
    EXPECT_TRUE(DestroyIcon(first));
    EXPECT_FALSE(DestroyIcon(first));
    EXPECT_TRUE(DeleteObject(second));
    EXPECT_FALSE(DeleteObject(second));
    EXPECT_EQ(gdi().live_icons(), 0u);
    EXPECT_FALSE(DrawIconEx(surface(1, 1), 0, 0, second, 0, 0, 0, nullptr, DI_NORMAL));
}

TEST_F(Icons, ImageOfAnIconThatWouldHaveToBeStretchedIsDrawnAtItsOwnSizeAndLogged) {
    HDC dc = surface(3, 1);
    HICON icon = gdi().create_icon(1, 1, {0xFF000000});
    DrawIconEx(dc, 0, 0, icon, 3, 1, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(picture(dc, 3, 1), (Picture{"#.."}));
    EXPECT_EQ(device().log.events("fixme").size(), 1u);
    DestroyIcon(icon);
}

TEST_F(Icons, IconOfMalformedSizeIsRefused) {
    EXPECT_EQ(gdi().create_icon(2, 2, {0xFF000000}), nullptr);
    EXPECT_EQ(gdi().create_icon(0, 0, {}), nullptr);
}

}  // namespace
}  // namespace gdi_test
