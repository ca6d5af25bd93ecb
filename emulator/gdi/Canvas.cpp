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

void Canvas::fill(const RECT& rect, std::uint32_t pixel) {
    for_each_visible(rect, [&](const RECT& piece) {
        for (LONG y = piece.top; y < piece.bottom; ++y)
            fill_pixels(surface_.row(y) + piece.left, static_cast<std::size_t>(piece.right - piece.left), pixel);
    });
}

std::optional<std::uint32_t> Canvas::pixel_at(int x, int y) const {
    std::optional<std::uint32_t> found;
    for_each_visible({x, y, x + 1, y + 1}, [&](const RECT& piece) { found = surface_.row(piece.top)[piece.left]; });
    return found;
}

}  // namespace emu
