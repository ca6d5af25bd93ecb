#include "gdi/glyphtable/GlyphTableFaces.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace emu {

namespace {

using glyph_table::Table;
using glyph_table::TableFont;
using glyph_table::TableGlyph;

class TableSize : public GlyphSource {
public:
    TableSize(const Table& table, const TableFont& font)
        : glyphs_(table.glyphs.subspan(font.first_glyph, font.glyph_count)), coverage_(table.coverage),
          font_(font) {}

    int ascent() const override { return font_.ascent; }
    int descent() const override { return font_.descent; }
    Glyph render(wchar_t character) override;

private:
    const TableGlyph& find(std::uint32_t code) const;

    std::span<const TableGlyph> glyphs_;
    std::span<const std::uint8_t> coverage_;
    const TableFont& font_;
};

const TableGlyph& TableSize::find(std::uint32_t code) const {
    const auto at = std::lower_bound(glyphs_.begin(), glyphs_.end(), code,
                                     [](const TableGlyph& glyph, std::uint32_t c) { return glyph.code < c; });
    if (at != glyphs_.end() && at->code == code) return *at;
    return glyphs_.front();  // the missing-character glyph
}

Glyph TableSize::render(wchar_t character) {
    const auto& entry = find(static_cast<std::uint32_t>(character));
    Glyph glyph{entry.advance, entry.left, entry.top, entry.width, entry.height, {}};
    const std::size_t pixels = std::size_t{entry.width} * entry.height;
    glyph.coverage.resize(pixels);
    const std::uint8_t* bytes = coverage_.data() + entry.offset;
    for (std::size_t i = 0; i < pixels; ++i)
        glyph.coverage[i] = font_.antialiased ? bytes[i] : ((bytes[i / 8] >> (7 - i % 8)) & 1) * 255;
    return glyph;
}

}  // namespace

const TableFont& GlyphTableFaces::nearest(Size size) const {
    if (table_.fonts.empty()) throw std::runtime_error("the glyph table holds no font");
    const auto distance = [&](const TableFont& font) {
        const bool same_kind = font.bold == size.bold && font.antialiased == size.antialiased;
        return (same_kind ? 0L : 100000L) + std::labs(std::labs(font.height) - std::labs(size.height));
    };
    return *std::min_element(table_.fonts.begin(), table_.fonts.end(),
                             [&](const TableFont& a, const TableFont& b) { return distance(a) < distance(b); });
}

std::unique_ptr<GlyphSource> GlyphTableFaces::sized(bool bold, LONG height, bool antialiased) {
    const Size size{bold, height, antialiased};
    const auto& font = nearest(size);
    if (font.bold != bold || font.height != height || font.antialiased != antialiased) {
        substituted_.push_back(size);
        std::fprintf(stderr, "glyph table: no %s%s font of height %ld; drawing height %ld\n", bold ? "bold " : "",
                     antialiased ? "smoothed" : "unsmoothed", static_cast<long>(height), static_cast<long>(font.height));
    }
    return std::make_unique<TableSize>(table_, font);
}

}  // namespace emu
