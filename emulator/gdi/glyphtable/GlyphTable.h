#pragma once
#include <cstdint>
#include <span>

// The glyphs of the device's font sizes, rendered by FreeType when the web build is built
// (make_glyph_table) and compiled into it, so that the page draws the native build's
// pixels without FreeType.
namespace emu::glyph_table {

struct TableGlyph {
    std::uint32_t code;
    std::int16_t advance, left, top;
    std::uint16_t width, height;
    // Where its coverage starts in the table's bytes: one byte a pixel in a smoothed
    // font, one bit a pixel (the first one in the high bit) in the others.
    std::uint32_t offset;
};

struct TableFont {
    bool bold;
    std::int32_t height;  // as a LOGFONT's lfHeight
    bool antialiased;
    std::int16_t ascent, descent;
    // Its glyphs, sorted by code; code 0 is the missing-character glyph.
    std::uint32_t first_glyph, glyph_count;
};

struct Table {
    std::span<const TableFont> fonts;
    std::span<const TableGlyph> glyphs;
    std::span<const std::uint8_t> coverage;
};

// The table compiled into this program.
Table device_glyph_table();

}  // namespace emu::glyph_table
