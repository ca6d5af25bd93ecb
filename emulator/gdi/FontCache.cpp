#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <stdexcept>
#include <string>

#include "gdi/FontCache.h"

namespace emu {

namespace {

constexpr char kFontFolder[] = "/usr/share/fonts/truetype/dejavu/";

// The fonts are a dependency of the emulator like its libraries: without them there is
// no device to run, so their absence stops it at once with the reason.
FT_Face open_face(FT_Library library, const char* file) {
    const std::string path = std::string(kFontFolder) + file;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0)
        throw std::runtime_error("cannot open the font " + path + " (Debian package fonts-dejavu-core)");
    return face;
}

// The lfHeight to render: 0 asks for the system font's size, and heights beyond any
// screen are cut so that a wild value cannot stall FreeType.
LONG usable_height(LONG height) {
    constexpr LONG kLargest = 1024;
    if (height == 0) return -kSystemFontPixels;
    return std::clamp(height, -kLargest, kLargest);
}

}  // namespace

FontCache::FontCache(FontSmoothing smoothing) : smoothing_(smoothing) {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType does not start");
    regular_ = open_face(library_, "DejaVuSans.ttf");
    bold_ = open_face(library_, "DejaVuSans-Bold.ttf");
}

FontCache::~FontCache() {
    fonts_.clear();
    FT_Done_Face(regular_);
    FT_Done_Face(bold_);
    FT_Done_FreeType(library_);
}

SizedFont& FontCache::font_for(const LOGFONTW& logfont) {
    const bool bold = logfont.lfWeight >= FW_SEMIBOLD;
    const LONG height = usable_height(logfont.lfHeight);
    const bool antialiased = smoothed(logfont.lfQuality);
    auto& font = fonts_[{bold, height, antialiased}];
    if (!font) font = std::make_unique<SizedFont>(bold ? bold_ : regular_, height, antialiased);
    return *font;
}

bool FontCache::smoothed(BYTE quality) const {
    if (quality == ANTIALIASED_QUALITY) return true;
    return smoothing_ == FontSmoothing::UnlessRefused && quality != NONANTIALIASED_QUALITY;
}

}  // namespace emu
