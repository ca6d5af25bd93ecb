#include "gdi/RoundedRect.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace emu {

namespace {

// The covered pixels of a rounded rectangle, row by row. Each corner is a quadrant of an
// ellipse through the centres of the pixels of a w x h box; a row of the shape starts at
// its first pixel inside that ellipse, and is mirrored on the right and at the bottom.
// Sizes are 64-bit and the ellipse test long double, exact for any corner a screen shows.
class RoundedShape {
public:
    RoundedShape(RECT box, SIZE corner)
        : box_(box),
          w_(std::clamp<long long>(corner.cx, 0, 0LL + box.right - box.left)),
          h_(std::clamp<long long>(corner.cy, 0, 0LL + box.bottom - box.top)) {}

    const RECT& box() const { return box_; }

    // Pixels left out at each end of row y: the first column inside the corner's ellipse,
    // estimated by a square root and settled by the exact test.
    long long inset(LONG y) const {
        const long long row = std::min(0LL + y - box_.top, 0LL + box_.bottom - 1 - y);
        if (w_ < 2 || h_ < 2 || row >= h_ / 2) return 0;
        const long double a = w_ - 1, b = h_ - 1, dy = 2 * row - b;
        auto column = static_cast<long long>(std::ceil((a - a * std::sqrt(b * b - dy * dy) / b) / 2));
        column = std::clamp(column, 0LL, w_ / 2);
        while (column > 0 && inside_corner(column - 1, row)) --column;
        while (column < w_ / 2 && !inside_corner(column, row)) ++column;
        return column;
    }

private:
    bool inside_corner(long long column, long long row) const {
        const long double a = w_ - 1, b = h_ - 1, dx = 2 * column - a, dy = 2 * row - b;
        return dx * dx * b * b + dy * dy * a * a <= a * a * b * b;
    }

    RECT box_;
    long long w_, h_;
};

RECT normalised(RECT box) {
    if (box.right < box.left) std::swap(box.left, box.right);
    if (box.bottom < box.top) std::swap(box.top, box.bottom);
    return box;
}

// Where a row's pixels lie: outline from left to fill_left and from fill_right to right,
// fill between. Without an outline both outline parts are empty.
struct RowLayout {
    LONG left, fill_left, fill_right, right;
    bool operator==(const RowLayout&) const = default;
};

// The outline covers the pixels whose upper or lower neighbour lies outside the shape,
// and at least the row's two end pixels.
RowLayout layout_of(const RoundedShape& shape, LONG y, bool outlined) {
    const RECT& box = shape.box();
    const long long inset = shape.inset(y);
    const auto left = static_cast<LONG>(box.left + inset), right = static_cast<LONG>(box.right - inset);
    if (!outlined) return {left, left, right, right};
    const bool edge_row = y == box.top || y == box.bottom - 1;
    const long long inner =
        edge_row ? 0LL + box.right - box.left : std::max({shape.inset(y - 1), shape.inset(y + 1), inset + 1});
    const auto fill_left = static_cast<LONG>(std::min(box.left + inner, 0LL + right));
    return {left, fill_left, static_cast<LONG>(std::max(box.right - inner, 0LL + fill_left)), right};
}

void draw_rows(Canvas& canvas, const RowLayout& row, LONG top, LONG bottom, std::optional<std::uint32_t> outline,
               std::optional<std::uint32_t> fill) {
    if (outline) {
        canvas.fill({row.left, top, row.fill_left, bottom}, *outline);
        canvas.fill({row.fill_right, top, row.right, bottom}, *outline);
    }
    if (fill) canvas.fill({row.fill_left, top, row.fill_right, bottom}, *fill);
}

}  // namespace

// Rows laid out alike, as along the straight sides, are drawn together as rectangles.
void draw_rounded_rect(Canvas& canvas, RECT box, SIZE corner, std::optional<std::uint32_t> outline,
                       std::optional<std::uint32_t> fill) {
    box = normalised(box);
    if (!outline) {
        --box.right;
        --box.bottom;
    }
    if (rect_empty(box) || (!outline && !fill)) return;
    const RoundedShape shape(box, corner);
    const bool outlined = outline.has_value();
    const RECT drawable = canvas.drawable_bounds();
    LONG top = std::max(box.top, drawable.top);
    const LONG end = std::min(box.bottom, drawable.bottom);
    while (top < end) {
        const RowLayout row = layout_of(shape, top, outlined);
        LONG bottom = top + 1;
        while (bottom < end && layout_of(shape, bottom, outlined) == row) ++bottom;
        draw_rows(canvas, row, top, bottom, outline, fill);
        top = bottom;
    }
}

}  // namespace emu
