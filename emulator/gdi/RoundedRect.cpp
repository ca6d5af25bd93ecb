#include "gdi/RoundedRect.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace emu {

namespace {

// The covered pixels of a rounded rectangle, row by row. Each corner is a quarter of an
// ellipse through the centres of the pixels of a w x h box, its pixels measured in half
// pixels from the box's centre: u across, v up, a = w - 1 and b = h - 1 the axes, and
// e(u, v) = u²b² + v²a² - a²b² how far a pixel lies outside it (negative inside). A corner
// row v reaches out to its farthest pixel u whose error summed with that of the pixel below
// it is not positive, or summed with that of the pixel beside it towards the centre is
// negative; it keeps at least the middle pixels, and the row next to the middle of a corner
// of even height reaches the side. Rows are mirrored on the right and at the bottom.
// Corners asked for as 2 x 2 are the exception: Windows CE leaves out their one corner pixel,
// where desktop GDI outlines it; the platform's soft-cornered rectangles are drawn with them.
// Sizes are 64-bit. The tests are exact in 64-bit integers for corners up to kIntegerCorner
// pixels, which covers any screen, and long double beyond.
class RoundedShape {
public:
    RoundedShape(RECT box, SIZE corner)
        : box_(box),
          w_(std::min(std::llabs(corner.cx), 0LL + box.right - box.left)),
          h_(std::min(std::llabs(corner.cy), 0LL + box.bottom - box.top)),
          integer_(w_ <= kIntegerCorner && h_ <= kIntegerCorner),
          corner_pixel_only_(std::llabs(corner.cx) == 2 && std::llabs(corner.cy) == 2) {}

    const RECT& box() const { return box_; }

    // The rows at the top, and at the bottom, that a corner cuts.
    long long corner_rows() const { return w_ < 2 || h_ < 2 ? 0 : h_ / 2; }

    // Pixels left out at each end of row y.
    long long inset(LONG y) const {
        const long long row = std::min(0LL + y - box_.top, 0LL + box_.bottom - 1 - y);
        if (row >= corner_rows()) return 0;
        if (corner_pixel_only_) return 1;
        const long long reach = integer_ ? farthest<long long>(row) : farthest<long double>(row);
        return (w_ - 1 - reach) / 2;
    }

private:
    // Up to this, a² b² < 2^60 and the tests' sums, at most 4 a² b², fit in 64 bits.
    static constexpr long long kIntegerCorner = 1 << 15;
    static_assert(kIntegerCorner * kIntegerCorner <= (LLONG_MAX / 4) / (kIntegerCorner * kIntegerCorner));

    // The farthest u of a corner row, estimated by square roots and settled by the tests.
    template <class Number>
    long long farthest(long long row) const {
        const Number a = w_ - 1, b = h_ - 1, v = b - 2 * row;
        if (v == 1) return w_ - 1;
        const auto estimate = [&](long double squared, long double offset) {
            return static_cast<long long>(std::sqrt(std::max(squared, 0.0L)) + offset);
        };
        const long double ratio = static_cast<long double>(v) / b, below_ratio = static_cast<long double>(v - 2) / b;
        const long double aa = static_cast<long double>(a) * a;
        const auto below = [&](long long u) {
            const Number n = u;
            return 2 * n * n * b * b + (v * v + (v - 2) * (v - 2)) * a * a - 2 * a * a * b * b <= 0;
        };
        const auto beside = [&](long long u) {
            const Number n = u;
            return (n * n + (n - 2) * (n - 2)) * b * b + 2 * v * v * a * a - 2 * a * a * b * b < 0;
        };
        return std::max(
            settle(below, estimate(aa * (1 - (ratio * ratio + below_ratio * below_ratio) / 2), 0)),
            settle(beside, estimate(aa * (1 - ratio * ratio) - 1, 1)));
    }

    // The largest u of the corner's columns (those of a's parity, from a's parity to a) that
    // passes `test`, starting from an estimate; the first column when none does.
    template <class Test>
    long long settle(const Test& test, long long u) const {
        const long long a = w_ - 1, first = a % 2;
        u = std::clamp(u, first, a);
        u -= (u - first) % 2;
        while (u + 2 <= a && test(u + 2)) u += 2;
        while (u > first && !test(u)) u -= 2;
        return u;
    }

    RECT box_;
    long long w_, h_;
    bool integer_;
    bool corner_pixel_only_;
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

// Walks the shape's rows from `first` down, working out each row's inset once: a row's
// outline depends on its neighbours' insets too, which the walk keeps at hand. The
// outline covers the pixels whose upper or lower neighbour lies outside the shape, and at
// least the row's two end pixels. Along the straight sides, where a row and both its
// neighbours have no inset, every row is laid out alike and the walk takes them at once.
class RowWalk {
public:
    // A layout and the number of rows from the walk's current row on that have it.
    struct Run {
        RowLayout layout;
        LONG rows;
    };

    RowWalk(const RoundedShape& shape, LONG first, bool outlined)
        : shape_(shape),
          outlined_(outlined),
          y_(first),
          above_(first > shape.box().top ? shape.inset(first - 1) : 0),
          here_(shape.inset(first)) {
        const RECT& box = shape.box();
        const long long corner_rows = shape.corner_rows();
        straight_top_ = static_cast<LONG>(std::min(box.top + corner_rows + 1, 0LL + box.bottom));
        straight_end_ = static_cast<LONG>(std::max(box.bottom - corner_rows - 1, 0LL + straight_top_));
    }

    // The layout of the current row and the rows after it alike, up to `end`; moves past them.
    Run next(LONG end) {
        const RECT& box = shape_.box();
        const long long below = y_ + 1 < box.bottom ? shape_.inset(y_ + 1) : 0;
        const RowLayout layout = layout_of(below);
        if (y_ < straight_top_ || y_ >= straight_end_) {
            ++y_;
            above_ = std::exchange(here_, below);
            return {layout, 1};
        }
        // The row after the straight ones, and the last of them, are no corner rows: no insets.
        const LONG rows = std::min(straight_end_, end) - y_;
        y_ += rows;
        above_ = here_ = 0;
        return {layout, rows};
    }

private:
    RowLayout layout_of(long long below) const {
        const RECT& box = shape_.box();
        const auto left = static_cast<LONG>(box.left + here_), right = static_cast<LONG>(box.right - here_);
        if (!outlined_) return {left, left, right, right};
        const bool edge_row = y_ == box.top || y_ == box.bottom - 1;
        const long long inner = edge_row ? 0LL + box.right - box.left : std::max({above_, below, here_ + 1});
        const auto fill_left = static_cast<LONG>(std::min(box.left + inner, 0LL + right));
        return {left, fill_left, static_cast<LONG>(std::max(box.right - inner, 0LL + fill_left)), right};
    }

    const RoundedShape& shape_;
    bool outlined_;
    LONG y_, straight_top_, straight_end_;
    long long above_, here_;
};

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
    const RECT drawable = canvas.drawable_bounds();
    const LONG first = std::max(box.top, drawable.top), end = std::min(box.bottom, drawable.bottom);
    if (first >= end) return;
    RowWalk walk(shape, first, outline.has_value());
    auto [band, rows] = walk.next(end);
    LONG band_top = first;
    for (LONG y = first + rows; y < end; y += rows) {
        const RowWalk::Run run = walk.next(end);
        if (run.layout != band) {
            draw_rows(canvas, band, band_top, y, outline, fill);
            band = run.layout;
            band_top = y;
        }
        rows = run.rows;
    }
    draw_rows(canvas, band, band_top, end, outline, fill);
}

}  // namespace emu
