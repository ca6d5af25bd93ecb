#include "gdi/Line.h"

#include <cstdlib>

namespace emu {

namespace {

// Horizontal and vertical lines are one rectangle each: the common case, drawn fast.
RECT straight_line_rect(POINT from, POINT to) {
    if (from.y == to.y)
        return from.x < to.x ? RECT{from.x, from.y, to.x, from.y + 1} : RECT{to.x + 1, from.y, from.x + 1, from.y + 1};
    return from.y < to.y ? RECT{from.x, from.y, from.x + 1, to.y} : RECT{from.x, to.y + 1, from.x + 1, from.y + 1};
}

// Bresenham's walk along the major axis; the error term decides the steps on the minor one.
void draw_slanted_line(Canvas& canvas, POINT from, POINT to, std::uint32_t pixel) {
    const int dx = std::abs(to.x - from.x), dy = std::abs(to.y - from.y);
    const int step_x = from.x < to.x ? 1 : -1, step_y = from.y < to.y ? 1 : -1;
    const bool x_major = dx >= dy;
    const int major = x_major ? dx : dy, minor = x_major ? dy : dx;
    int error = 2 * minor - major;
    POINT at = from;
    for (int i = 0; i < major; ++i) {
        canvas.set_pixel(at.x, at.y, pixel);
        if (error > 0) {
            (x_major ? at.y : at.x) += x_major ? step_y : step_x;
            error -= 2 * major;
        }
        (x_major ? at.x : at.y) += x_major ? step_x : step_y;
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
