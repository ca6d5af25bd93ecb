#pragma once
#include "frontend/desktop/Pixmap.h"

// The desktop window's colours.
namespace emu::desktop::palette {

inline constexpr Colour kDesk = 0xD8DEE9;
inline constexpr Colour kBody = 0x3B4252;
inline constexpr Colour kBodyEdge = 0x2E3440;
inline constexpr Colour kBezel = 0x111418;
inline constexpr Colour kKey = 0x5E6779;
inline constexpr Colour kPad = 0x4C566A;
inline constexpr Colour kPowerKey = 0x9B4848;
inline constexpr Colour kPressed = 0x88C0D0;
inline constexpr Colour kKeyLabel = 0xE5E9F0;

inline constexpr Colour kPanel = 0xECEFF4;
inline constexpr Colour kText = 0x2E3440;
inline constexpr Colour kQuietText = 0x6B7385;
inline constexpr Colour kTrack = 0xC8CED9;
inline constexpr Colour kAccent = 0x5E81AC;
inline constexpr Colour kWhite = 0xFFFFFF;

}  // namespace emu::desktop::palette
