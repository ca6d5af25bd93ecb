#include "gdi/Gdi.h"

#include <algorithm>

#include "gdi/Pixel.h"
#include "gdi/PngFile.h"
#include "kernel/Device.h"

namespace emu {

Gdi::Gdi(Device& device, FontSmoothing smoothing)
    : fonts(smoothing), device_(device), screen_(std::make_shared<Surface>(kScreenWidth, kScreenHeight)) {}

HDC Gdi::create_screen_dc(POINT origin, const Region& clip) {
    auto dc = std::make_shared<DeviceContext>(DeviceContext::Kind::Screen, objects, screen_, origin, clip);
    return static_cast<HDC>(dcs_.add(std::move(dc)));
}

HDC Gdi::create_memory_dc() {
    auto dc = std::make_shared<DeviceContext>(DeviceContext::Kind::Memory, objects, screen_, POINT{0, 0}, Region());
    return static_cast<HDC>(dcs_.add(std::move(dc)));
}

bool Gdi::release_dc(HDC handle) { return remove_dc(handle, DeviceContext::Kind::Screen); }
bool Gdi::delete_memory_dc(HDC handle) { return remove_dc(handle, DeviceContext::Kind::Memory); }

bool Gdi::remove_dc(HDC handle, DeviceContext::Kind kind) {
    const DeviceContext* found = dc(handle);
    return found && found->kind() == kind && dcs_.remove(handle);
}

void Gdi::fill_screen(const Region& area, COLORREF colour) {
    Canvas(*screen_, POINT{0, 0}, area.rects()).fill(screen_->bounds(), pixel_of(colour));
}

void Gdi::move_screen_pixels(const Region& destination, POINT by) {
    if (destination.empty()) return;
    // The source and the destination may overlap: the pixels are read before any is written.
    RECT source = destination.bounds();
    source = rect_intersection(RECT{source.left - by.x, source.top - by.y, source.right - by.x, source.bottom - by.y},
                               screen_->bounds());
    const int width = source.right - source.left;
    std::vector<std::uint32_t> saved;
    saved.reserve(static_cast<std::size_t>(width) * (source.bottom - source.top));
    for (int y = source.top; y < source.bottom; ++y)
        saved.insert(saved.end(), screen_->row(y) + source.left, screen_->row(y) + source.right);
    const RECT reachable{source.left + by.x, source.top + by.y, source.right + by.x, source.bottom + by.y};
    for (const RECT& piece : destination.rects()) {
        const RECT target = rect_intersection(piece, reachable);
        for (int y = target.top; y < target.bottom; ++y) {
            auto from = saved.begin() + static_cast<std::ptrdiff_t>(y - by.y - source.top) * width +
                        (target.left - by.x - source.left);
            std::copy(from, from + (target.right - target.left), screen_->row(y) + target.left);
        }
    }
}

HICON Gdi::create_icon(int width, int height, std::vector<std::uint32_t> argb) {
    if (width <= 0 || height <= 0 || argb.size() != static_cast<std::size_t>(width) * height) return nullptr;
    return add_icon(std::make_shared<const Icon>(width, height, std::move(argb)));
}

void Gdi::set_brightness(int percent) { brightness_ = std::clamp(percent, 0, 100); }

std::vector<std::uint32_t> Gdi::displayed() const {
    if (!display_on_) return std::vector<std::uint32_t>(screen_->pixels.size(), 0);
    std::vector<std::uint32_t> pixels = screen_->pixels;
    if (brightness_ == 100) return pixels;
    const unsigned coverage = static_cast<unsigned>(brightness_ * 255 / 100);
    for (auto& pixel : pixels) pixel = blend(0, pixel, coverage);
    return pixels;
}

bool Gdi::write_png(const std::filesystem::path& file) const {
    return write_png_file(file, displayed(), kScreenWidth, kScreenHeight);
}

void Gdi::fixme(std::string_view call, std::string detail) {
    device_.log.record("fixme", {{"call", std::string(call)}, {"detail", std::move(detail)}});
}

}  // namespace emu
