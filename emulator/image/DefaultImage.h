#pragma once
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>

namespace emu {

// One file of a built-in device image: its path below the image root ('/'-separated,
// e.g. "Windows/Start Menu/Notes.lnk" or ".device/registry.reg") and its bytes.
struct ImageFile {
    const char* path;
    const unsigned char* data;
    std::size_t size;
};

// The default device image, embedded at build time from emulator/image/default/.
std::span<const ImageFile> default_image_files();

// Makes `dir` a device: writes the default image into it when it is missing or empty,
// and leaves a device (a folder holding .device) as it is. Any other folder is refused,
// untouched: a mistyped folder must not become a device. The image is written into a new
// private folder beside `dir`, every file created new without following links, and moved
// in whole, so a failed unpack leaves no half-written device behind. False, with `error`
// saying why, when the folder is refused or the image cannot be written.
bool unpack_default_image(const std::filesystem::path& dir, std::string& error);

}  // namespace emu
