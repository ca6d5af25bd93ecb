#pragma once
#include "gdi/Canvas.h"

namespace emu {

// BitBlt's SRCCOPY: copies `size` pixels from `source` at `from` (surface coordinates)
// to `to` on the canvas (the canvas's coordinates). Only pixels that exist on the source
// are copied; source and target may be the same surface and overlap.
void copy_pixels(Canvas& canvas, POINT to, SIZE size, const Surface& source, POINT from);

}  // namespace emu
