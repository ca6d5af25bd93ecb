#include "gdi/Icon.h"

#include <algorithm>

#include "gdi/Pixel.h"

namespace emu {

namespace {

unsigned alpha_of(std::uint32_t argb) { return argb >> 24; }

}  // namespace

Icon::Icon(int width, int height, std::vector<std::uint32_t> argb)
    : width_(width), height_(height), argb_(std::move(argb)), premultiplied_(argb_.size()) {
    std::transform(argb_.begin(), argb_.end(), premultiplied_.begin(),
                   [](std::uint32_t p) { return scale(p & 0xFFFFFF, alpha_of(p)); });
    row_runs_.push_back(0);
    for (int y = 0; y < height_; ++y) {
        add_runs_of_row(y);
        row_runs_.push_back(runs_.size());
    }
}

void Icon::add_runs_of_row(int y) {
    const std::uint32_t* row = argb_.data() + static_cast<std::size_t>(y) * width_;
    for (int x = 0; x < width_;) {
        const unsigned alpha = alpha_of(row[x]);
        int end = x + 1;
        if (alpha == 0) {
            while (end < width_ && alpha_of(row[end]) == 0) ++end;
        } else {
            const bool opaque = alpha == 255;
            while (end < width_ && alpha_of(row[end]) != 0 && (alpha_of(row[end]) == 255) == opaque) ++end;
            runs_.push_back({x, end - x, opaque});
        }
        x = end;
    }
}

void Icon::draw(Canvas& canvas, int x, int y) const {
    const RECT placed = canvas.to_surface({x, y, x + width_, y + height_});
    canvas.for_each_visible({x, y, x + width_, y + height_}, [&](const RECT& piece) {
        for (LONG row = piece.top; row < piece.bottom; ++row)
            draw_row(canvas.surface().row(row), placed.left, row - placed.top, piece.left - placed.left,
                     piece.right - placed.left);
    });
}

// Draws columns first to last-1 of the icon's row y into a surface row, the icon's left
// edge at column `left` of the surface.
void Icon::draw_row(std::uint32_t* surface_row, LONG left, int y, int first, int last) const {
    const std::size_t row_start = static_cast<std::size_t>(y) * width_;
    for (std::size_t i = row_runs_[y]; i < row_runs_[y + 1]; ++i) {
        const Run& run = runs_[i];
        const int start = std::max(run.start, first), end = std::min(run.start + run.length, last);
        if (start >= end) continue;
        if (run.opaque) {
            std::copy(premultiplied_.begin() + row_start + start, premultiplied_.begin() + row_start + end,
                      surface_row + (left + start));
            continue;
        }
        for (int x = start; x < end; ++x) {
            std::uint32_t& target = surface_row[left + x];
            target = premultiplied_[row_start + x] + scale(target, 255 - alpha_of(argb_[row_start + x]));
        }
    }
}

}  // namespace emu
