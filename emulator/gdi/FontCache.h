#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include <wingdi.h>

struct FT_LibraryRec_;
struct FT_FaceRec_;
struct FT_SizeRec_;

namespace emu {

// The one family the device has, regular and bold, and the size of its system font.
inline constexpr wchar_t kFontFaceName[] = L"DejaVu Sans";
inline constexpr int kSystemFontPixels = 11;

// A rendered character: its coverage bitmap and where it sits against the pen position
// on the baseline.
struct Glyph {
    int advance = 0;
    int left = 0;
    int top = 0;  // rows above the baseline
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width x height, 0 (none) to 255 (full)
};

// One face at one pixel size. Glyphs are rendered once and kept.
class SizedFont {
public:
    // `height` as a LOGFONT's lfHeight, not 0.
    SizedFont(FT_FaceRec_* face, LONG height, bool antialiased);
    ~SizedFont();
    SizedFont(const SizedFont&) = delete;
    SizedFont& operator=(const SizedFont&) = delete;

    int ascent() const { return ascent_; }
    int descent() const { return descent_; }
    int height() const { return ascent_ + descent_; }
    const Glyph& glyph(wchar_t character);

private:
    Glyph render(wchar_t character);

    FT_FaceRec_* face_;
    FT_SizeRec_* size_ = nullptr;
    bool antialiased_;
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

// FreeType and the sized fonts made so far, found by what a LOGFONT asks for: the
// character height (lfHeight below 0) or cell height (above 0), bold from weight 600,
// and smoothing as its lfQuality and the cache's rule decide.
class FontCache {
public:
    explicit FontCache(FontSmoothing smoothing);
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    SizedFont& font_for(const LOGFONTW& logfont);

private:
    bool smoothed(BYTE quality) const;

    FontSmoothing smoothing_;
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* regular_ = nullptr;
    FT_FaceRec_* bold_ = nullptr;
    std::map<std::tuple<bool, LONG, bool>, std::unique_ptr<SizedFont>> fonts_;
};

}  // namespace emu
