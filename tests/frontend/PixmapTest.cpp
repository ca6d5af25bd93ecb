// The front-end's own drawing: the screen enlarged pixel for pixel, and shapes clipped to
// the picture.
#include <gtest/gtest.h>

#include "frontend/desktop/Pixmap.h"

namespace {

using namespace emu::desktop;

TEST(Pixmap, ScaledPictureRepeatsEachPixelZoomTimesEachWayClippedToThePicture) {
    const std::vector<Colour> source{0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
    Pixmap pixmap({10, 8});
    pixmap.draw_scaled(source, {3, 2}, {1, 2}, 3);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 1 && x < 10 && y >= 2 && y < 8;
            const Colour expected = inside ? source[static_cast<std::size_t>((y - 2) / 3 * 3 + (x - 1) / 3)] : 0;
            ASSERT_EQ(pixmap.at({x, y}), expected) << x << "," << y;
        }
    Pixmap small({4, 4});
    small.fill(Rect{-10, -10, 12, 12}, 0xFF0000);
    small.fill(Circle{{100, 100}, 50}, 0x00FF00);
    small.draw_scaled({0x0000FF}, {1, 1}, {3, 3}, 4);
    for (auto [x, y, colour] : {std::tuple{0, 0, 0xFF0000u}, {1, 1, 0xFF0000u}, {2, 2, 0u}, {3, 3, 0x0000FFu}})
        EXPECT_EQ(small.at({x, y}), colour) << x << "," << y;
}

// A disc covers its middle fully, leaves its corners alone and smooths its rim; mixing
// goes from one colour to the other, channel by channel.
TEST(Pixmap, DiscsAndMixing) {
    Pixmap pixmap({21, 21});
    pixmap.fill(Circle{{10, 10}, 8}, 0xFFFFFF);
    EXPECT_EQ(pixmap.at({10, 10}), 0xFFFFFFu);
    EXPECT_EQ(pixmap.at({10, 3}), 0xFFFFFFu);
    EXPECT_EQ(pixmap.at({2, 2}), 0u);
    const auto rim = pixmap.at({15, 15}) & 0xFF;
    EXPECT_GT(rim, 0u);
    EXPECT_LT(rim, 255u);
    EXPECT_EQ(mix(0x000000, 0xFFFFFF, 0), 0x000000u);
    EXPECT_EQ(mix(0x000000, 0xFFFFFF, 255), 0xFFFFFFu);
    EXPECT_EQ(mix(0x00FF00, 0xFF0000, 128), 0x807F00u);
}

}  // namespace
