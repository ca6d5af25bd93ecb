#pragma once
#include <ctime>
#include <filesystem>

namespace emu::desktop {

// Where the window's screenshots go: the user's pictures folder as `xdg-user-dir PICTURES`
// names it, else (no such command, or no such folder) the current folder.
std::filesystem::path pictures_folder();

// A new file in `folder` for a screenshot taken at `when` (local time):
// tesselink-YYYYMMDD-HHMMSS.png, or -2, -3 … before the extension when that one exists.
std::filesystem::path screenshot_file(const std::filesystem::path& folder, std::time_t when);

}  // namespace emu::desktop
