#pragma once
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace emu {

// Where a message box and its parts go: a box across the screen's width, centred in the
// work area, with its caption band on top, the text cut into lines below, and the
// buttons in a centred row at the bottom. Text that would make the box taller than the
// work area loses its last lines.
struct MessageBoxLayout {
    RECT window{};    // screen coordinates, frame included
    RECT caption{};   // the band, in client coordinates
    int text_left = 0, text_top = 0, line_height = 0;
    std::vector<std::wstring> lines;
    std::vector<RECT> buttons;  // client coordinates, left to right
};

// Measures with the font selected into `dc`.
MessageBoxLayout lay_out_message_box(HDC dc, std::wstring_view text, std::size_t button_count);

// `text` cut into lines no wider than `width`: at its line breaks, between words, and
// inside a word too long for a line of its own.
std::vector<std::wstring> wrap_text(HDC dc, std::wstring_view text, int width);

}  // namespace emu
