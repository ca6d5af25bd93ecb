#pragma once
#include <cstdint>
#include <vector>

#include "frontend/desktop/Geometry.h"

namespace emu::desktop {

using Colour = std::uint32_t;  // 0x00RRGGBB

// The window's picture, drawn by the front-end and handed whole or in part to the window.
// Every drawing call clips to the picture.
class Pixmap {
public:
    explicit Pixmap(Size size);

    Size size() const { return size_; }
    const std::vector<Colour>& pixels() const { return pixels_; }
    Colour at(Point p) const { return pixels_[index(p)]; }

    void fill(Rect area, Colour colour);
    void fill(Circle disc, Colour colour);  // edges smoothed
    void fill_rounded(Rect area, int radius, Colour colour);
    // Mixes `colour` over a pixel; `coverage` 0 leaves it, 255 replaces it.
    void blend(Point p, Colour colour, unsigned coverage);
    // Draws a `width` x `height` picture enlarged `zoom` times with its top-left at `origin`.
    void draw_scaled(const std::vector<Colour>& source, Size source_size, Point origin, int zoom);

private:
    bool inside(Point p) const { return p.x >= 0 && p.y >= 0 && p.x < size_.width && p.y < size_.height; }
    std::size_t index(Point p) const { return static_cast<std::size_t>(p.y) * size_.width + p.x; }
    Rect clipped(Rect area) const;
    // Fills the part of `disc` that lies in `part`.
    void fill_disc_part(Circle disc, Rect part, Colour colour);

    Size size_;
    std::vector<Colour> pixels_;
};

// `base` mixed towards `other` by `coverage` (0 to 255).
Colour mix(Colour base, Colour other, unsigned coverage);

}  // namespace emu::desktop
