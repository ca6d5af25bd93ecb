#include "gdi/FontCache.h"

#include <algorithm>

namespace emu {

namespace {

// The lfHeight to render: 0 asks for the system font's size, and heights beyond any
// screen are cut so that a wild value cannot stall the renderer.
LONG usable_height(LONG height) {
    constexpr LONG kLargest = 1024;
    if (height == 0) return -kSystemFontPixels;
    return std::clamp(height, -kLargest, kLargest);
}

}  // namespace

FontCache::FontCache(FontSmoothing smoothing, std::unique_ptr<FontFaces> faces)
    : smoothing_(smoothing), faces_(std::move(faces)) {}

SizedFont& FontCache::font_for(const LOGFONTW& logfont) {
    const bool bold = logfont.lfWeight >= FW_SEMIBOLD;
    const LONG height = usable_height(logfont.lfHeight);
    const bool antialiased = smoothed(logfont.lfQuality);
    auto& font = fonts_[{bold, height, antialiased}];
    if (!font) font = std::make_unique<SizedFont>(faces_->sized(bold, height, antialiased));
    return *font;
}

bool FontCache::smoothed(BYTE quality) const {
    if (quality == ANTIALIASED_QUALITY) return true;
    return smoothing_ == FontSmoothing::UnlessRefused && quality != NONANTIALIASED_QUALITY;
}

}  // namespace emu
