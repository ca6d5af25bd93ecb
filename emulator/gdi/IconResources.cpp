#include "gdi/IconResources.h"

#include <cstdlib>
#include <span>

#include "gdi/IconFile.h"
#include "kernel/Module.h"

namespace emu {

namespace {

constexpr int kGroupIconType = 14;

IconResources::Images decode(const ResourceBlob& blob) {
    IconResources::Images images;
    for (auto& image : decode_icon_file(std::span<const unsigned char>(blob.data, blob.size)))
        images.push_back(std::make_shared<const Icon>(image.width, image.height, std::move(image.argb)));
    return images;
}

}  // namespace

const IconResources::Images* IconResources::images(const Module& module, int id) {
    auto found = decoded_.find({&module, id});
    if (found == decoded_.end()) {
        const ResourceBlob* blob = module.find_resource(kGroupIconType, id);
        if (!blob) return nullptr;
        found = decoded_.emplace(std::pair{&module, id}, decode(*blob)).first;
    }
    return found->second.empty() ? nullptr : &found->second;
}

std::shared_ptr<const Icon> closest_image(const IconResources::Images& images, SIZE wanted) {
    const LONG want_width = wanted.cx ? wanted.cx : images.front()->width();
    const LONG want_height = wanted.cy ? wanted.cy : images.front()->height();
    auto distance = [&](const Icon& icon) {
        return std::abs(icon.width() - want_width) + std::abs(icon.height() - want_height);
    };
    std::shared_ptr<const Icon> best = images.front();
    for (const auto& image : images)
        if (distance(*image) < distance(*best)) best = image;
    return best;
}

}  // namespace emu
