#pragma once

namespace emu {

// The device's single-byte (ANSI) code page, Windows-1252.
wchar_t from_code_page(unsigned char byte);
// The byte that holds `c`, or '?' when the code page has no such character.
unsigned char to_code_page(wchar_t c);

}  // namespace emu
