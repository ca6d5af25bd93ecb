#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "gdi/Region.h"
#include "gdi/Surface.h"

namespace emu {

// The drawing target every GDI operation goes through: a surface seen through a clip.
// Callers speak their own coordinates (a DC's); `origin` is where their (0, 0) lies on the
// surface, and only pixels inside the clip (surface coordinates) are ever touched.
class Canvas {
public:
    Canvas(Surface& surface, POINT origin, std::span<const RECT> clip);

    // Narrows drawing further to a rectangle in the caller's coordinates.
    void limit_to(const RECT& rect);

    // Calls visit(piece) for every drawable part of `rect` (caller's coordinates, right and
    // bottom exclusive), each piece in surface coordinates.
    template <class Visit>
    void for_each_visible(const RECT& rect, Visit&& visit) const {
        RECT wanted = rect_intersection(to_surface(rect), limit_);
        if (rect_empty(wanted)) return;
        for (const RECT& allowed : clip_) {
            RECT piece = rect_intersection(wanted, allowed);
            if (!rect_empty(piece)) visit(piece);
        }
    }

    void fill(const RECT& rect, std::uint32_t pixel);
    void fill_row(int y, int left, int right, std::uint32_t pixel) { fill({left, y, right, y + 1}, pixel); }
    void set_pixel(int x, int y, std::uint32_t pixel) { fill({x, y, x + 1, y + 1}, pixel); }
    // The pixel at a point, or nothing when the point lies outside the clip.
    std::optional<std::uint32_t> pixel_at(int x, int y) const;

    Surface& surface() const { return surface_; }
    RECT to_surface(const RECT& rect) const;
    // The bounds of what may be drawn, in the caller's coordinates: shapes reaching far
    // beyond them need to be walked only inside them.
    RECT drawable_bounds() const;

private:
    Surface& surface_;
    POINT origin_;
    std::span<const RECT> clip_;
    RECT limit_;
};

}  // namespace emu
