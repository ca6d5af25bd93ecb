#pragma once
#include "shell/IconCanvas.h"

namespace emu::icon_art {

// One drawing per picture, each on a fresh 32 x 32 canvas.
void calendar(IconCanvas& c);
void contacts(IconCanvas& c);
void inbox(IconCanvas& c);
void notes(IconCanvas& c);
void tasks(IconCanvas& c);
void calculator(IconCanvas& c);
void file_explorer(IconCanvas& c);
void web_browser(IconCanvas& c);
void media_player(IconCanvas& c);
void pictures(IconCanvas& c);
void word_processor(IconCanvas& c);
void spreadsheet(IconCanvas& c);
void bubbles(IconCanvas& c);
void solitaire(IconCanvas& c);
void control_panel(IconCanvas& c);
void folder(IconCanvas& c);
void document(IconCanvas& c);
void application(IconCanvas& c);

// Shared parts.
inline constexpr std::uint32_t kOutline = 0xFF303030;
inline constexpr std::uint32_t kWhite = 0xFFFFFFFF;
inline constexpr std::uint32_t kGrey = 0xFF909090;
void page(IconCanvas& c, std::uint32_t paper);  // an upright sheet with a folded corner

}  // namespace emu::icon_art
