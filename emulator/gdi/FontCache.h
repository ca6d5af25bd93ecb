#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include <wingdi.h>

#include "gdi/FontFaces.h"

namespace emu {

// The one family the device has, regular and bold, and the size of its system font.
inline constexpr wchar_t kFontFaceName[] = L"DejaVu Sans";
inline constexpr int kSystemFontPixels = 11;

// One face at one pixel size. Glyphs are rendered once and kept.
class SizedFont {
public:
    explicit SizedFont(std::unique_ptr<GlyphSource> source);
    SizedFont(const SizedFont&) = delete;
    SizedFont& operator=(const SizedFont&) = delete;

    int ascent() const { return ascent_; }
    int descent() const { return descent_; }
    int height() const { return ascent_ + descent_; }
    const Glyph& glyph(wchar_t character);

private:
    std::unique_ptr<GlyphSource> source_;
    int ascent_ = 0;
    int descent_ = 0;
    std::unordered_map<wchar_t, Glyph> glyphs_;
    std::array<const Glyph*, 256> latin1_{};
};

// When text is smoothed (antialiased). Windows CE draws glyphs in the text colour only,
// hinted, and smooths a font only when its lfQuality asks (ANTIALIASED_QUALITY), unless
// the device turns smoothing on for every font that does not refuse it
// (NONANTIALIASED_QUALITY).
enum class FontSmoothing { WhenAsked, UnlessRefused };

// The sized fonts made so far, found by what a LOGFONT asks for: the character height
// (lfHeight below 0) or cell height (above 0), bold from weight 600, and smoothing as its
// lfQuality and the cache's rule decide.
class FontCache {
public:
    explicit FontCache(FontSmoothing smoothing, std::unique_ptr<FontFaces> faces = device_font_faces());
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    SizedFont& font_for(const LOGFONTW& logfont);

private:
    bool smoothed(BYTE quality) const;

    FontSmoothing smoothing_;
    std::unique_ptr<FontFaces> faces_;
    std::map<std::tuple<bool, LONG, bool>, std::unique_ptr<SizedFont>> fonts_;
};

}  // namespace emu
