#pragma once
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <windef.h>

#include "gdi/Icon.h"

namespace emu {

struct Module;

// The icon resources of the device's modules, decoded on first use and shared by every
// handle later loaded from them.
class IconResources {
public:
    using Images = std::vector<std::shared_ptr<const Icon>>;

    // The images of icon resource `id` of `module`, or null when it has no such icon.
    const Images* images(const Module& module, int id);

private:
    std::map<std::pair<const Module*, int>, Images> decoded_;
};

// The image whose size is nearest `wanted` (a side of 0 stands for that side of the first
// image); the first of equally near ones. `images` is not empty.
std::shared_ptr<const Icon> closest_image(const IconResources::Images& images, SIZE wanted);

}  // namespace emu
