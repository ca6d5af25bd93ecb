#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H

#include "gdi/FontCache.h"

namespace emu {

namespace {

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

}  // namespace

// A negative height is the em in pixels; a positive one the whole cell, ascent plus
// descent, which the em is scaled (in 1/64 pixels) to fill exactly.
SizedFont::SizedFont(FT_FaceRec_* face, LONG height, bool antialiased) : face_(face), antialiased_(antialiased) {
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

SizedFont::~SizedFont() { FT_Done_Size(size_); }

const Glyph& SizedFont::glyph(wchar_t character) {
    const auto code = static_cast<std::uint32_t>(character);
    if (code < latin1_.size() && latin1_[code]) return *latin1_[code];
    auto found = glyphs_.find(character);
    if (found == glyphs_.end()) found = glyphs_.emplace(character, render(character)).first;
    if (code < latin1_.size()) latin1_[code] = &found->second;
    return found->second;
}

Glyph SizedFont::render(wchar_t character) {
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

}  // namespace emu
