// The screen as a whole: screenshots, and the backlight's dimming of what is displayed.
#include <png.h>

#include "GdiTest.h"

namespace gdi_test {
namespace {

class Screen : public GdiTest {};

TEST_F(Screen, AScreenshotHoldsTheDisplayedScreenInRgbAndTheBacklightDimsOnlyTheDisplay) {
    EXPECT_EQ(gdi().framebuffer().size(), 240u * 320u);
    gdi().fill_screen(emu::Region(RECT{0, 0, 240, 320}), RGB(10, 20, 30));
    gdi().fill_screen(emu::Region(RECT{239, 319, 240, 320}), RGB(200, 100, 50));
    const auto file = image.path() / "screen.png";
    ASSERT_TRUE(gdi().write_png(file));
    EXPECT_FALSE(gdi().write_png(image.path() / "missing" / "screen.png"));

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, file.c_str()));
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    EXPECT_EQ(std::tie(image.width, image.height), std::make_tuple(240u, 320u));
    EXPECT_EQ((std::vector<png_byte>{rgb[0], rgb[1], rgb[2], rgb.end()[-3], rgb.end()[-2], rgb.end()[-1]}),
              (std::vector<png_byte>{10, 20, 30, 200, 100, 50}));

    gdi().fill_screen(emu::Region(RECT{0, 0, 240, 320}), RGB(200, 100, 0));
    gdi().set_brightness(50);
    EXPECT_EQ(gdi().framebuffer()[0], 0xC86400u);
    EXPECT_EQ(gdi().displayed()[0], 0x643200u);
    gdi().set_brightness(100);
    EXPECT_EQ(gdi().displayed()[0], 0xC86400u);
}

}  // namespace
}  // namespace gdi_test
