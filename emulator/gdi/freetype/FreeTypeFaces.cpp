#include "gdi/freetype/FreeTypeFaces.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H

#include <stdexcept>
#include <string>

namespace emu {

namespace {

constexpr char kFontFolder[] = "/usr/share/fonts/truetype/dejavu/";

FT_Face open_face(FT_Library library, const char* file) {
    const std::string path = std::string(kFontFolder) + file;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0)
        throw std::runtime_error("cannot open the font " + path + " (Debian package fonts-dejavu-core)");
    return face;
}

std::vector<std::uint8_t> coverage_of(const FT_Bitmap& bitmap) {
    std::vector<std::uint8_t> coverage(static_cast<std::size_t>(bitmap.width) * bitmap.rows);
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (unsigned x = 0; x < bitmap.width; ++x) {
            const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
            const unsigned value = mono ? ((source[x / 8] >> (7 - x % 8)) & 1) * 255 : source[x];
            coverage[y * bitmap.width + x] = static_cast<std::uint8_t>(value);
        }
    }
    return coverage;
}

// One face at one size: a FreeType size object of its own, so that faces at several
// sizes can share the face.
class FreeTypeSize : public GlyphSource {
public:
    FreeTypeSize(FT_Face face, LONG height, bool antialiased);
    ~FreeTypeSize() override { FT_Done_Size(size_); }
    FreeTypeSize(const FreeTypeSize&) = delete;
    FreeTypeSize& operator=(const FreeTypeSize&) = delete;

    int ascent() const override { return ascent_; }
    int descent() const override { return descent_; }
    Glyph render(wchar_t character) override;

private:
    FT_Face face_;
    FT_Size size_ = nullptr;
    bool antialiased_;
    int ascent_ = 0;
    int descent_ = 0;
};

// A negative height is the em in pixels; a positive one the whole cell, ascent plus
// descent, which the em is scaled (in 1/64 pixels) to fill exactly.
FreeTypeSize::FreeTypeSize(FT_Face face, LONG height, bool antialiased) : face_(face), antialiased_(antialiased) {
    const long long units = face_->units_per_EM, ascender = face_->ascender, descender = -face_->descender;
    long long em_64ths = 0;
    if (height < 0) {
        em_64ths = -64LL * height;
        ascent_ = static_cast<int>((-height * ascender + units / 2) / units);
        descent_ = static_cast<int>((-height * descender + units / 2) / units);
    } else {
        em_64ths = (64LL * height * units + (ascender + descender) / 2) / (ascender + descender);
        ascent_ = static_cast<int>((height * ascender + (ascender + descender) / 2) / (ascender + descender));
        descent_ = static_cast<int>(height) - ascent_;
    }
    FT_New_Size(face_, &size_);
    FT_Activate_Size(size_);
    FT_Set_Char_Size(face_, 0, static_cast<FT_F26Dot6>(em_64ths), 72, 72);
}

Glyph FreeTypeSize::render(wchar_t character) {
    FT_Activate_Size(size_);
    const FT_Int32 target = antialiased_ ? FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_MONO;
    Glyph glyph;
    if (FT_Load_Char(face_, static_cast<FT_ULong>(character), FT_LOAD_RENDER | target) != 0) return glyph;
    const FT_GlyphSlot slot = face_->glyph;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(slot->bitmap.width);
    glyph.height = static_cast<int>(slot->bitmap.rows);
    glyph.coverage = coverage_of(slot->bitmap);
    return glyph;
}

}  // namespace

FreeTypeFaces::FreeTypeFaces() {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType does not start");
    regular_ = open_face(library_, "DejaVuSans.ttf");
    bold_ = open_face(library_, "DejaVuSans-Bold.ttf");
}

FreeTypeFaces::~FreeTypeFaces() {
    FT_Done_Face(regular_);
    FT_Done_Face(bold_);
    FT_Done_FreeType(library_);
}

std::unique_ptr<GlyphSource> FreeTypeFaces::sized(bool bold, LONG height, bool antialiased) {
    return std::make_unique<FreeTypeSize>(bold ? bold_ : regular_, height, antialiased);
}

}  // namespace emu
