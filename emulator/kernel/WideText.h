#pragma once
#include <string>
#include <string_view>

namespace emu {

// Case-insensitive comparison of device names and paths.
bool same_name(std::wstring_view a, std::wstring_view b);

// UTF-8 for log fields and host paths.
std::string utf8(std::wstring_view text);
std::wstring widen_utf8(std::string_view text);

}  // namespace emu
