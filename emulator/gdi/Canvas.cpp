#include "gdi/Canvas.h"

#include <algorithm>
#include <climits>

#include "gdi/Pixel.h"

namespace emu {

Canvas::Canvas(Surface& surface, POINT origin, std::span<const RECT> clip)
    : surface_(surface), origin_(origin), clip_(clip), limit_(surface.bounds()) {}

void Canvas::limit_to(const RECT& rect) { limit_ = rect_intersection(limit_, to_surface(rect)); }

namespace {

// Coordinates near the ends of LONG's range saturate instead of wrapping around.
LONG shifted(LONG value, LONG by) {
    return static_cast<LONG>(std::clamp<long long>(static_cast<long long>(value) + by, LONG_MIN, LONG_MAX));
}

}  // namespace

RECT Canvas::to_surface(const RECT& rect) const {
    return {shifted(rect.left, origin_.x), shifted(rect.top, origin_.y), shifted(rect.right, origin_.x),
            shifted(rect.bottom, origin_.y)};
}

RECT Canvas::drawable_bounds() const {
    return {limit_.left - origin_.x, limit_.top - origin_.y, limit_.right - origin_.x, limit_.bottom - origin_.y};
}

// Each visible piece is filled row by row, a whole row at a time; pieces as wide as the
// surface are one run of memory, filled at once.
void Canvas::fill(const RECT& rect, std::uint32_t pixel) {
    for_each_visible(rect, [&](const RECT& piece) {
        const auto width = static_cast<std::size_t>(piece.right - piece.left);
        const auto height = static_cast<std::size_t>(piece.bottom - piece.top);
        if (width == static_cast<std::size_t>(surface_.width)) {
            fill_pixels(surface_.row(piece.top), width * height, pixel);
            return;
        }
        for (LONG y = piece.top; y < piece.bottom; ++y) fill_pixels(surface_.row(y) + piece.left, width, pixel);
    });
}

std::optional<std::uint32_t> Canvas::pixel_at(int x, int y) const {
    std::optional<std::uint32_t> found;
    for_each_visible({x, y, x + 1, y + 1}, [&](const RECT& piece) { found = surface_.row(piece.top)[piece.left]; });
    return found;
}

}  // namespace emu
