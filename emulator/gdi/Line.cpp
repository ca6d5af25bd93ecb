#include "gdi/Line.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace emu {

namespace {

// Horizontal and vertical lines are one rectangle each: the common case, drawn fast.
RECT straight_line_rect(POINT from, POINT to) {
    if (from.y == to.y)
        return from.x < to.x ? RECT{from.x, from.y, to.x, from.y + 1} : RECT{to.x + 1, from.y, from.x + 1, from.y + 1};
    return from.y < to.y ? RECT{from.x, from.y, from.x + 1, to.y} : RECT{from.x, to.y + 1, from.x + 1, from.y + 1};
}

// The steps [first, last) of a walk from `start` by `step` (+1 or -1) that land inside
// [low, high): a line reaching far off the canvas is walked only where it can be seen.
std::pair<long long, long long> steps_inside(LONG start, int step, LONG low, LONG high) {
    const long long first = step > 0 ? low - start : start - (high - 1);
    const long long last = step > 0 ? high - start : start - low + 1;
    return {std::max(first, 0LL), last};
}

// Bresenham's walk along the major axis; the error term decides the steps on the minor
// one. After k steps the minor axis has moved (2 minor k + major - 1) / (2 major) pixels,
// so the walk can start at its first visible step.
void draw_slanted_line(Canvas& canvas, POINT from, POINT to, std::uint32_t pixel) {
    const long long dx = std::llabs(0LL + to.x - from.x), dy = std::llabs(0LL + to.y - from.y);
    const int step_x = from.x < to.x ? 1 : -1, step_y = from.y < to.y ? 1 : -1;
    const bool x_major = dx >= dy;
    const long long major = x_major ? dx : dy, minor = x_major ? dy : dx;
    const RECT area = canvas.drawable_bounds();
    const auto [first, last] = x_major ? steps_inside(from.x, step_x, area.left, area.right)
                                       : steps_inside(from.y, step_y, area.top, area.bottom);
    const long long minor_steps = (2 * minor * first + major - 1) / (2 * major);
    long long error = 2 * minor * (first + 1) - major - 2 * major * minor_steps;
    long long along = first, across = minor_steps;
    for (; along < std::min(last, major); ++along) {
        const long long x = x_major ? along : across, y = x_major ? across : along;
        canvas.set_pixel(static_cast<int>(from.x + step_x * x), static_cast<int>(from.y + step_y * y), pixel);
        if (error > 0) {
            ++across;
            error -= 2 * major;
        }
        error += 2 * minor;
    }
}

}  // namespace

void draw_line(Canvas& canvas, POINT from, POINT to, std::uint32_t pixel) {
    if (from.x == to.x && from.y == to.y) return;
    if (from.x == to.x || from.y == to.y) canvas.fill(straight_line_rect(from, to), pixel);
    else draw_slanted_line(canvas, from, to, pixel);
}

}  // namespace emu
