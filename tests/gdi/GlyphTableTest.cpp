// The glyph table the web build draws its text from holds what FreeType renders for the
// native build, glyph for glyph, so that the two builds show the same pixels.
#include <gtest/gtest.h>

#include "gdi/freetype/FreeTypeFaces.h"
#include "gdi/glyphtable/GlyphTableFaces.h"

namespace {

using emu::glyph_table::TableFont;

std::string describe(const TableFont& font) {
    return std::string(font.bold ? "bold " : "") + (font.antialiased ? "smoothed " : "unsmoothed ") +
           std::to_string(font.height);
}

TEST(GlyphTable, EveryFontAndGlyphIsWhatFreeTypeRenders) {
    const auto table = emu::glyph_table::device_glyph_table();
    ASSERT_FALSE(table.fonts.empty());
    emu::FreeTypeFaces freetype;
    emu::GlyphTableFaces tables(table);
    for (const auto& font : table.fonts) {
        SCOPED_TRACE(describe(font));
        auto expected = freetype.sized(font.bold, font.height, font.antialiased);
        auto actual = tables.sized(font.bold, font.height, font.antialiased);
        EXPECT_EQ(actual->ascent(), expected->ascent());
        EXPECT_EQ(actual->descent(), expected->descent());
        for (const auto& entry : table.glyphs.subspan(font.first_glyph, font.glyph_count)) {
            const auto character = static_cast<wchar_t>(entry.code);
            EXPECT_EQ(actual->render(character), expected->render(character)) << "character " << entry.code;
        }
    }
    EXPECT_TRUE(tables.substituted().empty());
}

// A character the table lacks is the missing-character glyph; a size it lacks is drawn
// in its nearest size of the same kind and reported.
TEST(GlyphTable, MissingCharactersAndSizesFallBackAndSizesAreReported) {
    emu::GlyphTableFaces tables;
    auto regular = tables.sized(false, -11, true);
    EXPECT_EQ(regular->render(L'\u4E00'), regular->render(L'\0'));
    EXPECT_NE(regular->render(L'A'), regular->render(L'\0'));
    EXPECT_TRUE(tables.substituted().empty());

    auto odd = tables.sized(true, -13, false);
    const emu::GlyphTableFaces::Size asked{true, -13, false};
    EXPECT_EQ(tables.substituted(), std::vector{asked});
    EXPECT_EQ(odd->render(L'A'), tables.sized(true, -12, false)->render(L'A'));
}

}  // namespace
