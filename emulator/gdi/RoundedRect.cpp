#include "gdi/RoundedRect.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace emu {

namespace {

// The covered pixels of a rounded rectangle, row by row. Each corner is a quadrant of an
// ellipse through the centres of the pixels of a w x h box; a row of the shape starts at
// its first pixel inside that ellipse, and is mirrored on the right and at the bottom.
class RoundedShape {
public:
    RoundedShape(RECT box, SIZE corner)
        : box_(box),
          w_(std::clamp<LONG>(corner.cx, 0, box.right - box.left)),
          h_(std::clamp<LONG>(corner.cy, 0, box.bottom - box.top)) {}

    const RECT& box() const { return box_; }

    // Pixels left out at each end of row y.
    int inset(LONG y) const {
        const int row = std::min(y - box_.top, box_.bottom - 1 - y);
        if (w_ < 2 || h_ < 2 || row >= h_ / 2) return 0;
        int column = 0;
        while (column < w_ / 2 && !inside_corner(column, row)) ++column;
        return column;
    }

private:
    bool inside_corner(int column, int row) const {
        const std::int64_t a = w_ - 1, b = h_ - 1;
        const std::int64_t dx = 2 * column - a, dy = 2 * row - b;
        return dx * dx * b * b + dy * dy * a * a <= a * a * b * b;
    }

    RECT box_;
    int w_, h_;
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
    const int inset = shape.inset(y);
    const LONG left = box.left + inset, right = box.right - inset;
    if (!outlined) return {left, left, right, right};
    const bool edge_row = y == box.top || y == box.bottom - 1;
    const int inner = edge_row ? box.right - box.left : std::max({shape.inset(y - 1), shape.inset(y + 1), inset + 1});
    const LONG fill_left = std::min(box.left + inner, right);
    return {left, fill_left, std::max(box.right - inner, fill_left), right};
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
