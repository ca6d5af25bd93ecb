#include "shell/IconCanvas.h"

#include <algorithm>
#include <cmath>

namespace emu {

namespace {

constexpr int kSamples = 4;

float channel(std::uint32_t colour, int shift) { return static_cast<float>((colour >> shift) & 0xFF); }

std::uint32_t pack(float a, float r, float g, float b) {
    auto byte = [](float v) { return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L)); };
    return byte(a) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
}

// Which side of the edge a->b the point lies on.
float side(float ax, float ay, float bx, float by, float x, float y) {
    return (bx - ax) * (y - ay) - (by - ay) * (x - ax);
}

}  // namespace

IconCanvas::IconCanvas() { argb_.fill(0); }

void IconCanvas::fill(int left, int top, int right, int bottom, std::uint32_t colour) {
    for (int y = std::max(top, 0); y < std::min(bottom, kSize); ++y)
        for (int x = std::max(left, 0); x < std::min(right, kSize); ++x) blend(x, y, colour, 1.0f);
}

void IconCanvas::frame(int left, int top, int right, int bottom, std::uint32_t colour) {
    fill(left, top, right, top + 1, colour);
    fill(left, bottom - 1, right, bottom, colour);
    fill(left, top + 1, left + 1, bottom - 1, colour);
    fill(right - 1, top + 1, right, bottom - 1, colour);
}

void IconCanvas::ellipse(float cx, float cy, float rx, float ry, std::uint32_t colour) {
    shape(cx - rx, cy - ry, cx + rx, cy + ry, [=](float x, float y) {
        float dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0f;
    }, colour);
}

void IconCanvas::ring(float cx, float cy, float rx, float ry, float thickness, std::uint32_t colour) {
    float inner_x = rx - thickness, inner_y = ry - thickness;
    shape(cx - rx, cy - ry, cx + rx, cy + ry, [=](float x, float y) {
        float dx = (x - cx) / rx, dy = (y - cy) / ry;
        float ix = (x - cx) / inner_x, iy = (y - cy) / inner_y;
        return dx * dx + dy * dy <= 1.0f && ix * ix + iy * iy > 1.0f;
    }, colour);
}

void IconCanvas::line(float x0, float y0, float x1, float y1, float width, std::uint32_t colour) {
    float half = width / 2, dx = x1 - x0, dy = y1 - y0, length_squared = dx * dx + dy * dy;
    shape(std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half, std::max(y0, y1) + half,
          [=](float x, float y) {
              float t = length_squared > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / length_squared, 0.0f, 1.0f) : 0;
              float px = x0 + t * dx - x, py = y0 + t * dy - y;
              return px * px + py * py <= half * half;
          }, colour);
}

void IconCanvas::triangle(float x0, float y0, float x1, float y1, float x2, float y2, std::uint32_t colour) {
    float orientation = side(x0, y0, x1, y1, x2, y2) < 0 ? -1.0f : 1.0f;
    shape(std::min({x0, x1, x2}), std::min({y0, y1, y2}), std::max({x0, x1, x2}), std::max({y0, y1, y2}),
          [=](float x, float y) {
              return side(x0, y0, x1, y1, x, y) * orientation >= 0 && side(x1, y1, x2, y2, x, y) * orientation >= 0 &&
                     side(x2, y2, x0, y0, x, y) * orientation >= 0;
          }, colour);
}

void IconCanvas::shape(float left, float top, float right, float bottom, const Inside& inside, std::uint32_t colour) {
    int first_x = std::max(0, static_cast<int>(std::floor(left))), last_x = std::min(kSize, static_cast<int>(std::ceil(right)));
    int first_y = std::max(0, static_cast<int>(std::floor(top))), last_y = std::min(kSize, static_cast<int>(std::ceil(bottom)));
    for (int y = first_y; y < last_y; ++y)
        for (int x = first_x; x < last_x; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += inside(x + (sx + 0.5f) / kSamples, y + (sy + 0.5f) / kSamples) ? 1 : 0;
            if (hits) blend(x, y, colour, static_cast<float>(hits) / (kSamples * kSamples));
        }
}

// Paints `colour` over what is there, `coverage` of it, as a transparent image composes.
void IconCanvas::blend(int x, int y, std::uint32_t colour, float coverage) {
    auto& pixel = argb_[static_cast<std::size_t>(y * kSize + x)];
    float over = channel(colour, 24) / 255 * coverage, under = channel(pixel, 24) / 255 * (1 - over);
    float alpha = over + under;
    if (alpha <= 0) return;
    auto mix = [&](int shift) { return (channel(colour, shift) * over + channel(pixel, shift) * under) / alpha; };
    pixel = pack(alpha * 255, mix(16), mix(8), mix(0));
}

std::vector<std::uint32_t> IconCanvas::pixels(int size) const {
    if (size == kSize) return {argb_.begin(), argb_.end()};
    std::vector<std::uint32_t> reduced(static_cast<std::size_t>(size * size));
    int scale = kSize / size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < scale; ++sy)
                for (int sx = 0; sx < scale; ++sx) {
                    auto p = argb_[static_cast<std::size_t>((y * scale + sy) * kSize + x * scale + sx)];
                    float weight = channel(p, 24);
                    a += weight, r += channel(p, 16) * weight, g += channel(p, 8) * weight, b += channel(p, 0) * weight;
                }
            reduced[static_cast<std::size_t>(y * size + x)] =
                a > 0 ? pack(a / (scale * scale), r / a, g / a, b / a) : 0;
        }
    return reduced;
}

}  // namespace emu
