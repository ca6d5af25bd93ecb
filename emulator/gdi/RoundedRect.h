#pragma once
#include <cstdint>
#include <optional>

#include "gdi/Canvas.h"

namespace emu {

// Rectangle and RoundRect: the shape covers `box` without its right column and bottom
// row, the one-pixel outline lies inside it, and each corner is cut by a quarter of an
// ellipse `corner.cx` wide and `corner.cy` high (either sign, cut to the box; one less than
// three pixels wide or high cuts nothing, as 0 does). Without an outline colour the shape is one pixel
// narrower and shorter, all of it filled; without a fill colour only the outline is drawn.
void draw_rounded_rect(Canvas& canvas, RECT box, SIZE corner, std::optional<std::uint32_t> outline,
                       std::optional<std::uint32_t> fill);

}  // namespace emu
