#pragma once
#include <vector>

#include "gdi/FontFaces.h"
#include "gdi/glyphtable/GlyphTable.h"

namespace emu {

// The device's family drawn from a glyph table. A size the table lacks is drawn in the
// table's nearest size of the same weight and smoothing, and reported.
class GlyphTableFaces : public FontFaces {
public:
    struct Size {
        bool bold;
        LONG height;
        bool antialiased;

        bool operator==(const Size&) const = default;
    };

    explicit GlyphTableFaces(glyph_table::Table table = glyph_table::device_glyph_table()) : table_(table) {}

    std::unique_ptr<GlyphSource> sized(bool bold, LONG height, bool antialiased) override;

    // The sizes asked for that the table lacks.
    const std::vector<Size>& substituted() const { return substituted_; }

private:
    const glyph_table::TableFont& nearest(Size size) const;

    glyph_table::Table table_;
    std::vector<Size> substituted_;
};

}  // namespace emu
