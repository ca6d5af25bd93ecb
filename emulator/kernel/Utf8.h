#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace emu {

// UTF-8 for log fields, host paths and the device's text files. A character that is no
// Unicode scalar value (a surrogate, or beyond U+10FFFF) is written as U+FFFD.
std::string utf8(std::wstring_view text);

// Reads UTF-8; each byte that does not begin a valid sequence (a stray continuation byte,
// an overlong form, a surrogate, a sequence cut short) is read alone as the character it
// stands for in the device's code page, so that it never swallows what follows.
std::wstring widen_utf8(std::string_view text);

// The length of the valid UTF-8 sequence starting at `text[at]`, or 0 when none starts there.
std::size_t utf8_sequence_length(std::string_view text, std::size_t at);

}  // namespace emu
