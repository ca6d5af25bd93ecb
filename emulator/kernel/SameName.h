#pragma once
#include <string_view>

namespace emu {

// Case-insensitive comparison of device names and paths.
bool same_name(std::wstring_view a, std::wstring_view b);

// Orders names the way the device lists them: without regard to case, then by exact text.
bool name_less(std::wstring_view a, std::wstring_view b);

}  // namespace emu
