#include "frontend/desktop/Pixmap.h"

#include <algorithm>
#include <cmath>

namespace emu::desktop {

Colour mix(Colour base, Colour other, unsigned coverage) {
    Colour result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned from = (base >> shift) & 0xFF, to = (other >> shift) & 0xFF;
        result |= ((from * (255 - coverage) + to * coverage + 127) / 255) << shift;
    }
    return result;
}

Pixmap::Pixmap(Size size) : size_(size), pixels_(static_cast<std::size_t>(size.width) * size.height) {}

Rect Pixmap::clipped(Rect area) const {
    const int left = std::max(area.x, 0), top = std::max(area.y, 0);
    const int right = std::min(area.right(), size_.width), bottom = std::min(area.bottom(), size_.height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

void Pixmap::fill(Rect area, Colour colour) {
    const auto r = clipped(area);
    for (int y = r.y; y < r.bottom(); ++y)
        std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(index({r.x, y})), r.width, colour);
}

void Pixmap::fill(Circle disc, Colour colour) {
    const int r = disc.radius;
    fill_disc_part(disc, {disc.centre.x - r - 1, disc.centre.y - r - 1, 2 * r + 2, 2 * r + 2}, colour);
}

void Pixmap::fill_disc_part(Circle disc, Rect part, Colour colour) {
    for (int y = part.y; y < part.bottom(); ++y)
        for (int x = part.x; x < part.right(); ++x) {
            // How much of the pixel the disc covers, over a one-pixel soft edge at its rim.
            const double distance = std::hypot(x + 0.5 - disc.centre.x, y + 0.5 - disc.centre.y);
            const double covered = std::clamp(disc.radius + 0.5 - distance, 0.0, 1.0);
            blend({x, y}, colour, static_cast<unsigned>(covered * 255 + 0.5));
        }
}

void Pixmap::fill_rounded(Rect area, int radius, Colour colour) {
    const int r = std::min({radius, area.width / 2, area.height / 2});
    fill({area.x + r, area.y, area.width - 2 * r, area.height}, colour);
    fill({area.x, area.y + r, r, area.height - 2 * r}, colour);
    fill({area.right() - r, area.y + r, r, area.height - 2 * r}, colour);
    const int left = area.x, right = area.right() - r, top = area.y, bottom = area.bottom() - r;
    fill_disc_part({{left + r, top + r}, r}, {left, top, r, r}, colour);
    fill_disc_part({{right, top + r}, r}, {right, top, r, r}, colour);
    fill_disc_part({{left + r, bottom}, r}, {left, bottom, r, r}, colour);
    fill_disc_part({{right, bottom}, r}, {right, bottom, r, r}, colour);
}

void Pixmap::blend(Point p, Colour colour, unsigned coverage) {
    if (!inside(p) || coverage == 0) return;
    auto& pixel = pixels_[index(p)];
    pixel = coverage >= 255 ? colour : mix(pixel, colour, coverage);
}

void Pixmap::draw_scaled(const std::vector<Colour>& source, Size source_size, Point origin, int zoom) {
    const auto area = clipped({origin.x, origin.y, source_size.width * zoom, source_size.height * zoom});
    if (area.width <= 0 || area.height <= 0) return;
    for (int y = area.y; y < area.bottom(); ++y) {
        auto* out = pixels_.data() + index({area.x, y});
        // A row that repeats the one above it is a copy of it.
        if (y > area.y && (y - origin.y) % zoom != 0) {
            std::copy_n(out - size_.width, area.width, out);
            continue;
        }
        const auto* row = source.data() + static_cast<std::size_t>((y - origin.y) / zoom) * source_size.width;
        for (int x = area.x; x < area.right(); ++x) *out++ = row[(x - origin.x) / zoom] & 0xFFFFFF;
    }
}

}  // namespace emu::desktop
