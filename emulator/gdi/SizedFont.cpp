#include "gdi/FontCache.h"

namespace emu {

SizedFont::SizedFont(std::unique_ptr<GlyphSource> source)
    : source_(std::move(source)), ascent_(source_->ascent()), descent_(source_->descent()) {}

const Glyph& SizedFont::glyph(wchar_t character) {
    const auto code = static_cast<std::uint32_t>(character);
    if (code < latin1_.size() && latin1_[code]) return *latin1_[code];
    auto found = glyphs_.find(character);
    if (found == glyphs_.end()) found = glyphs_.emplace(character, source_->render(character)).first;
    if (code < latin1_.size()) latin1_[code] = &found->second;
    return found->second;
}

}  // namespace emu
