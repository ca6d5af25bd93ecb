#include "gdi/freetype/FreeTypeFaces.h"

namespace emu {

std::unique_ptr<FontFaces> device_font_faces() { return std::make_unique<FreeTypeFaces>(); }

}  // namespace emu
