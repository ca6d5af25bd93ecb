#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace emu {

// Where the desktop keeps its device when no --device is given: $XDG_DATA_HOME/tesselink/device,
// or ~/.local/share/tesselink/device when XDG_DATA_HOME is unset, empty or relative (as the
// XDG base directory rules say). Nothing when neither variable gives a folder. The
// arguments are the variables' values, null when unset.
std::optional<std::filesystem::path> default_device_folder(const char* xdg_data_home, const char* home);

// Empties a device folder so that the next boot fills it with the built-in image. Only a
// folder that is a device (it holds the image's .device folder) or is empty is touched: a
// mistyped --device naming some other folder is refused, not wiped. A missing folder
// needs nothing, and a device another emulator runs on is refused too. False, with
// `error` saying why, when the folder was refused or could not be emptied.
bool reset_device_folder(const std::filesystem::path& folder, std::string& error);

}  // namespace emu
