#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace emu {

// One image of an icon file: width x height pixels 0xAARRGGBB with straight (not
// premultiplied) alpha, row-major, top row first.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// Decodes the images of a .ico file, in the file's order. Each image is a bottom-up DIB of
// 1, 4 or 8 bits per pixel with a colour table, or of 24 or 32 bits, followed by its AND
// mask. A 32-bit image takes its transparency from its alpha channel (or from the mask when
// every alpha byte is 0, as in icons made before alpha existed); the others from the mask.
// Images stored as PNG or whose description or bytes are malformed are left out; no input
// makes the decoder read outside `bytes`.
std::vector<IconImage> decode_icon_file(std::span<const unsigned char> bytes);

}  // namespace emu
