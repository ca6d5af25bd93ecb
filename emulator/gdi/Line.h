#pragma once
#include <cstdint>

#include "gdi/Canvas.h"

namespace emu {

// A one-pixel line from `from` towards `to`, leaving out `to` itself, as every GDI line
// does: a polyline's segments then meet without painting a vertex twice.
void draw_line(Canvas& canvas, POINT from, POINT to, std::uint32_t pixel);

}  // namespace emu
