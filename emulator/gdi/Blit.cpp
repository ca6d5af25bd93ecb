#include "gdi/Blit.h"

#include <algorithm>
#include <cstring>

namespace emu {

void copy_pixels(Canvas& canvas, POINT to, SIZE size, const Surface& source, POINT from) {
    const RECT available = rect_intersection({from.x, from.y, from.x + size.cx, from.y + size.cy}, source.bounds());
    if (rect_empty(available)) return;
    const LONG shift_x = to.x - from.x, shift_y = to.y - from.y;
    const RECT wanted{available.left + shift_x, available.top + shift_y, available.right + shift_x,
                      available.bottom + shift_y};
    // Surface coordinates of the target minus those of the source.
    const RECT placed = canvas.to_surface(wanted);
    const LONG dx = placed.left - available.left, dy = placed.top - available.top;
    // When a surface copies onto itself downwards, rows go bottom-up so none is read after it is overwritten.
    const bool bottom_up = &canvas.surface() == &source && dy > 0;
    canvas.for_each_visible(wanted, [&](const RECT& piece) {
        const std::size_t bytes = static_cast<std::size_t>(piece.right - piece.left) * sizeof(std::uint32_t);
        for (LONG i = 0; i < piece.bottom - piece.top; ++i) {
            const LONG row = bottom_up ? piece.bottom - 1 - i : piece.top + i;
            std::memmove(canvas.surface().row(row) + piece.left, source.row(row - dy) + (piece.left - dx), bytes);
        }
    });
}

}  // namespace emu
