#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace emu {

// A 32 x 32 drawing board for the shell's icons, transparent to begin with. Shapes are
// sampled 4 x 4 times per pixel, so their edges blend; colours are 0xAARRGGBB and
// coordinates are in pixels, (0, 0) the top-left corner of the top-left pixel.
class IconCanvas {
public:
    static constexpr int kSize = 32;

    IconCanvas();

    // Rectangles cover whole pixels: left and top included, right and bottom not.
    void fill(int left, int top, int right, int bottom, std::uint32_t colour);
    void frame(int left, int top, int right, int bottom, std::uint32_t colour);
    void ellipse(float cx, float cy, float rx, float ry, std::uint32_t colour);
    void ring(float cx, float cy, float rx, float ry, float thickness, std::uint32_t colour);
    void line(float x0, float y0, float x1, float y1, float width, std::uint32_t colour);
    void triangle(float x0, float y0, float x1, float y1, float x2, float y2, std::uint32_t colour);

    // The drawing at 32 x 32, or reduced to 16 x 16 by averaging each 2 x 2 block.
    std::vector<std::uint32_t> pixels(int size) const;

private:
    using Inside = std::function<bool(float x, float y)>;
    void shape(float left, float top, float right, float bottom, const Inside& inside, std::uint32_t colour);
    void blend(int x, int y, std::uint32_t colour, float coverage);

    std::array<std::uint32_t, kSize * kSize> argb_;
};

}  // namespace emu
