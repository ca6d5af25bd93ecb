#include "gdi/Blit.h"

#include <cstring>

namespace emu {

namespace {

// Copies a row between two surfaces. Rows as short as a button's are copied fastest in
// fixed blocks of eight pixels, the last block overlapping the one before it.
void copy_row(std::uint32_t* target, const std::uint32_t* source, std::size_t count) {
    constexpr std::size_t kBlock = 8;
    if (count < kBlock) {
        std::memcpy(target, source, count * sizeof(std::uint32_t));
        return;
    }
    for (std::size_t i = 0; i + kBlock <= count; i += kBlock)
        std::memcpy(target + i, source + i, kBlock * sizeof(std::uint32_t));
    std::memcpy(target + count - kBlock, source + count - kBlock, kBlock * sizeof(std::uint32_t));
}

// Copies the target's `piece` (surface coordinates) from the source `shift` away. A
// surface copied onto itself may overlap: rows then go bottom-up when moving down, so that
// none is read after it is overwritten, and each row moves as memmove does.
void copy_piece(Surface& target, const Surface& source, const RECT& piece, POINT shift) {
    const bool same_surface = &target == &source;
    const bool bottom_up = same_surface && shift.y > 0;
    const auto count = static_cast<std::size_t>(piece.right - piece.left);
    // Kept in locals: the copies might otherwise be taken to change the surfaces themselves.
    std::uint32_t* const target_pixels = target.pixels.data() + piece.left;
    const std::uint32_t* const source_pixels = source.pixels.data() + (piece.left - shift.x);
    const std::ptrdiff_t target_width = target.width, source_width = source.width;
    for (LONG i = 0; i < piece.bottom - piece.top; ++i) {
        const LONG row = bottom_up ? piece.bottom - 1 - i : piece.top + i;
        std::uint32_t* target_row = target_pixels + row * target_width;
        const std::uint32_t* source_row = source_pixels + (row - shift.y) * source_width;
        if (same_surface) std::memmove(target_row, source_row, count * sizeof(std::uint32_t));
        else copy_row(target_row, source_row, count);
    }
}

}  // namespace

void copy_pixels(Canvas& canvas, POINT to, SIZE size, const Surface& source, POINT from) {
    const RECT available = rect_intersection({from.x, from.y, from.x + size.cx, from.y + size.cy}, source.bounds());
    if (rect_empty(available)) return;
    const RECT wanted{available.left + to.x - from.x, available.top + to.y - from.y, available.right + to.x - from.x,
                      available.bottom + to.y - from.y};
    const RECT placed = canvas.to_surface(wanted);
    const POINT shift{placed.left - available.left, placed.top - available.top};
    canvas.for_each_visible(wanted, [&](const RECT& piece) { copy_piece(canvas.surface(), source, piece, shift); });
}

}  // namespace emu
