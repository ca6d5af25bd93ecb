#include "frontend/desktop/DesktopWindow.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "gdi/PngFile.h"

namespace emu::desktop {

namespace {

// The pixmap's pixels, 0x00RRGGBB, seen as an SDL surface without a copy.
SDL_Surface* surface_over(const Pixmap& pixmap) {
    auto* pixels = const_cast<Colour*>(pixmap.pixels().data());
    return SDL_CreateRGBSurfaceWithFormatFrom(pixels, pixmap.size().width, pixmap.size().height, 32,
                                              pixmap.size().width * 4, SDL_PIXELFORMAT_RGB888);
}

SDL_Rect usable_area(int display) {
    SDL_Rect area{};
    if (SDL_GetDisplayUsableBounds(std::max(display, 0), &area) != 0) SDL_GetDisplayBounds(0, &area);
    return area;
}

// Where a window of `size` stands in the middle of `area`; a window larger than the area
// keeps its top-left corner in it.
SDL_Point centred(SDL_Rect area, Size size) {
    return {area.x + std::max(0, (area.w - size.width) / 2), area.y + std::max(0, (area.h - size.height) / 2)};
}

}  // namespace

Size DesktopWindow::display_room() {
    const auto area = usable_area(0);
    return {area.w, area.h};
}

std::unique_ptr<DesktopWindow> DesktopWindow::open(const char* title, Size size, std::string& error) {
    // The system's own framebuffer (X11 shared memory) rather than an OpenGL texture, which
    // on a machine without a GPU costs a software rasteriser's work for every frame.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    const auto at = centred(usable_area(0), size);
    auto* window = SDL_CreateWindow(title, at.x, at.y, size.width, size.height, 0);
    if (window == nullptr || SDL_GetWindowSurface(window) == nullptr) {
        error = SDL_GetError();
        if (window != nullptr) SDL_DestroyWindow(window);
        return nullptr;
    }
    return std::unique_ptr<DesktopWindow>(new DesktopWindow(window));
}

DesktopWindow::~DesktopWindow() { SDL_DestroyWindow(window_); }

Size DesktopWindow::room() const {
    const auto area = usable_area(SDL_GetWindowDisplayIndex(window_));
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0) top = left = bottom = right = 0;
    return {area.w - left - right, area.h - top - bottom};
}

void DesktopWindow::resize(Size size) {
    SDL_SetWindowSize(window_, size.width, size.height);
    const auto at = centred(usable_area(SDL_GetWindowDisplayIndex(window_)), size);
    SDL_SetWindowPosition(window_, at.x, at.y);
}

void DesktopWindow::present(const Pixmap& pixmap, std::span<const Rect> areas) {
    auto* target = SDL_GetWindowSurface(window_);
    auto* source = surface_over(pixmap);
    if (target == nullptr || source == nullptr) {
        SDL_FreeSurface(source);
        return;
    }
    std::vector<SDL_Rect> rects;
    for (const auto& area : areas) {
        SDL_Rect rect{area.x, area.y, area.width, area.height};
        SDL_Rect placed = rect;
        SDL_BlitSurface(source, &rect, target, &placed);
        rects.push_back(rect);
    }
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
}

bool DesktopWindow::save_png(const std::filesystem::path& file) const {
    auto* shown = SDL_GetWindowSurface(window_);
    if (shown == nullptr) return false;
    auto* converted = SDL_ConvertSurfaceFormat(shown, SDL_PIXELFORMAT_RGB888, 0);
    if (converted == nullptr) return false;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(converted->w) * converted->h);
    for (int y = 0; y < converted->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(converted->pixels) + y * converted->pitch;
        std::memcpy(&pixels[static_cast<std::size_t>(y) * converted->w], row, converted->w * sizeof pixels[0]);
    }
    const int width = converted->w, height = converted->h;
    SDL_FreeSurface(converted);
    return write_png_file(file, pixels, width, height);
}

}  // namespace emu::desktop
