#include "gdi/glyphtable/GlyphTableFaces.h"

namespace emu {

std::unique_ptr<FontFaces> device_font_faces() { return std::make_unique<GlyphTableFaces>(); }

}  // namespace emu
