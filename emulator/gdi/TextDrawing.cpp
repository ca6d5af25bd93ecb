#include "gdi/TextDrawing.h"

#include "gdi/FontCache.h"
#include "gdi/Pixel.h"

namespace emu {

namespace {

void draw_glyph(Canvas& canvas, const Glyph& glyph, int x, int y, std::uint32_t pixel) {
    const RECT placed = canvas.to_surface({x, y, x + glyph.width, y + glyph.height});
    canvas.for_each_visible({x, y, x + glyph.width, y + glyph.height}, [&](const RECT& piece) {
        for (LONG row = piece.top; row < piece.bottom; ++row) {
            const std::uint8_t* coverage = glyph.coverage.data() + (row - placed.top) * glyph.width;
            std::uint32_t* target = canvas.surface().row(row);
            for (LONG column = piece.left; column < piece.right; ++column) {
                const unsigned amount = coverage[column - placed.left];
                if (amount == 255) target[column] = pixel;
                else if (amount != 0) target[column] = blend(target[column], pixel, amount);
            }
        }
    });
}

int advance_at(SizedFont& font, std::wstring_view text, std::size_t index, const int* dx) {
    return dx ? dx[index] : font.glyph(text[index]).advance;
}

int text_width(SizedFont& font, std::wstring_view text, const int* dx) {
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) width += advance_at(font, text, i, dx);
    return width;
}

}  // namespace

void draw_text(const DeviceContext& dc, int x, int y, UINT options, const RECT* rect, std::wstring_view text,
               const int* dx) {
    SizedFont& font = *dc.font().face;
    Canvas canvas = dc.canvas();
    const std::uint32_t background = pixel_of(dc.background_colour);
    if (rect && (options & ETO_OPAQUE)) canvas.fill(*rect, background);
    if (rect && (options & ETO_CLIPPED)) canvas.limit_to(*rect);
    if (dc.background_mode == OPAQUE)
        canvas.fill({x, y, x + text_width(font, text, dx), y + font.height()}, background);
    const std::uint32_t colour = pixel_of(dc.text_colour);
    const int baseline = y + font.ascent();
    int pen = x;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph& glyph = font.glyph(text[i]);
        draw_glyph(canvas, glyph, pen + glyph.left, baseline - glyph.top, colour);
        pen += advance_at(font, text, i, dx);
    }
}

SIZE text_extent(const DeviceContext& dc, std::wstring_view text) {
    SizedFont& font = *dc.font().face;
    return {text_width(font, text, nullptr), font.height()};
}

}  // namespace emu
