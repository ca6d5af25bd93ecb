#pragma once
#include <string_view>

#include "gdi/DeviceContext.h"

namespace emu {

// ExtTextOut: `text` in the DC's font and text colour, (x, y) the top-left of its cell.
// ETO_OPAQUE fills `rect` with the background colour first, ETO_CLIPPED keeps the text
// inside `rect`, and in the OPAQUE background mode the text's cell is filled as well.
// `dx`, when given, holds the distance from each character's origin to the next one's.
void draw_text(const DeviceContext& dc, int x, int y, UINT options, const RECT* rect, std::wstring_view text,
               const int* dx);

// GetTextExtentPoint32: the width and height of the text's cell.
SIZE text_extent(const DeviceContext& dc, std::wstring_view text);

}  // namespace emu
