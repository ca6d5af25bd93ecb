#pragma once

namespace emu::desktop {

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

// A rectangle that holds its left and top edge but not its right and bottom one.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool contains(Point p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }
};

struct Circle {
    Point centre;
    int radius = 0;

    bool contains(Point p) const {
        const int dx = p.x - centre.x, dy = p.y - centre.y;
        return dx * dx + dy * dy <= radius * radius;
    }
};

}  // namespace emu::desktop
