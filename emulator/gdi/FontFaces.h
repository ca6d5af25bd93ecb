#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include <wingdi.h>

namespace emu {

// A rendered character: its coverage bitmap and where it sits against the pen position
// on the baseline.
struct Glyph {
    int advance = 0;
    int left = 0;
    int top = 0;  // rows above the baseline
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width x height, 0 (none) to 255 (full)

    bool operator==(const Glyph&) const = default;
};

// One face of the device's font family at one pixel size.
class GlyphSource {
public:
    virtual ~GlyphSource() = default;

    virtual int ascent() const = 0;
    virtual int descent() const = 0;
    // The character's glyph; a character the face lacks gets its missing-character glyph.
    virtual Glyph render(wchar_t character) = 0;
};

// The device's font family, regular and bold, at the sizes text asks for.
class FontFaces {
public:
    virtual ~FontFaces() = default;

    // `height` as a LOGFONT's lfHeight, not 0: a negative one is the em in pixels, a
    // positive one the whole cell, ascent plus descent. Smoothed (`antialiased`) glyphs
    // cover pixels in part; the others are hinted for black and white.
    virtual std::unique_ptr<GlyphSource> sized(bool bold, LONG height, bool antialiased) = 0;
};

// The family this build draws with: FreeType over the installed font files natively, the
// glyph tables rendered from them at build time in the web build.
std::unique_ptr<FontFaces> device_font_faces();

}  // namespace emu
