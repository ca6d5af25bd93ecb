#pragma once
#include <cstdint>
#include <vector>

#include "gdi/Canvas.h"

namespace emu {

// An icon image ready to draw with its transparency. Each row is kept as runs of opaque
// pixels, copied as they are, and of partly transparent ones, blended; fully transparent
// pixels are skipped. A partly transparent pixel is drawn as Win32 draws an icon with
// alpha: its colour premultiplied by its alpha, each channel rounded, plus the background
// scaled by the rest, each channel rounded again. Immutable, so one image serves every
// handle loaded from it.
class Icon {
public:
    // `argb` holds width x height pixels 0xAARRGGBB, row-major, top row first.
    Icon(int width, int height, std::vector<std::uint32_t> argb);

    int width() const { return width_; }
    int height() const { return height_; }

    // Draws the image with its top-left at (x, y) of the canvas's coordinates.
    void draw(Canvas& canvas, int x, int y) const;

private:
    struct Run {
        int start;
        int length;
        bool opaque;
    };

    void add_runs_of_row(int y);
    void draw_row(std::uint32_t* surface_row, LONG left, int y, int first, int last) const;

    int width_;
    int height_;
    std::vector<std::uint32_t> argb_;
    std::vector<std::uint32_t> premultiplied_;  // 0x00RRGGBB, the colour itself where opaque
    std::vector<Run> runs_;
    std::vector<std::size_t> row_runs_;  // runs of row y: [row_runs_[y], row_runs_[y + 1])
};

}  // namespace emu
